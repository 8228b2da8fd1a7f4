#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "outputs/MunicipalityTax.h"

namespace zarion::compensation {

// An employee and the tax withheld from what he was paid.
using EmployeeTax = std::pair<std::int64_t, Currency>;

// The tax summed by the employees' municipality of residence, in the order of the codes, with
// the municipalities' names: what "SPECIFIKACIJA UZ PORESKU PRIJAVU" lists.
std::vector<outputs::MunicipalityTax> taxByResidence(db::Database& payroll,
                                                     const std::vector<EmployeeTax>& taxes);

} // namespace zarion::compensation
