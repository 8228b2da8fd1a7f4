#include "cli/OwnerReports.h"

#include <array>

#include "cli/OutputReports.h"
#include "core/NumericText.h"
#include "other_income/LoanContract.h"
#include "other_income/OtherIncomeBankList.h"
#include "outputs/BankFileSettings.h"
#include "outputs/BankListReport.h"

namespace zarion::cli {
namespace {

// The contract concluded on --datum, today without it.
report::Document loanContract(const ReportSource& source) {
    auto contract = other_income::loanContract(source.payroll, source.master,
                                               paymentDate(source.options, source.today));
    if (!contract)
        throw ReportRefusal(contract.message());
    return std::move(contract).value();
}

// The list of transfers of --banka for the order, as the bank lists' window prints it.
report::Document bankList(const ReportSource& source) {
    const auto bank = outputs::paymentBankByName(source.options.get("banka").value_or(""));
    if (!bank)
        throw ReportRefusal("--banka je direktna, komercijalna ili intesa");
    const outputs::BankList list = otherIncomeBankList(source.payroll, source.options);
    const outputs::BankGroup* group = outputs::groupOfBank(list, *bank);
    if (!group)
        throw ReportRefusal("Nema primalaca sa racunom u toj banci na izabranom nalogu");
    const auto settings = outputs::loadBankFileSettings(source.payroll, source.master);
    return outputs::bankTransferList({source.company, source.logo},
                                     settings.place + ", " +
                                         toDisplayText(paymentDate(source.options, source.today)),
                                     *group, list.payout);
}

const std::array<ReportEntry, 2> Reports{{
    {"ugovor-zajam", "[--datum GGGG-MM-DD]: ugovor o kratkorocnom zajmu vlasnika firmi",
     loanContract},
    {"banka-ostale",
     "--nalog ID --banka direktna|komercijalna|intesa [--datum GGGG-MM-DD]: spisak uplata "
     "ostalih zarada naloga na tekuce racune u banci",
     bankList},
}};

} // namespace

outputs::BankList otherIncomeBankList(db::Database& payroll, const Arguments& options) {
    const auto order = options.get("nalog");
    if (!order)
        throw ReportRefusal("Nedostaje --nalog ID");
    auto list = other_income::loadOtherIncomeBankList(payroll, wholeValue(*order));
    if (!list)
        throw ReportRefusal(list.message());
    return std::move(list).value();
}

std::span<const ReportEntry> ownerReports() {
    return Reports;
}

} // namespace zarion::cli
