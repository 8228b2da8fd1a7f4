#pragma once

#include <optional>
#include <string>
#include <vector>

#include "outputs/Registers.h"
#include "report/ListFlow.h"
#include "report/Painter.h"

namespace zarion::outputs {

// What heads a printout of the recapitulations and the journal.
struct PrintoutTitle {
    std::string document; // the print job's name
    std::string title;    // bold, under the company header
    std::string subtitle; // the period, the payment, the unit
    report::Orientation orientation = report::Orientation::Portrait;
};

// A printout's first page: the company header, then the title and the subtitle centred on it.
report::Painter startPrintout(const ListPrint& print, const PrintoutTitle& title);

// Ends the list: a rule, the bold totals row when there is one, the signatures, the page numbers.
void closePrintout(report::ListFlow& list,
                   const std::optional<std::vector<report::ListCell>>& totals = std::nullopt);

} // namespace zarion::outputs
