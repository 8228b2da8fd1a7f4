#include "cli/OtherIncomeReports.h"

#include <array>

#include "cli/BooksReports.h"
#include "cli/OutputReports.h"
#include "core/NumericText.h"
#include "other_income/OtherIncomePrints.h"
#include "parameters/PaperReturnForm.h"
#include "parameters/PaperReturns.h"

namespace zarion::cli {
namespace {

using other_income::PaidOrder;

PaidOrder paidOrder(const ReportSource& source) {
    return chosenOrder(source.payroll, source.options, source.year);
}

outputs::ListPrint listPrint(const ReportSource& source) {
    return {source.company, source.logo};
}

report::Document payList(const ReportSource& source) {
    return other_income::payList(listPrint(source), paidOrder(source));
}

report::Document contributions(const ReportSource& source) {
    const PaidOrder paid = paidOrder(source);
    const Date date =
        source.options.get("datum") ? paymentDate(source.options, source.today) : paid.order.Datum;
    return other_income::contributionsReport(listPrint(source), paid, date);
}

report::Document taxReturn(const ReportSource& source) {
    const PaidOrder paid = paidOrder(source);
    parameters::ReturnPrint print;
    print.form = parameters::ReturnForm::PorezNaZarade;
    print.company = source.company;
    print.month = paid.order.Datum.month;
    print.year = paid.order.Datum.year;
    print.payment = 1;
    print.taxAccount = paid.order.racun_poreza;
    return parameters::PaperReturnDocument(
        print, parameters::salaryTaxReturn(other_income::orderTaxFigures(paid)));
}

report::Document municipalities(const ReportSource& source) {
    const PaidOrder paid = paidOrder(source);
    return outputs::municipalityTaxList(listPrint(source),
                                        other_income::orderTaxByMunicipality(
                                            paid, other_income::municipalityNames(source.payroll)));
}

report::Document paymentAccounts(const ReportSource& source) {
    const PaidOrder paid = paidOrder(source);
    return accountsRecapitulation(
        source, outputs::otherIncomeAccountsSource(source.payroll, paid.order.tip_noz,
                                                   other_income::orderPaidOut(paid)));
}

const std::array<ReportEntry, 5> Reports{{
    {"ostale-spisak", "--nalog NALOG | --vrsta VRSTA --mesec M: spisak za isplatu ostalih zarada",
     payList},
    {"ostale-doprinosi",
     "--nalog NALOG | --vrsta VRSTA --mesec M [--datum GGGG-MM-DD]: prijava o uplati doprinosa",
     contributions},
    {"ostale-poreska", "--nalog NALOG | --vrsta VRSTA --mesec M: poreska prijava ostalih zarada",
     taxReturn},
    {"ostale-uplatni-racuni",
     "--nalog NALOG | --vrsta VRSTA --mesec M: rekapitulacija uplatnih racuna ostalih zarada",
     paymentAccounts},
    {"ostale-specifikacija",
     "--nalog NALOG | --vrsta VRSTA --mesec M: specifikacija poreza ostalih zarada po opstinama",
     municipalities},
}};

} // namespace

PaidOrder chosenOrder(db::Database& payroll, const Arguments& options, int year) {
    std::int64_t id = 0;
    if (const auto order = options.get("nalog")) {
        id = wholeValue(*order);
    } else {
        const auto kind = options.get("vrsta");
        const auto month = options.get("mesec");
        if (!kind || !month)
            throw ReportRefusal("Nedostaje --nalog NALOG ili --vrsta VRSTA --mesec MESEC");
        const auto found = other_income::orderOfMonth(payroll, static_cast<int>(wholeValue(*kind)),
                                                      year, static_cast<int>(wholeValue(*month)));
        if (!found)
            throw ReportRefusal("Nema naloga te vrste za izabrani mesec");
        id = found->id_noz;
    }
    auto paid = other_income::loadPaidOrder(payroll, id);
    if (!paid)
        throw ReportRefusal(paid.message());
    return std::move(paid).value();
}

std::span<const ReportEntry> otherIncomeReports() {
    return Reports;
}

} // namespace zarion::cli
