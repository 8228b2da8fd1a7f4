#include "outputs/BooksPrintout.h"

#include "outputs/ListTable.h"

namespace zarion::outputs {

report::Painter startPrintout(const ListPrint& print, const PrintoutTitle& title) {
    report::Painter p(title.orientation, title.document);
    report::PrintHeader(p, print.company, print.logo);
    const double centre = title.orientation == report::Orientation::Portrait ? 105 : 148;
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered(title.title, centre, 40);
    p.setFont("yuoptimar", 10);
    p.PrintCentered(title.subtitle, centre, 47);
    return p;
}

void closePrintout(report::ListFlow& list,
                   const std::optional<std::vector<report::ListCell>>& totals) {
    report::Painter& p = list.painter();
    list.rule();
    if (totals) {
        p.setFontBold(true);
        list.row(*totals);
        p.setFontBold(false);
    }
    signatures(list);
    list.finish();
}

} // namespace zarion::outputs
