#include "outputs/JournalReport.h"

#include "core/Text.h"
#include "outputs/BooksPrintout.h"
#include "outputs/ListTable.h"
#include "outputs/RecapitulationPayout.h"
#include "report/ListFlow.h"

namespace zarion::outputs {

report::Document journalReport(const ListPrint& print, const ListSelection& selection,
                               const std::vector<JournalLine>& lines) {
    using report::Align;
    report::Painter p = startPrintout(
        print, {"Nalog za knji`enje"_yu, "NALOG ZA KNJI@ENJE"_yu,
                "Obr.zarada za: "_yu + std::to_string(selection.month) + "/" +
                    std::to_string(selection.year) + " " + paymentPartName(selection.payment)});
    p.setFont("yuoptimar", 8);
    report::ListFlow list(p,
                          {{8, Align::Left, {"Konto"}},
                           {30, Align::Left, {"Analit."_yu}},
                           {45, Align::Left, {"Opis"}},
                           {170, Align::Right, {"Duguje"}},
                           {200, Align::Right, {"Potra`uje"_yu}}},
                          report::ListLayout{});
    list.start(55);
    Currency debit;
    Currency credit;
    for (const JournalLine& line : lines) {
        const std::string text = line.opis_konta.empty() ? line.text : line.opis_konta;
        list.row(
            {line.konto, line.analitika, trim(PadRight(text, 60)), line.duguje, line.potrazuje});
        debit += line.duguje;
        credit += line.potrazuje;
    }
    closePrintout(list, {{std::string(), std::string(), "UKUPNO"_yu, debit, credit}});
    return p.take();
}

} // namespace zarion::outputs
