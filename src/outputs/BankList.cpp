#include "outputs/BankList.h"

#include <algorithm>
#include <map>

#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "outputs/BankListReport.h"

namespace zarion::outputs {
namespace {

struct Bank {
    std::string name;
    std::string account;
};

std::map<std::int64_t, Bank> loadBanks(db::Database& payroll) {
    std::map<std::int64_t, Bank> banks;
    db::Statement st = payroll.prepare("SELECT ID_BAnka, banka, tekuci_Racun FROM banke");
    while (st.step())
        banks[st.integer(0)] = {st.text(1), st.text(2)};
    return banks;
}

Currency netAfterSolidarity(const PayrollRow& row) {
    return row.calc.NETO - row.calc.solidarni_porez;
}

// The first part's net of every employee, for the final part of a month paid in two parts.
Outcome<std::map<std::int64_t, Currency>> firstPartPaid(db::Database& payroll,
                                                        const ListSelection& selection) {
    std::map<std::int64_t, Currency> paid;
    if (selection.payment != Payment::Final)
        return paid;
    ListSelection first = selection;
    first.payment = Payment::First;
    const auto list = loadPayrollList(payroll, first);
    if (!list)
        return list.refusal();
    for (const PayrollRow* row : list->allRows())
        paid[row->id_radnik] += netAfterSolidarity(*row);
    return paid;
}

} // namespace

std::vector<BankGroup> groupByBank(db::Database& payroll,
                                   std::vector<std::pair<std::int64_t, BankTransfer>> transfers) {
    const auto banks = loadBanks(payroll);
    std::map<std::int64_t, BankGroup> groups;
    for (auto& [ID_BAnka, transfer] : transfers) {
        const auto bank = banks.find(ID_BAnka);
        BankGroup& group = groups[bank == banks.end() ? 0 : bank->first];
        if (bank != banks.end()) {
            group.ID_BAnka = bank->first;
            group.bank = bank->second.name;
            group.account = bank->second.account;
        } else {
            group.bank = "**** NEMA DODELJENU BANKU ****";
        }
        group.total += transfer.amount;
        group.transfers.push_back(std::move(transfer));
    }

    std::vector<BankGroup> result;
    for (auto& [id, group] : groups) {
        std::stable_sort(group.transfers.begin(), group.transfers.end(),
                         [](const BankTransfer& a, const BankTransfer& b) {
                             return serbianLess(a.name, b.name);
                         });
        result.push_back(std::move(group));
    }
    std::stable_sort(result.begin(), result.end(), [](const BankGroup& a, const BankGroup& b) {
        if ((a.ID_BAnka == 0) != (b.ID_BAnka == 0))
            return b.ID_BAnka == 0; // the recipients without a bank come last
        return serbianLess(a.bank, b.bank);
    });
    return result;
}

Outcome<BankList> loadBankList(db::Database& payroll, const ListSelection& selection) {
    const auto list = loadPayrollList(payroll, selection);
    if (!list)
        return list.refusal();
    const auto firstPart = firstPartPaid(payroll, selection);
    if (!firstPart)
        return firstPart.refusal();

    std::vector<std::pair<std::int64_t, BankTransfer>> transfers;
    for (const PayrollRow* row : list->allRows()) {
        const auto paid = firstPart->find(row->id_radnik);
        transfers.emplace_back(
            row->employee.ID_BAnka,
            BankTransfer{row->id_radnik, row->fullName(), row->calc.tekuci_Racun,
                         row->employee.JMBG,
                         netAfterSolidarity(*row) - row->deductions -
                             (paid == firstPart->end() ? Currency() : paid->second)});
    }
    return BankList{selection, bankPaymentHeading(selection),
                    groupByBank(payroll, std::move(transfers)), list->missingEmployees};
}

const BankGroup* findBank(const BankList& list, std::int64_t ID_BAnka) {
    for (const BankGroup& group : list.banks)
        if (group.ID_BAnka == ID_BAnka)
            return &group;
    return nullptr;
}

} // namespace zarion::outputs
