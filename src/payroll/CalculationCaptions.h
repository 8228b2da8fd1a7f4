#pragma once

#include <string>
#include <string_view>

namespace zarion::payroll {

// The operator's words for the columns of a calculation: the payslip's wording of each element,
// and the side (the employee's or the company's) where the payslip tells it by its heading.
struct ColumnCaption {
    std::string_view column;
    const char* words;     // as the payslip prints it (YUSCII notation)
    const char* qualifier; // "radnik", "firma", "sati" or nothing
};

// The payslip's words for the column; the column's own name when it has none.
std::string payslipWords(std::string_view column);

// The caption a window shows for the column: the payslip's words with the qualifier after a
// dash ("Doprinosi PIO - firma", "Redovan rad - sati"); the column's own name when it has none.
std::string columnCaption(std::string_view column);

} // namespace zarion::payroll
