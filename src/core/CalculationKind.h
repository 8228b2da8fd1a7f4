#pragma once

namespace zarion {

// Which calculation of a month: the final (obracuni), the advance (akontacija_obracuni), or a
// compensation of the funds (bolovanja_obracuni, with porodiljsko telling maternity apart), or a
// payment outside the salary: the disabled persons' compensation, awards and other income.
enum class CalculationKind { Final, Advance, SickLeave, Maternity, OtherIncome };

} // namespace zarion
