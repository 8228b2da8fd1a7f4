#include "cli/BenefitReports.h"

#include <array>

#include "cli/BooksReports.h"
#include "compensation/AnnualLeave.h"
#include "compensation/AwardOrders.h"
#include "compensation/AwardPrints.h"
#include "compensation/DisabledLists.h"
#include "compensation/MaternityRefundList.h"
#include "core/NumericText.h"

namespace zarion::cli {
namespace {

using namespace compensation;

int monthOf(const ReportSource& source) {
    const auto month = source.options.get("mesec");
    if (!month)
        throw ReportRefusal("Nedostaje --mesec MESEC");
    const auto value = static_cast<int>(wholeValue(*month));
    if (value < 1 || value > 12)
        throw ReportRefusal("Izaberite mesec!");
    return value;
}

DisabledMonth disabledMonth(const ReportSource& source) {
    return loadDisabledMonth(source.payroll, source.year, monthOf(source));
}

DisabledPrint disabledPrint(const ReportSource& source) {
    return {source.company, source.logo};
}

// The order of --nalog, else the latest order of --vrsta (1 jubilee awards, the default; 2
// annual awards).
AwardOrder awardOrder(const ReportSource& source) {
    if (const auto id = source.options.get("nalog")) {
        const auto order = loadAwardOrder(source.payroll, wholeValue(*id));
        if (!order)
            throw ReportRefusal("Greska kod pronalazenja naloga u bazi!");
        return *order;
    }
    const auto kind = source.options.get("vrsta");
    const auto orders = awardOrders(
        source.payroll, kind && wholeValue(*kind) == 2 ? AwardKind::Annual : AwardKind::Jubilee);
    if (orders.empty())
        throw ReportRefusal("Nema naloga za nagrade");
    return orders.front();
}

// "M.GGGG"; the given month of the working year without the option.
std::pair<int, int> spanEnd(const ReportSource& source, const char* name, int month) {
    const auto text = source.options.get(name);
    if (!text)
        return {month, source.year};
    const std::size_t dot = text->find_first_of("./");
    if (dot == std::string::npos)
        throw ReportRefusal(std::string("--") + name + " se zadaje kao MESEC.GODINA");
    return {static_cast<int>(wholeValue(text->substr(0, dot))),
            static_cast<int>(wholeValue(text->substr(dot + 1)))};
}

report::Document leaveOverview(const ReportSource& source) {
    MonthSpan span;
    std::tie(span.fromMonth, span.fromYear) = spanEnd(source, "od", 1);
    std::tie(span.toMonth, span.toYear) = spanEnd(source, "do", 12);
    const auto rows = leaveTaken(source.payroll, span);
    if (!rows)
        throw ReportRefusal(rows.message());
    return leaveOverviewReport(source.company, source.logo, span, *rows);
}

const std::array<ReportEntry, 9> Reports{{
    {"nz1", "--mesec M: obrazac NZ1, spisak obracunatih naknada za porodiljsko",
     [](const ReportSource& s) {
         return refundListReport(s.company, loadRefundList(s.payroll, s.year, monthOf(s)));
     }},
    {"invalidi-refundacija", "--mesec M: zahtev za refundaciju naknada invalidima",
     [](const ReportSource& s) {
         return disabledRefundList(disabledPrint(s), disabledMonth(s));
     }},
    {"invalidi-spisak", "--mesec M: spisak isplacenih naknada invalidima",
     [](const ReportSource& s) {
         return disabledPaidList(disabledPrint(s), disabledMonth(s));
     }},
    {"invalidi-rekapitulacija", "--mesec M: rekapitulacija naknada invalidima po racunima",
     [](const ReportSource& s) {
         return disabledAccountRecap(disabledPrint(s), disabledMonth(s));
     }},
    {"invalidi-uplatni-racuni", "--mesec M: rekapitulacija uplatnih racuna naknada invalidima",
     [](const ReportSource& s) {
         return accountsRecapitulation(
             s, outputs::compensationAccountsSource(s.payroll, outputs::CompensationKind::Disabled,
                                                    disabledMonth(s).paidOut()));
     }},
    {"invalidi-specifikacija", "--mesec M: specifikacija poreza na naknade invalidima po opstinama",
     [](const ReportSource& s) {
         return disabledTaxSpecification(s.payroll, disabledPrint(s), disabledMonth(s));
     }},
    {"nagrade-specifikacija",
     "[--nalog N | --vrsta 1|2]: specifikacija poreza na nagrade po opstinama",
     [](const ReportSource& s) {
         const AwardOrder order = awardOrder(s);
         return awardTaxSpecification(s.payroll, s.company, s.logo,
                                      awardPayments(s.payroll, order.id_noz));
     }},
    {"nagrade", "[--nalog N | --vrsta 1|2]: spisak za isplatu jubilarnih ili godisnjih nagrada",
     [](const ReportSource& s) {
         const AwardOrder order = awardOrder(s);
         return awardPaymentList(s.company, s.logo, order, awardPayments(s.payroll, order.id_noz));
     }},
    {"godisnji-odmori", "[--od M.GGGG] [--do M.GGGG]: pregled koriscenja godisnjih odmora",
     leaveOverview},
}};

} // namespace

std::span<const ReportEntry> benefitReports() {
    return Reports;
}

} // namespace zarion::cli
