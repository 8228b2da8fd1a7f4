#pragma once

namespace zarion {

// Which calculation of a month: the final (obracuni), the advance (akontacija_obracuni), or a
// compensation of the funds (bolovanja_obracuni, with porodiljsko telling maternity apart).
enum class CalculationKind { Final, Advance, SickLeave, Maternity };

} // namespace zarion
