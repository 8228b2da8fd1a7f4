#include "outputs/TreasuryReport.h"

#include "core/Text.h"
#include "report/ListFlow.h"
#include "report/Painter.h"

namespace zarion::outputs {
namespace {

using report::Align;
using report::ListFlow;

report::ListLayout landscape() {
    report::ListLayout layout;
    layout.right = 287;
    layout.bottom = 185;
    layout.rowHeight = 4.2;
    return layout;
}

double title(report::Painter& p, const TreasuryPrint& print, const std::string& heading) {
    p.setFont("yuoptimar", 9);
    p.PrintLeft("Republika Srbija"_yu, 8, 8);
    p.PrintLeft("Ministarstvo finansija i ekonomije"_yu, 8, 12);
    p.setFont("yuoptimar", 12, true);
    p.PrintCentered(heading, 148, 20);
    p.setFont("yuoptimar", 9);
    p.PrintLeft("Naziv indirektnog korisnika bud`eta: "_yu + print.company.Naziv, 8, 30);
    p.PrintLeft("[ifra indirektnog korisnika bud`eta:  "_yu + print.jibk, 8, 35);
    return 42;
}

} // namespace

report::Document treasuryRequest(const TreasuryPrint& print,
                                 const std::vector<TreasuryPayment>& payments) {
    report::Painter p(report::Orientation::Landscape, "ZAHTEV ZA PLA]ANJE BEZ PREUZETE OBAVEZE"_yu);
    double y = title(p, print, "ZAHTEV ZA PLA]ANJE BEZ PREUZETE OBAVEZE"_yu);
    p.setFont("yuoptimar", 9, true);
    p.PrintLeft("UKUPAN IZNOS OBAVEZE: "_yu, 8, y);
    p.PrintAmount(paymentsTotal(payments), 90, y);
    p.setFont("yuoptimar", 6.5);
    ListFlow list(p,
                  {{6, Align::Left, {"Parametar"_yu, "obracuna ID"_yu}},
                   {24, Align::Left, {"Broj"_yu, "linije"_yu}},
                   {34, Align::Left, {"[ifra"_yu, "koris."_yu}},
                   {46, Align::Left, {"funk."_yu, "klasif."_yu}},
                   {56, Align::Left, {"ekon."_yu, "klasif."_yu}},
                   {68, Align::Left, {"Izvor"_yu}},
                   {100, Align::Right, {"IZNOS"_yu}},
                   {103, Align::Left, {"@iro ra~un"_yu}},
                   {136, Align::Left, {"Model "_yu, "odob."_yu}},
                   {146, Align::Left, {"Poziv "_yu, "na broj"_yu}},
                   {170, Align::Left, {"Svrha1"_yu}},
                   {208, Align::Left, {"Svrha2"_yu}},
                   {240, Align::Left, {"[if"_yu, "pla}"_yu}},
                   {250, Align::Left, {"Datum"_yu}},
                   {270, Align::Left, {"Sis.datum"_yu}}},
                  landscape());
    list.start(y + 8);
    const std::string date = toDisplayText(print.today);
    int number = 0;
    for (const TreasuryPayment& payment : payments)
        list.row({print.batchNumber, std::to_string(++number), print.jibk, "070",
                  payment.liabilityCode, "01", payment.amount, payment.account, payment.model,
                  payment.reference, payment.purpose.substr(0, 24), payment.payee.substr(0, 22),
                  payment.paymentCode, date, date});
    list.rule();
    list.row({"UKUPNO:"_yu, "", "", "", "", "", paymentsTotal(payments)});
    y = list.reserve(40) + 6;
    p.setFont("yuoptimar", 8);
    p.PrintLeft("Priprema: ________________________"_yu, 8, y);
    p.PrintLeft("Potpis: _________________________"_yu, 100, y);
    p.PrintLeft("Datum: _______________"_yu, 200, y);
    p.PrintLeft("Overava:  ________________________"_yu, 8, y + 10);
    p.PrintLeft("Odobrava :  ________________________"_yu, 100, y + 10);
    p.PrintLeft("Zahtev odobren"_yu, 8, y + 22);
    p.PrintLeft("Zahtev odbijen"_yu, 100, y + 22);
    list.finish();
    return p.take();
}

report::Document ministryReport(const TreasuryPrint& print,
                                const std::vector<TreasuryJournalLine>& journal) {
    report::Painter p(report::Orientation::Landscape, "IZVE[TAJ ZA MINISTARSTVO - NALOZI"_yu);
    const double y = title(p, print, "IZVE[TAJ ZA MINISTARSTVO - NALOZI"_yu);
    p.setFont("yuoptimar", 7);
    ListFlow list(p,
                  {{6, Align::Left, {"[ifra"_yu, "korisnika"_yu}},
                   {28, Align::Left, {"[ifra funkc."_yu, "klasifikacije"_yu}},
                   {52, Align::Left, {"Program"_yu}},
                   {68, Align::Left, {"Projekat"_yu}},
                   {84, Align::Left, {"[ifra ekon."_yu, "kalsifikacije"_yu}},
                   {108, Align::Left, {"izvora fin."_yu}},
                   {150, Align::Right, {"Duguje"_yu}},
                   {185, Align::Right, {"Potra`uje"_yu}},
                   {195, Align::Left, {"Datum"_yu}},
                   {220, Align::Left, {"Sys"_yu}},
                   {245, Align::Left, {""}}},
                  landscape());
    list.start(y + 4);
    const std::string date = toDisplayText(print.today);
    Currency debit;
    Currency credit;
    for (const TreasuryJournalLine& line : journal) {
        if (!line.debitAccount.empty()) {
            list.row({print.jibk, "070", "0902", "0005", line.debitAccount, "01", line.amount, "",
                      date, date, line.text});
            debit += line.amount;
        }
        if (!line.creditAccount.empty()) {
            list.row({print.jibk, "070", "0902", "0005", line.creditAccount, "01", "", line.amount,
                      date, date, line.text});
            credit += line.amount;
        }
    }
    list.rule();
    list.row({"Ukupno:"_yu, "", "", "", "", "", debit, credit});
    list.finish();
    return p.take();
}

} // namespace zarion::outputs
