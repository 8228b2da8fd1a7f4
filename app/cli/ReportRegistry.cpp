#include "cli/ReportRegistry.h"

#include <array>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cli/AnnualReports.h"
#include "cli/BenefitReports.h"
#include "cli/BooksReports.h"
#include "cli/OtherIncomeReports.h"
#include "cli/OutputReports.h"
#include "cli/OwnerReports.h"
#include "cli/SickLeaveReports.h"
#include "core/NumericText.h"
#include "core/Text.h"
#include "core/trail/History.h"
#include "employees/EmployeeList.h"
#include "employees/EmployeeListReport.h"
#include "employees/EmployeeRecord.h"
#include "employees/EmployeeStatementReports.h"
#include "employees/EmployeeStatements.h"
#include "employees/LoanOverviewReports.h"
#include "employees/PaymentOrderForm.h"
#include "maintenance/HistoryReport.h"
#include "parameters/NetReductions.h"
#include "parameters/PaperReturnForm.h"
#include "parameters/ReturnFigures.h"
#include "report/SampleList.h"

namespace zarion::cli {
namespace {

using employees::OverviewPeriod;

report::Document sample(const ReportSource& source) {
    return report::sampleList(source.company, source.logo);
}

// The register's list as the employee window prints it unfiltered: every unit, every type,
// the active employees.
report::Document employeeList(const ReportSource& source) {
    const employees::ListFilter everyone;
    return employees::employeeListReport(source.company, source.logo,
                                         employees::employeeListTitle(everyone, ""),
                                         employees::loadEmployeeList(source.payroll, everyone));
}

employees::Employee chosenEmployee(const ReportSource& source) {
    const auto id = source.options.get("radnik");
    if (!id)
        throw ReportRefusal("Nedostaje --radnik ID");
    const auto employee = employees::loadEmployee(source.payroll, wholeValue(*id));
    if (!employee)
        throw ReportRefusal("Greska kod pronalazenja radnika u bazi!");
    return *employee;
}

// "M.GGGG" (or "M/GGGG"); the month and year given when the option is missing.
std::pair<int, int> monthOption(const ReportSource& source, const std::string& name, int month,
                                int year) {
    const auto text = source.options.get(name);
    if (!text)
        return {month, year};
    const std::size_t separator = text->find_first_of("./");
    if (separator == std::string::npos)
        throw ReportRefusal("--" + name + " se zadaje kao MESEC.GODINA");
    return {static_cast<int>(wholeValue(text->substr(0, separator))),
            static_cast<int>(wholeValue(text->substr(separator + 1)))};
}

// The salary certificate of an employee for a period, by default the whole working year.
report::Document salaryCertificate(const ReportSource& source) {
    const employees::Employee employee = chosenEmployee(source);
    employees::StatementPeriod period;
    std::tie(period.fromMonth, period.fromYear) = monthOption(source, "od", 1, source.year);
    std::tie(period.toMonth, period.toYear) = monthOption(source, "do", 12, source.year);
    if (const auto refused = employees::checkPeriod(period))
        throw ReportRefusal(refused->message);
    return employees::salaryCertificate(
        source.company, source.logo, employee, period,
        employees::statementMonths(source.payroll, employee.id_radnik, period));
}

// The certificate of the taxes withheld in the working year, issued today unless --datum says.
report::Document pppPo(const ReportSource& source) {
    const employees::Employee employee = chosenEmployee(source);
    Date issued = source.today;
    if (const auto text = source.options.get("datum")) {
        issued = dateFromIsoText(*text);
        if (issued == Date{})
            throw ReportRefusal("--datum se zadaje kao GGGG-MM-DD");
    }
    return employees::pppPoForm(
        source.company, employee, source.year,
        employees::annualIncomes(source.payroll, employee.id_radnik, source.year), issued);
}

// The payment of --mesec of the working year: the final part, or the first with --deo 1.
OverviewPeriod payment(const ReportSource& source) {
    const auto month = source.options.get("mesec");
    if (!month)
        throw ReportRefusal("Nedostaje --mesec MESEC");
    const auto part = source.options.get("deo");
    return {source.year, static_cast<int>(wholeValue(*month)), part && wholeValue(*part) == 1};
}

std::vector<employees::CreditorTotal> creditorsPaid(const ReportSource& source,
                                                    const OverviewPeriod& period) {
    auto creditors = employees::creditorTotals(source.payroll, period);
    if (creditors.empty())
        throw ReportRefusal("Nema obustava - " + employees::paymentHeading(period));
    return creditors;
}

employees::Payer payer(const ReportSource& source) {
    employees::Payer company;
    if (source.master)
        company = employees::loadPayer(source.payroll, *source.master);
    if (company.place.empty())
        company.place = source.company.grad;
    return company;
}

// The lists of what was paid to each creditor in the payment, one after the other.
report::Document creditorLists(const ReportSource& source) {
    employees::OverviewPrint print{source.company, source.logo, payer(source).place, source.today,
                                   payment(source)};
    report::Document all;
    for (const employees::CreditorTotal& creditor : creditorsPaid(source, print.period)) {
        report::Document one = employees::CreditorPaymentList(
            print, creditor,
            employees::creditorPayments(source.payroll, print.period, creditor.id_obustava));
        all.title = one.title;
        std::move(one.pages.begin(), one.pages.end(), std::back_inserter(all.pages));
    }
    return all;
}

// The payment orders to the creditors of the payment, two to a page.
report::Document creditorOrders(const ReportSource& source) {
    const OverviewPeriod period = payment(source);
    return employees::PaymentOrdersDocument(
        employees::creditorPaymentOrders(payer(source), creditorsPaid(source, period), period,
                                         source.today),
        "NALOG ZA PRENOS"_yu);
}

// The payment orders of the net reductions of the payment, one per employee.
report::Document reductionOrders(const ReportSource& source) {
    const OverviewPeriod period = payment(source);
    const auto kind = period.firstPart ? parameters::ReductionSource::Akontacija
                                       : parameters::ReductionSource::Zarada;
    const auto list = parameters::listReductions(source.payroll, kind, period.month, period.year);
    if (!list)
        throw ReportRefusal(list.message());
    if (list->rows.empty())
        throw ReportRefusal("Nema umanjenja - " + employees::paymentHeading(period));
    const parameters::ReductionPayment reduction{
        parameters::reductionPayerAccount(source.payroll, kind),
        source.company.Naziv,
        "Republika Srbija",
        period.month,
        period.year,
        source.today};
    return employees::PaymentOrdersDocument(
        parameters::reductionOrdersPerEmployee(source.payroll, reduction, *list),
        "NALOG ZA PRENOS"_yu);
}

// A paper return of --mesec of the working year, summed from the month's calculations; --deo 1
// is the advance, --deo 2 the rest paid with the final calculation.
parameters::SalaryPart salaryPart(const ReportSource& source) {
    const auto part = source.options.get("deo");
    const long long number = part ? wholeValue(*part) : 0;
    return number == 1   ? parameters::SalaryPart::Advance
           : number == 2 ? parameters::SalaryPart::Rest
                         : parameters::SalaryPart::Whole;
}

parameters::ReturnPrint returnPrint(const ReportSource& source, parameters::ReturnForm form) {
    const OverviewPeriod period = payment(source);
    return {form,
            source.company,
            period.month,
            period.year,
            salaryPart(source) == parameters::SalaryPart::Rest ? 2 : 1,
            parameters::salaryTaxAccount(source.payroll)};
}

report::Document taxReturn(const ReportSource& source, parameters::ReturnForm form) {
    const parameters::ReturnPrint print = returnPrint(source, form);
    const bool salaries = form == parameters::ReturnForm::PorezNaZarade;
    const auto figures =
        salaries ? parameters::salaryTaxFigures(source.payroll, print.month, print.year,
                                                salaryPart(source))
                 : parameters::compensationTaxFigures(source.payroll, print.month, print.year);
    return parameters::PaperReturnDocument(print, salaries
                                                      ? parameters::salaryTaxReturn(figures)
                                                      : parameters::compensationTaxReturn(figures));
}

report::Document contributionReturn(const ReportSource& source, parameters::ReturnForm form) {
    const parameters::ReturnPrint print = returnPrint(source, form);
    const auto terms =
        parameters::companyContributionTerms(source.payroll, print.month, print.year);
    if (!terms)
        throw ReportRefusal(terms.message());
    const bool salaries = form == parameters::ReturnForm::Doprinosi;
    const auto grid =
        salaries ? parameters::salaryContributionReturn(
                       parameters::salaryContributionFigures(source.payroll, print.month,
                                                             print.year, salaryPart(source)),
                       terms->rates, terms->accounts)
                 : parameters::compensationContributionReturn(
                       parameters::compensationContributionFigures(source.payroll, print.month,
                                                                   print.year),
                       terms->rates, terms->accounts);
    return parameters::PaperReturnDocument(print, grid);
}

// The history of changes of the year, of one month (--mesec) and one employee (--radnik).
report::Document history(const ReportSource& source) {
    trail::HistoryFilter filter;
    filter.year = source.year;
    filter.monthFrom = filter.monthTo =
        static_cast<int>(wholeValue(source.options.get("mesec").value_or("")));
    filter.employeeId = wholeValue(source.options.get("radnik").value_or(""));
    const auto entries = trail::loadHistory(source.payroll, filter);
    return maintenance::historyReport(
        source.company, source.logo,
        maintenance::historyFilterText(filter, std::to_string(filter.employeeId)), entries);
}

const std::array<ReportEntry, 12> Reports{{
    {"uzorak", "probni spisak na dve strane (zaglavlje, slova, iznosi, prelom)", sample},
    {"zaposleni", "spisak zaposlenih: sve RJ, svi tipovi RO, aktivni", employeeList},
    {"potvrda", "--radnik ID [--od M.GGGG] [--do M.GGGG]: potvrda o visini zarade",
     salaryCertificate},
    {"ppppo", "--radnik ID [--datum GGGG-MM-DD]: obrazac PPP-PO za godinu", pppPo},
    {"kreditori", "--mesec M [--deo 1]: spiskovi uplata po kreditorima", creditorLists},
    {"nalozi", "--mesec M [--deo 1]: nalozi za prenos kreditorima", creditorOrders},
    {"umanjenja", "--mesec M [--deo 1]: nalozi za umanjenje NETO zarada, po radnicima",
     reductionOrders},
    {"pp-opj", "--mesec M [--deo 1|2]: poreska prijava PP OPJ za zarade (akontacija, ostatak)",
     [](const ReportSource& s) {
         return taxReturn(s, parameters::ReturnForm::PorezNaZarade);
     }},
    {"pp-opj-naknade", "--mesec M: poreska prijava PP OPJ za naknade meseca",
     [](const ReportSource& s) {
         return taxReturn(s, parameters::ReturnForm::PorezNaNaknade);
     }},
    {"pp-od", "--mesec M [--deo 1|2]: poreska prijava PP OD za zarade (akontacija, ostatak)",
     [](const ReportSource& s) {
         return contributionReturn(s, parameters::ReturnForm::Doprinosi);
     }},
    {"pp-od-1", "--mesec M: poreska prijava PP OD-1 za naknade meseca",
     [](const ReportSource& s) {
         return contributionReturn(s, parameters::ReturnForm::DoprinosiNaknade);
     }},
    {"istorija", "[--mesec M] [--radnik ID]: istorija promena godine", history},
}};

} // namespace

std::span<const ReportEntry> reports() {
    static const std::vector<ReportEntry> all = [] {
        std::vector<ReportEntry> entries(Reports.begin(), Reports.end());
        const auto outputs = outputReports();
        entries.insert(entries.end(), outputs.begin(), outputs.end());
        entries.insert(entries.end(), booksReports().begin(), booksReports().end());
        const auto otherIncome = otherIncomeReports();
        entries.insert(entries.end(), otherIncome.begin(), otherIncome.end());
        const auto owner = ownerReports();
        entries.insert(entries.end(), owner.begin(), owner.end());
        const auto annual = annualReports();
        entries.insert(entries.end(), annual.begin(), annual.end());
        const auto sickLeave = sickLeaveReports();
        entries.insert(entries.end(), sickLeave.begin(), sickLeave.end());
        const auto benefits = benefitReports();
        entries.insert(entries.end(), benefits.begin(), benefits.end());
        return entries;
    }();
    return all;
}

const ReportEntry* findReport(std::string_view name) {
    for (const ReportEntry& entry : reports())
        if (equalsIgnoreCase(entry.name, name))
            return &entry;
    return nullptr;
}

} // namespace zarion::cli
