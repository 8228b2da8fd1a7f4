#include "cli/OutputReports.h"

#include <array>

#include "core/NumericText.h"
#include "outputs/BankFileSettings.h"
#include "outputs/BankListReport.h"
#include "outputs/MunicipalityTax.h"
#include "outputs/PayslipReport.h"
#include "outputs/Registers.h"
#include "payroll/Settings.h"

namespace zarion::cli {
namespace {

using outputs::PayrollList;

Date dateOption(const ReportSource& source) {
    return paymentDate(source.options, source.today);
}

outputs::ListPrint listPrint(const ReportSource& source) {
    return {source.company, source.logo};
}

// The payslips of the list paid on --datum: of --radnik alone (an owner too), else of every
// employee unit by unit.
report::Document payslips(const ReportSource& source) {
    const PayrollList list = payrollList(source);
    std::vector<const outputs::PayrollRow*> rows;
    if (const auto id = source.options.get("radnik")) {
        for (const outputs::PayrollRow* row : list.allRows())
            if (row->id_radnik == wholeValue(*id))
                rows.push_back(row);
        if (rows.empty())
            throw ReportRefusal("Greska kod pronalazenja obracuna u bazi!");
    } else {
        rows = outputs::unitByUnit(list);
        if (rows.empty())
            throw ReportRefusal("Nema obracuna za izabrani mesec");
    }
    outputs::PayslipPrint print;
    print.company = source.company;
    print.logo = source.logo;
    print.status.paidOn = dateOption(source);
    print.coefficientPricing = payroll::loadSettings(source.payroll).coefficientPricing();
    return outputs::payslips(print, list,
                             outputs::loadPayslipLookups(source.payroll, list.selection), rows);
}

report::Document monthlyRegister(const ReportSource& source) {
    return outputs::monthlyRegister(listPrint(source), payrollList(source));
}

report::Document extendedRegister(const ReportSource& source) {
    const PayrollList list = payrollList(source);
    return outputs::extendedRegister(
        listPrint(source), list,
        outputs::advancesOfMonth(source.payroll, list.selection.year, list.selection.month));
}

report::Document earningsList(const ReportSource& source) {
    return outputs::earningsList(listPrint(source), payrollList(source));
}

report::Document deductionsList(const ReportSource& source) {
    const PayrollList list = payrollList(source);
    return outputs::deductionsList(listPrint(source), list,
                                   outputs::loadPayslipLookups(source.payroll, list.selection));
}

report::Document municipalities(const ReportSource& source) {
    const PayrollList list = payrollList(source);
    return outputs::municipalityTaxList(
        listPrint(source),
        outputs::taxByMunicipality(
            list, outputs::loadPayslipLookups(source.payroll, list.selection).municipalities));
}

// The list of transfers of --banka for the payment, as the bank lists' window prints it.
report::Document bankList(const ReportSource& source) {
    return bankTransfers(source, [&source] {
        return outputs::loadBankList(source.payroll, listSelection(source.options, source.year));
    });
}

const std::array<ReportEntry, 7> Reports{{
    {"listici",
     "--mesec M [--deo 0|1|2] [--rj RJ] [--radnik ID] [--datum GGGG-MM-DD]: platni listici",
     payslips},
    {"evidencija", "--mesec M [--deo 0|1|2] [--rj RJ]: mesecna evidencija o zaradi",
     monthlyRegister},
    {"evidencija2", "--mesec M [--deo 0|1|2] [--rj RJ]: prosirena mesecna evidencija",
     extendedRegister},
    {"spisak-zarada", "--mesec M [--deo 0|1|2] [--rj RJ]: spisak zarada po elementima",
     earningsList},
    {"spisak-obustava", "--mesec M [--deo 0|1|2] [--rj RJ]: spisak poreza, doprinosa i obustava",
     deductionsList},
    {"specifikacija", "--mesec M [--deo 0|1|2] [--rj RJ]: specifikacija poreza po opstinama",
     municipalities},
    {"banka",
     "--banka direktna|komercijalna|intesa --mesec M [--deo 0|1|2] [--datum GGGG-MM-DD]: "
     "spisak uplata zarada na tekuce racune u banci",
     bankList},
}};

} // namespace

outputs::PayrollList payrollList(const ReportSource& source) {
    auto list =
        outputs::loadPayrollList(source.payroll, listSelection(source.options, source.year));
    if (!list)
        throw ReportRefusal(list.message());
    return std::move(list).value();
}

outputs::ListSelection listSelection(const Arguments& options, int year) {
    const auto month = options.get("mesec");
    if (!month)
        throw ReportRefusal("Nedostaje --mesec MESEC");
    const auto part = options.get("deo");
    const auto unit = options.get("rj");
    const int payment = part ? static_cast<int>(wholeValue(*part)) : 0;
    if (payment < 0 || payment > 2)
        throw ReportRefusal("--deo je 0 (ceo mesec), 1 (prvi deo) ili 2 (drugi deo)");
    return {year, static_cast<int>(wholeValue(*month)), static_cast<outputs::Payment>(payment),
            unit ? wholeValue(*unit) : 0};
}

report::Document bankTransfers(const ReportSource& source,
                               const std::function<Outcome<outputs::BankList>()>& load) {
    const auto bank = outputs::paymentBankByName(source.options.get("banka").value_or(""));
    if (!bank)
        throw ReportRefusal("--banka je direktna, komercijalna ili intesa");
    const auto list = load();
    if (!list)
        throw ReportRefusal(list.message());
    const outputs::BankGroup* group = outputs::groupOfBank(*list, *bank);
    if (!group)
        throw ReportRefusal("Nema zaposlenih sa racunom u toj banci za izabrani mesec");
    const auto settings = outputs::loadBankFileSettings(source.payroll, source.master);
    return outputs::bankTransferList(listPrint(source),
                                     settings.place + ", " + toDisplayText(dateOption(source)),
                                     *group, list->payout);
}

Date paymentDate(const Arguments& options, const Date& today) {
    const auto text = options.get("datum");
    if (!text)
        return today;
    const Date date = dateFromIsoText(*text);
    if (date == Date{})
        throw ReportRefusal("--datum se zadaje kao GGGG-MM-DD");
    return date;
}

std::span<const ReportEntry> outputReports() {
    return Reports;
}

} // namespace zarion::cli
