#include "outputs/BankListReport.h"

#include <cstdio>

#include "core/Text.h"
#include "outputs/ListTable.h"
#include "report/CompanyHeader.h"
#include "report/ListFlow.h"

namespace zarion::outputs {
namespace {

using report::Align;

std::string paymentName(Payment payment) {
    switch (payment) {
    case Payment::First:
        return "PRVI DEO"_yu;
    case Payment::Final:
        return "DRUGI DEO"_yu;
    case Payment::Whole:
        break;
    }
    return "KONA^NA"_yu;
}

} // namespace

std::string paymentCaption(Payment payment) {
    return std::to_string(static_cast<int>(payment)) + " - " + paymentName(payment);
}

std::string bankPaymentHeading(const ListSelection& selection) {
    char month[8];
    std::snprintf(month, sizeof month, "%02d", selection.month);
    return "Isplata: "_yu + month + "/" + std::to_string(selection.year) + " - " +
           paymentName(selection.payment);
}

report::Document bankTransferList(const ListPrint& print, const std::string& place,
                                  const BankGroup& group, const ListSelection& selection) {
    return bankTransferList(print, place, group, bankPaymentHeading(selection));
}

report::Document bankTransferList(const ListPrint& print, const std::string& place,
                                  const BankGroup& group, const std::string& payout) {
    const std::string title = "Spisak upla}enih zarada i drugih primanja"_yu;
    report::Painter p(report::Orientation::Portrait, title + " - " + group.bank);
    report::PrintHeader(p, print.company, print.logo);
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered(title, 105, 41);
    p.PrintCentered("na teku}e ra~une"_yu, 105, 47);
    p.setFont("yuoptimar", 10);
    p.PrintCentered(group.bank + (group.account.empty() ? "" : " - " + group.account), 105, 54);
    p.PrintCentered(payout, 105, 59);

    p.setFont("yuoptimar", 9);
    report::ListFlow list(p,
                          {{22, Align::Right, {"Red.broj"_yu}},
                           {26, Align::Left, {"Prezime i ime"_yu}},
                           {110, Align::Left, {"Teku}i ra~un"_yu}},
                           {195, Align::Right, {"Iznos uplate"_yu}}},
                          report::ListLayout{});
    list.start(66);
    int number = 0;
    for (const BankTransfer& transfer : group.transfers)
        list.row(
            {std::to_string(++number) + ".", transfer.name, transfer.account, transfer.amount});
    list.rule();
    p.setFontBold(true);
    list.row({std::string(), "UKUPNO"_yu, std::string(), group.total});
    p.setFontBold(false);
    const double y = list.reserve(8) + 4;
    p.PrintLeft(place, 15, y);
    list.moveTo(y + 2);
    signatures(list);
    list.finish();
    return p.take();
}

} // namespace zarion::outputs
