#include "cli/BooksReports.h"

#include <array>

#include "cli/OutputReports.h"
#include "core/startup/CompanyData.h"
#include "outputs/JournalEntry.h"
#include "outputs/JournalReport.h"
#include "outputs/PaymentOrders.h"
#include "outputs/RecapitulationAccounts.h"
#include "outputs/RecapitulationKonta.h"
#include "outputs/RecapitulationPayout.h"
#include "payroll/Settings.h"

namespace zarion::cli {
namespace {

outputs::ListPrint listPrint(const ReportSource& source) {
    return {source.company, source.logo};
}

report::Document payoutRecapitulation(const ReportSource& source) {
    const outputs::PayrollList list = payrollList(source);
    const outputs::PayoutSource payout = outputs::payoutSource(list);
    const bool publicSector = payroll::loadSettings(source.payroll).coefficientPricing();
    return outputs::payoutRecapitulationReport(listPrint(source), payout,
                                               outputs::payoutRecapitulation(payout, publicSector));
}

outputs::AccountsSource accepted(Outcome<outputs::AccountsSource> accounts) {
    if (!accounts)
        throw ReportRefusal(accounts.message());
    return std::move(accounts).value();
}

outputs::AccountsSource accountsSource(const ReportSource& source) {
    return accepted(outputs::salaryAccountsSource(source.payroll, payrollList(source)));
}

report::Document salaryAccountsRecapitulation(const ReportSource& source) {
    return accountsRecapitulation(
        source, outputs::salaryAccountsSource(source.payroll, payrollList(source)));
}

// The orders of every line the recapitulation marks for printing, received on --datum.
report::Document accountOrders(const ReportSource& source) {
    const outputs::AccountsSource accounts = accountsSource(source);
    const outputs::OrderPrint print{outputs::payerName(source.master), source.company.grad,
                                    paymentDate(source.options, source.today),
                                    outputs::orderShift(source.payroll)};
    const auto lines = outputs::accountLines(accounts);
    if (const Refused none = outputs::ordersToPrint(lines))
        throw ReportRefusal(none->message);
    return outputs::accountOrders(print, accounts, lines);
}

report::Document kontaRecapitulation(const ReportSource& source) {
    const outputs::PayrollList list = payrollList(source);
    const outputs::PayoutSource payout = outputs::payoutSource(list);
    return outputs::kontaRecapitulationReport(
        listPrint(source), payout,
        outputs::kontaRecapitulation(source.payroll, outputs::KontaKind::Salaries, payout));
}

report::Document journal(const ReportSource& source) {
    const outputs::PayrollList list = payrollList(source);
    const outputs::JournalEntry entry =
        outputs::buildJournal(source.payroll, outputs::loadJournalSettings(source.payroll), list,
                              startup::isAnalyticNetCustomer(source.company.PIB));
    return outputs::journalReport(listPrint(source), list.selection, entry.lines);
}

const std::array<ReportEntry, 5> Reports{{
    {"rekapitulacija", "--mesec M [--deo 0|1|2] [--rj RJ]: rekapitulacija isplate",
     payoutRecapitulation},
    {"rekapitulacija-racuna",
     "--mesec M [--deo 0|1|2] [--rj RJ]: rekapitulacija uplatnih racuna javnih prihoda",
     salaryAccountsRecapitulation},
    {"rekapitulacija-nalozi",
     "--mesec M [--deo 0|1|2] [--rj RJ] [--datum GGGG-MM-DD]: nalozi za prenos iz "
     "rekapitulacije uplatnih racuna",
     accountOrders},
    {"rekapitulacija-konta",
     "--mesec M [--deo 0|1|2] [--rj RJ]: rekapitulacija bruto zarada po "
     "kontima",
     kontaRecapitulation},
    {"nalog-knjizenje", "--mesec M [--deo 0|1|2] [--rj RJ]: nalog za knjizenje obracuna zarada",
     journal},
}};

} // namespace

std::span<const ReportEntry> booksReports() {
    return Reports;
}

report::Document accountsRecapitulation(const ReportSource& source,
                                        Outcome<outputs::AccountsSource> accounts) {
    const outputs::AccountsSource shown = accepted(std::move(accounts));
    return outputs::accountsRecapitulationReport(listPrint(source), shown,
                                                 outputs::accountLines(shown));
}

} // namespace zarion::cli
