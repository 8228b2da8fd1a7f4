#include "outputs/Treasury.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/ControlDigits.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "employees/LoanCreditorOverview.h"

namespace zarion::outputs {
namespace {

// The journal items of a payout in the order the journal lists them.
enum Item { Neto, Porez, PioR, ZoR, NezR, PioF, ZoF, NezF, Obustave, ItemCount };

constexpr std::array<const char*, ItemCount> ItemTexts = {
    "Neto",          "Porez",           "PIO",     "Zdravstveno", "Nezaposlenost", "PIO firma",
    "Zdravstveno f", "Nezaposlenost f", "Obustave"};

// The debit and credit account of each item but the deductions, which book on the net's.
struct Accounts {
    std::array<std::string, ItemCount> debit;
    std::array<std::string, ItemCount> credit;
};

std::optional<Accounts> loadAccounts(db::Database& payroll) {
    db::Statement st = payroll.prepare(
        "SELECT D_Neto, P_NETO, D_porez, P_porez, D_PIO_R, P_PIO_R, D_ZO_R, P_ZO_R, D_NEZ_R, "
        "P_NEZ_R, D_PIO_F, P_PIO_F, D_ZO_F, P_ZO_F, D_NEZ_F, P_NEZ_F FROM gk_nalog");
    if (!st.step())
        return std::nullopt;
    Accounts accounts;
    for (int item = Neto; item < Obustave; ++item) {
        accounts.debit[item] = st.text(2 * item);
        accounts.credit[item] = st.text(2 * item + 1);
        if (accounts.debit[item].empty() || accounts.credit[item].empty())
            return std::nullopt;
    }
    accounts.debit[Obustave] = accounts.debit[Neto];
    accounts.credit[Obustave] = accounts.credit[Neto];
    return accounts;
}

// What the payout owes for one person, item by item; Neto is what reaches his account.
struct PayoutItem {
    std::int64_t id_radnik = 0;
    std::string name;
    std::string account;
    std::array<Currency, ItemCount> amounts{};
};

// The salaries of the payment as the payroll list has them.
Outcome<std::vector<PayoutItem>> salaryItems(db::Database& payroll, const TreasuryPayout& payout) {
    auto list = loadPayrollList(payroll, {payout.year, payout.month, payout.payment, payout.unit});
    if (!list)
        return list.refusal();
    std::vector<PayoutItem> items;
    for (const PayrollRow* row : list->allRows()) {
        const payroll::SalaryResult& c = row->calc;
        PayoutItem item{row->id_radnik, row->fullName(), {}, {}};
        item.amounts = {row->toPay() - c.solidarni_porez,
                        c.porez_na_zaradu,
                        c.Doprinosi_PIO,
                        c.Doprinosi_zo,
                        c.doprinosi_nezaposlenost,
                        c.Doprinosi_PIO_F,
                        c.Doprinosi_zo_F,
                        c.doprinosi_nezaposlenost_f,
                        row->deductions};
        items.push_back(std::move(item));
    }
    return items;
}

// Compensation or other income: the rows of the statement (id, surname, name, then tax, the
// six contributions, net and solidarity tax).
std::vector<PayoutItem> calculatedItems(db::Statement& st) {
    std::vector<PayoutItem> items;
    while (st.step()) {
        PayoutItem item{st.integer(0), trim(st.text(1) + " " + st.text(2)), {}, {}};
        for (int item_ = Porez; item_ < Obustave; ++item_)
            item.amounts[item_] = st.money(2 + item_);
        item.amounts[Neto] = st.money(10) - st.money(11);
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<PayoutItem> compensationItems(db::Database& payroll, const TreasuryPayout& payout) {
    db::Statement st = payroll.prepare(
        "SELECT b.ID_RADNIK, r.Prezime, r.Ime, b.porez_na_zaradu, b.Doprinosi_PIO, "
        "b.Doprinosi_zo, b.doprinosi_nezaposlenost, b.Doprinosi_PIO_F, b.Doprinosi_zo_F, "
        "b.doprinosi_nezaposlenost_f, b.NETO, COALESCE(b.solidarni_porez, 0) "
        "FROM bolovanja_obracuni b INNER JOIN radnici r ON b.ID_RADNIK = r.id_radnik "
        "WHERE b.GODINA = ? AND b.MEsec = ? AND COALESCE(b.porodiljsko, 0) = ?");
    st.bindAll(payout.year, payout.month, payout.source == TreasurySource::Maternity);
    return calculatedItems(st);
}

std::vector<PayoutItem> otherIncomeItems(db::Database& payroll, const TreasuryPayout& payout) {
    db::Statement st = payroll.prepare(
        "SELECT o.ID_RADNIK, r.Prezime, r.Ime, o.POrez_iznos, o.Doprinosi_PIO, o.Doprinosi_zo, "
        "o.Doprinosi_nez, o.Doprinosi_PIO_F, o.Doprinosi_zo_F, o.Doprinosi_nez_F, o.NETO, 0 "
        "FROM obracun_ostale_zarade o INNER JOIN radnici r ON o.ID_RADNIK = r.id_radnik "
        "WHERE o.id_noz = ?");
    st.bindAll(payout.batch);
    return calculatedItems(st);
}

Outcome<std::vector<PayoutItem>> payoutItems(db::Database& payroll, const TreasuryPayout& payout) {
    Outcome<std::vector<PayoutItem>> items = std::vector<PayoutItem>{};
    if (payout.source == TreasurySource::Salaries)
        items = salaryItems(payroll, payout);
    else if (payout.source == TreasurySource::OtherIncome)
        items = otherIncomeItems(payroll, payout);
    else
        items = compensationItems(payroll, payout);
    if (!items)
        return items;
    for (PayoutItem& item : items.value()) {
        db::Statement account =
            payroll.prepare("SELECT tekuci_Racun FROM radnici WHERE id_radnik = ?");
        account.bindAll(item.id_radnik);
        item.account = account.step() ? account.text(0) : std::string();
        std::erase(item.account, '-');
    }
    std::stable_sort(
        items.value().begin(), items.value().end(),
        [](const PayoutItem& a, const PayoutItem& b) { return a.id_radnik < b.id_radnik; });
    return items;
}

struct TreasurySettings {
    std::string singleAccount; // 18 digits
    std::string budgetReference;
    std::string creditorReference;
};

// The single payment account of tax and contributions, 840-4848-37 when none is kept.
TreasurySettings loadTreasurySettings(db::Database& payroll) {
    TreasurySettings settings;
    db::Statement st = payroll.prepare("SELECT racun_jedinstvena_uplata, poziv_na_broj_budzet, "
                                       "poziv_na_broj_krediti FROM parametri3");
    std::string account;
    if (st.step()) {
        account = st.text(0);
        settings.budgetReference = st.text(1);
        settings.creditorReference = st.text(2);
    }
    if (account.empty())
        account = "840-4848-37";
    settings.singleAccount = fullBankAccount(account).value_or(account);
    std::erase(settings.singleAccount, '-');
    return settings;
}

std::string twoDigits(int number) {
    return PadZeros(std::to_string(number), 2);
}

// The period the purposes name: the payout's month, or the month of the batch's date.
std::string periodText(db::Database& payroll, const TreasuryPayout& payout) {
    if (payout.source != TreasurySource::OtherIncome)
        return twoDigits(payout.month) + "-" + std::to_string(payout.year);
    db::Statement st = payroll.prepare("SELECT Datum FROM nalozi_ostale_zarade WHERE id_noz = ?");
    st.bindAll(payout.batch);
    const Date date = st.step() ? st.date(0) : Date{};
    return twoDigits(date.month) + "-" + std::to_string(date.year);
}

struct NetTerms {
    std::string purpose;
    std::string liabilityCode;
};

NetTerms netTerms(const TreasuryPayout& payout, const std::string& period,
                  const Accounts& accounts) {
    switch (payout.source) {
    case TreasurySource::SickLeave:
        return {"Bolovanje -" + period, "236122"};
    case TreasurySource::Maternity:
        return {"Porodiljsko -" + period, "236121"};
    case TreasurySource::OtherIncome:
        return {"Ostala primanja-" + period, accounts.credit[Neto]};
    case TreasurySource::Salaries:
        break;
    }
    return {"Zarada-" + period, "231111"};
}

void addCreditorRows(db::Database& payroll, const TreasuryPayout& payout,
                     const TreasurySettings& settings, std::vector<TreasuryPayment>& rows) {
    const employees::OverviewPeriod period{payout.year, payout.month,
                                           payout.payment == Payment::First};
    for (const employees::CreditorTotal& creditor : employees::creditorTotals(payroll, period)) {
        db::Statement terms = payroll.prepare(
            "SELECT MAX(sifra_placanja), MAX(model) FROM obustave_radnici WHERE id_obustava = ?");
        terms.bindAll(creditor.id_obustava);
        const bool found = terms.step();
        const std::string code = found ? terms.text(0) : std::string();
        const std::string model = found ? terms.text(1) : std::string();
        std::string account = creditor.tekuci_Racun;
        std::erase(account, '-');
        rows.push_back({creditor.obustava, creditor.total, creditor.obustava, "Obustave iz LD",
                        code.empty() ? "246" : code, account, model.empty() ? "97" : model,
                        settings.creditorReference, std::to_string(rows.size() + 1), "231111"});
    }
}

} // namespace

Outcome<TreasuryBatch> buildTreasuryBatch(db::Database& payroll, const TreasuryPayout& payout) {
    const auto accounts = loadAccounts(payroll);
    if (!accounts)
        return warning("POdesite konta!"_yu);
    auto items = payoutItems(payroll, payout);
    if (!items)
        return items.refusal();
    const TreasurySettings settings = loadTreasurySettings(payroll);
    const std::string period = periodText(payroll, payout);

    std::array<Currency, ItemCount> totals{};
    for (const PayoutItem& item : *items)
        for (int i = 0; i < ItemCount; ++i)
            totals[i] += item.amounts[i];

    TreasuryBatch batch;
    for (const int revenue : {Porez, PioR, ZoR, NezR, PioF, ZoF})
        if (totals[revenue] != Currency{})
            batch.payments.push_back({ItemTexts[revenue], totals[revenue], "Poreska uprava",
                                      "PiD-" + period, "254", settings.singleAccount, "97",
                                      settings.budgetReference, "99999",
                                      accounts->credit[revenue]});
    const NetTerms net = netTerms(payout, period, *accounts);
    for (const PayoutItem& item : *items)
        if (item.amounts[Neto] > Currency{})
            batch.payments.push_back(
                {item.name, item.amounts[Neto], item.name, net.purpose, "240", item.account, "97",
                 "", std::to_string(batch.payments.size() + 1), net.liabilityCode});
    if (payout.source == TreasurySource::Salaries)
        addCreditorRows(payroll, payout, settings, batch.payments);

    for (int i = 0; i < ItemCount; ++i)
        if (totals[i] != Currency{})
            batch.journal.push_back(
                {ItemTexts[i], accounts->debit[i], accounts->credit[i], totals[i]});
    return batch;
}

std::vector<CommitmentLine> commitmentLines(const std::vector<TreasuryJournalLine>& journal) {
    std::vector<CommitmentLine> lines;
    const auto add = [&lines](const std::string& code, Currency amount) {
        auto same = std::find_if(lines.begin(), lines.end(),
                                 [&](const CommitmentLine& line) { return line.code == code; });
        if (same == lines.end())
            lines.push_back({code, amount});
        else
            same->amount += amount;
    };
    for (const TreasuryJournalLine& line : journal)
        if (!line.debitAccount.empty() && line.debitAccount.front() == '4')
            add(line.debitAccount, line.amount);
    for (const TreasuryJournalLine& line : journal)
        if (!line.creditAccount.empty() && line.creditAccount.front() == '2')
            add(line.creditAccount, line.amount);
    return lines;
}

std::vector<std::string> commitmentMismatches(const std::vector<CommitmentLine>& commitment,
                                              const std::vector<TreasuryPayment>& payments) {
    std::map<std::string, std::pair<Currency, Currency>> byAccount;
    for (const CommitmentLine& line : commitment)
        if (line.liability())
            byAccount[line.code].first += line.amount;
    for (const TreasuryPayment& payment : payments)
        byAccount[trim(payment.liabilityCode)].second += payment.amount;
    std::vector<std::string> messages;
    for (const auto& [account, sums] : byAccount)
        if (sums.first != sums.second)
            messages.push_back("Konto " + account + " nije jednak u COM i PAY fajlu! Com = " +
                               format(sums.first, NumberFormat::Plain2) +
                               " PAY = " + format(sums.second, NumberFormat::Plain2));
    return messages;
}

Currency paymentsTotal(const std::vector<TreasuryPayment>& payments) {
    Currency total;
    for (const TreasuryPayment& payment : payments)
        total += payment.amount;
    return total;
}

Currency commitmentTotal(const std::vector<CommitmentLine>& commitment) {
    Currency total;
    for (const CommitmentLine& line : commitment)
        if (line.expenditure())
            total += line.amount;
    return total;
}

} // namespace zarion::outputs
