#include "cli/SickLeaveReports.h"

#include <array>

#include "cli/BooksReports.h"
#include "cli/OutputReports.h"
#include "compensation/SickLeaveList.h"
#include "compensation/SickLeaveReports.h"
#include "core/NumericText.h"

namespace zarion::cli {
namespace {

using compensation::LeaveKind;

outputs::ListPrint listPrint(const ReportSource& source) {
    return {source.company, source.logo};
}

// The compensations of --mesec and --rj; --deo 1 chooses maternity leave where a report offers it.
outputs::PayrollList leaveList(const ReportSource& source, LeaveKind kind) {
    outputs::ListSelection selection = listSelection(source.options, source.year);
    selection.payment = outputs::Payment::Whole;
    auto list = compensation::loadLeaveList(source.payroll, kind, selection);
    if (!list)
        throw ReportRefusal(list.message());
    if (list->employees.empty())
        throw ReportRefusal("Nema obracuna naknada za izabrani mesec");
    return std::move(list).value();
}

LeaveKind chosenKind(const ReportSource& source) {
    const auto part = source.options.get("deo");
    return part && wholeValue(*part) == 1 ? LeaveKind::Maternity : LeaveKind::SickLeave;
}

report::Document record(const ReportSource& source) {
    return compensation::leaveRegister(listPrint(source), leaveList(source, LeaveKind::SickLeave),
                                       LeaveKind::SickLeave);
}

report::Document paymentList(const ReportSource& source) {
    return compensation::leavePaymentList(
        listPrint(source), leaveList(source, LeaveKind::SickLeave), LeaveKind::SickLeave);
}

// Of --radnik alone, else of everyone on the list.
report::Document payslips(const ReportSource& source) {
    const outputs::PayrollList list = leaveList(source, LeaveKind::SickLeave);
    std::vector<const outputs::PayrollRow*> rows;
    const auto id = source.options.get("radnik");
    for (const outputs::PayrollRow& row : list.employees)
        if (!id || row.id_radnik == wholeValue(*id))
            rows.push_back(&row);
    if (rows.empty())
        throw ReportRefusal("Greska kod pronalazenja obracuna u bazi!");
    return compensation::leavePayslips(listPrint(source), list, LeaveKind::SickLeave, rows);
}

report::Document recapitulation(const ReportSource& source) {
    const outputs::ListSelection s = listSelection(source.options, source.year);
    return compensation::accountRecapReport(
        listPrint(source), s.year, s.month,
        compensation::accountRecaps(source.payroll, s.year, s.month));
}

report::Document taxSpecification(const ReportSource& source) {
    return compensation::leaveTaxSpecification(source.payroll, listPrint(source),
                                               leaveList(source, LeaveKind::SickLeave));
}

// The transfers of the compensations to the accounts at --banka.
report::Document bankList(const ReportSource& source) {
    return bankTransfers(source, [&source] {
        const outputs::ListSelection s = listSelection(source.options, source.year);
        return compensation::leaveBankList(source.payroll, chosenKind(source), s.year, s.month);
    });
}

// The payment accounts of the compensations of --mesec (maternity leave with --deo 1) and --rj.
report::Document paymentAccounts(const ReportSource& source) {
    const LeaveKind kind = chosenKind(source);
    return accountsRecapitulation(
        source, compensation::leaveAccountsSource(source.payroll, kind, leaveList(source, kind)));
}

const std::array<ReportEntry, 7> Reports{{
    {"bolovanje-evidencija", "--mesec M [--rj RJ]: mesecna evidencija bolovanja preko 30 dana",
     record},
    {"bolovanje-isplata", "--mesec M [--rj RJ]: spisak za isplatu naknada zarada", paymentList},
    {"bolovanje-listici", "--mesec M [--rj RJ] [--radnik ID]: obracun naknade po radniku",
     payslips},
    {"bolovanje-rekapitulacija", "--mesec M: rekapitulacija naknada po racunima", recapitulation},
    {"bolovanje-uplatni-racuni",
     "--mesec M [--deo 0|1] [--rj RJ]: rekapitulacija uplatnih racuna naknada (0 bolovanje, 1 "
     "porodiljsko)",
     paymentAccounts},
    {"bolovanje-specifikacija", "--mesec M [--rj RJ]: specifikacija poreza na naknade po opstinama",
     taxSpecification},
    {"naknade-banka",
     "--banka direktna|komercijalna|intesa --mesec M [--deo 0|1] [--datum GGGG-MM-DD]: "
     "spisak uplata naknada (0 bolovanje, 1 porodiljsko) na tekuce racune u banci",
     bankList},
}};

} // namespace

std::span<const ReportEntry> sickLeaveReports() {
    return Reports;
}

} // namespace zarion::cli
