#pragma once

#include <vector>

#include "outputs/JournalEntry.h"
#include "outputs/PayrollList.h"
#include "outputs/Registers.h"
#include "report/Document.h"

namespace zarion::outputs {

// "NALOG ZA KNJIŽENJE" of the payroll: the double-entry lines with both sides summed.
report::Document journalReport(const ListPrint& print, const ListSelection& selection,
                               const std::vector<JournalLine>& lines);

} // namespace zarion::outputs
