#include "outputs/RecapitulationAccounts.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <type_traits>
#include <variant>

#include "core/ReferenceNumber.h"
#include "core/Text.h"
#include "outputs/BooksPrintout.h"
#include "outputs/RecapitulationPayout.h"
#include "report/ListFlow.h"

namespace zarion::outputs {
namespace {

// A public revenue as the recapitulation names it and the settings columns of its account.
struct RevenueSetting {
    const char* text;
    const char* code;
    const char* account;
    const char* reference;
    const char* debitReference;
    const char* model;
};

constexpr std::array<RevenueSetting, RevenueCount> RevenueSettings{{
    {"Porez na zarade", "sifra_porez", "racun_porez_na_plate", "poziv_na_broj_porez",
     "pozivZad_porez", "model_porez"},
    {"Doprinosi za PIO", "sifra_pio", "racun_pio", "poziv_na_broj_pio", "pozivZad_pio",
     "model_pio"},
    {"Doprinosi za Zdravstveno osiguranje", "sifra_zo", "racun_zo", "poziv_na_broj_zo",
     "pozivZad_zo", "model_zo"},
    {"Doprinosi za osig.za slu~aj nezaposlenosti", "sifra_nez", "racun_nezaposlenost",
     "poziv_na_broj_nez", "pozivZad_nez", "model_nez"},
    {"Doprinosi za PIO - poslodavac", "sifra_piof", "racun_pio_firma", "poziv_na_broj_piof",
     "pozivZad_piof", "model_piof"},
    {"Doprinosi za Zdravstveno osiguranje - poslodavac", "sifra_zof", "racun_zo_firma",
     "poziv_na_broj_zof", "pozivZad_zof", "model_zof"},
    {"Doprinosi za osig.za slu~aj nezaposlenosti - poslodavac", "sifra_nezf",
     "racun_nezaposlenost_firma", "poziv_na_broj_nezf", "pozivZad_nezf", "model_nezf"},
    {"Dodatni doprinosi na teret poslodavca", "sifra_dro", "racun_doprinosi_ro",
     "poziv_na_broj_dro", "pozivzad_dro", "model_dro"},
}};

std::array<RevenueAccount, RevenueCount> revenueAccounts(const db::Statement& row) {
    std::array<RevenueAccount, RevenueCount> accounts;
    for (std::size_t i = 0; i < RevenueCount; ++i) {
        const RevenueSetting& s = RevenueSettings[i];
        accounts[i] = {row.text(s.code), row.text(s.account), row.text(s.reference),
                       row.text(s.debitReference), row.text(s.model)};
    }
    return accounts;
}

Currency employerPart(const PayoutSums& sums) {
    Currency total;
    for (std::size_t i = static_cast<std::size_t>(Revenue::PioF); i < RevenueCount; ++i)
        total += sums.revenues[i];
    return total;
}

Currency sumOf(const std::vector<Payee>& payees) {
    Currency total;
    for (const Payee& p : payees)
        total += p.amount;
    return total;
}

Currency publicRevenues(const PayoutSums& sums) {
    Currency total;
    for (const Currency& amount : sums.revenues)
        total += amount;
    return total;
}

// What each bank is paid: the net transferred to the recipients the register puts with it, on
// the account the bank takes collective payments on (older registers keep it in Racun).
std::vector<Payee> banksOf(db::Database& payroll, const std::vector<NetTransfer>& transfers,
                           const std::string& reference) {
    std::map<std::int64_t, Currency> byBank;
    for (const NetTransfer& transfer : transfers)
        if (!transfer.account.empty())
            byBank[payroll
                       .scalar("SELECT ID_BAnka FROM radnici WHERE id_radnik = ?",
                               transfer.id_radnik)
                       .value_or(0)] += transfer.amount;
    std::vector<Payee> banks;
    for (const auto& [id, amount] : byBank) {
        db::Statement bank = payroll.prepare("SELECT banka, COALESCE(NULLIF(tekuci_Racun, ''), "
                                             "Racun) FROM banke WHERE ID_BAnka = ?");
        bank.bindAll(id);
        const bool found = bank.step();
        banks.push_back({"NETO zarade "_yu + (found ? bank.text(0) : std::string()), "240",
                         found ? bank.text(1) : std::string(), reference, "97", amount});
    }
    return banks;
}

// The reference the banks are paid the net under (parametri2.poziv_na_broj_banke).
std::string bankReference(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT poziv_na_broj_banke FROM parametri2");
    return st.step() ? st.text(0) : std::string();
}

// The deductions withheld from the listed calculations, by deduction or creditor.
std::vector<Payee> deductionsOf(db::Database& payroll, const PayrollList& list) {
    std::map<std::int64_t, Payee> byKind;
    for (const PayrollRow* row : list.allRows()) {
        db::Statement st = payroll.prepare(
            "SELECT b.id_obustava, b.kreditor, b.Iznos, b.tekuci_Racun, b.POziv_na_broj, "
            "p.obustava, p.Tip, p.tekuci_Racun, p.poziv FROM obracun_obustava b "
            "LEFT JOIN obustaveproc p ON p.id_obustava_proc = b.id_obustava "
            "WHERE b.Id_obracun = ? AND b.AKONTACIJA = ?");
        st.bindAll(row->Id_obracun, list.selection.firstPart());
        while (st.step()) {
            auto [entry, added] = byKind.try_emplace(st.integer(0));
            Payee& p = entry->second;
            if (added) {
                const std::string name = st.text(5).empty() ? st.text(1) : st.text(5);
                p.name = (st.integer(6) == 3 ? "KREDITI "_yu : "Obustave za NETO "_yu) + name;
                p.code = "290";
                p.account = st.text(7).empty() ? st.text(3) : st.text(7);
                p.reference = st.text(8).empty() ? st.text(4) : st.text(8);
                p.model = isValidModel97(p.reference) ? "97" : "";
            }
            p.amount += st.money(2);
        }
    }
    std::vector<Payee> payees;
    for (auto& [id, payee] : byKind)
        payees.push_back(std::move(payee));
    return payees;
}

std::string purposeOf(const std::string& text, const AccountsSource& source) {
    char period[16];
    std::snprintf(period, sizeof period, "%02d/%d", source.month, source.year);
    return text + " " + source.part + " " + period;
}

class LineWriter {
public:
    explicit LineWriter(const AccountsSource& source)
        : source_(source) {}
    void group(const char* text, std::optional<Currency> amount = std::nullopt) {
        lines_.push_back({.number = 0, .text = yuscii(text), .amount = amount});
    }
    void item(const std::string& text, Currency amount, const RevenueAccount& account) {
        AccountLine line{++number_,
                         text,
                         amount,
                         account.code,
                         account.account,
                         account.reference,
                         !amount.isZero() && !account.account.empty(),
                         purposeOf(text, source_),
                         account.debitReference,
                         account.model};
        lines_.push_back(std::move(line));
    }
    void payees(const std::vector<Payee>& payees) {
        for (const Payee& p : payees)
            item(p.name, p.amount, {p.code, p.account, p.reference, {}, p.model});
    }
    std::vector<AccountLine> take() { return std::move(lines_); }

private:
    const AccountsSource& source_;
    std::vector<AccountLine> lines_;
    int number_ = 0;
};

// A payout paid once, with the accounts of a settings row; `missing` when there is no row.
Outcome<AccountsSource> payoutOfSettings(db::Database& payroll, db::Statement& settings,
                                         const char* payoutColumn, const PaidOut& paid,
                                         Refusal missing) {
    if (!settings.step())
        return missing;
    AccountsSource source;
    source.year = paid.year;
    source.month = paid.month;
    source.part = paymentPartName(Payment::Whole);
    source.sums = paid.sums;
    source.accounts = revenueAccounts(settings);
    source.payoutAccount = settings.text(payoutColumn);
    source.banks = banksOf(payroll, paid.transfers, bankReference(payroll));
    return source;
}

} // namespace

PayoutSums payoutSums(const PayrollTotals& t) {
    return {t.NETO,
            t.BRUTO,
            {t.porez_na_zaradu, t.Doprinosi_PIO, t.Doprinosi_zo, t.doprinosi_nezaposlenost,
             t.Doprinosi_PIO_F, t.Doprinosi_zo_F, t.doprinosi_nezaposlenost_f,
             t.doprinosi_ro_f + t.doprinosi_ro_f2 + t.doprinosi_ro_f3},
            t.solidarni_porez};
}

Outcome<AccountsSource> salaryAccountsSource(db::Database& payroll, const PayrollList& list) {
    db::Statement settings = payroll.prepare("SELECT * FROM parametri2");
    if (!settings.step())
        return error("Niste uneli uplatne racune!"_yu);
    AccountsSource source;
    source.year = list.selection.year;
    source.month = list.selection.month;
    source.part = paymentPartName(list.selection.payment);
    source.sums = payoutSums(list.totals);
    source.accounts = revenueAccounts(settings);
    source.payoutAccount = settings.text("racun_za_isplatu");
    source.banks = banksOf(payroll, paidOut(list).transfers, settings.text("poziv_na_broj_banke"));
    source.deductions = deductionsOf(payroll, list);
    return source;
}

PaidOut paidOut(const PayrollList& list) {
    PaidOut paid{list.selection.year, list.selection.month, payoutSums(list.totals), {}};
    for (const PayrollRow* row : list.allRows())
        paid.transfers.push_back({row->id_radnik, row->calc.tekuci_Racun, row->toPay()});
    return paid;
}

Outcome<AccountsSource> otherIncomeAccountsSource(db::Database& payroll, std::int64_t kind,
                                                  const PaidOut& paid) {
    db::Statement settings =
        payroll.prepare("SELECT * FROM uplatni_racuni_ostale WHERE id_ostale = ?");
    settings.bindAll(kind);
    auto source = payoutOfSettings(payroll, settings, "isplatni_racun", paid,
                                   error("Niste uneli uplatne racune!"_yu));
    if (source)
        source->otherIncomeBatch = kind;
    return source;
}

Outcome<AccountsSource> compensationAccountsSource(db::Database& payroll, CompensationKind kind,
                                                   const PaidOut& paid) {
    const char* table = kind == CompensationKind::SickLeave   ? "parametri_bolovanje"
                        : kind == CompensationKind::Maternity ? "parametri_porodilje"
                                                              : "parametri_invalidi";
    db::Statement settings = payroll.prepare(std::string("SELECT * FROM ") + table);
    return payoutOfSettings(payroll, settings, "racun_za_isplatu", paid,
                            kind == CompensationKind::Disabled
                                ? warning("Nisu postavljeni parametri za invalide!"_yu)
                                : error("Niste uneli uplatne racune!"_yu));
}

std::vector<AccountLine> accountLines(const AccountsSource& source) {
    const PayoutSums& sums = source.sums;
    LineWriter lines(source);
    auto revenue = [&](Revenue r) {
        const auto i = static_cast<std::size_t>(r);
        lines.item(yuscii(RevenueSettings[i].text), sums.revenues[i], source.accounts[i]);
    };
    lines.group("****** NETO OSNOVICA ******", sums.net);
    for (Revenue r : {Revenue::Tax, Revenue::Pio, Revenue::Zo, Revenue::Nez})
        revenue(r);
    lines.group("****** UKUPNO BRUTO ******", sums.gross);
    for (Revenue r : {Revenue::PioF, Revenue::ZoF, Revenue::NezF, Revenue::Additional})
        revenue(r);
    lines.group("****** UKUPNA OBAVEZA  ******", sums.gross + employerPart(sums));
    lines.payees(source.banks);
    lines.group("****** UKUPNO ZA ISPLATU NETO  ******", sumOf(source.banks));
    lines.group("****** Obustave iz NETO ******");
    lines.payees(source.deductions);
    const Currency deductions = sumOf(source.deductions);
    lines.group("****** UKUPNO OBUSTAVA  ******", deductions);
    lines.group("****** Za isplatu NETO ******", sums.net - deductions);
    lines.group("** UMANJENJE NETO ZARADA PREKO 60000  **", sums.reduction);
    return lines.take();
}

report::Document accountsRecapitulationReport(const ListPrint& print, const AccountsSource& source,
                                              const std::vector<AccountLine>& lines) {
    using report::Align;
    report::Painter p =
        startPrintout(print, {"Rekapitulacija uplatnih ra~una"_yu,
                              "REKAPITULACIJA UPLATNIH RA^UNA JAVNIH PRIHODA"_yu,
                              "Ispla}enih zarada za mesec: "_yu + std::to_string(source.month) +
                                  "/" + std::to_string(source.year) + " " + source.part,
                              report::Orientation::Landscape});
    report::ListLayout layout;
    layout.right = 285;
    layout.bottom = 190;
    report::ListFlow list(p,
                          {{18, Align::Right, {"Red.br."}},
                           {21, Align::Left, {"Vrsta isplate LD i poreza-doprinosa"}},
                           {160, Align::Right, {"Ukupno"}},
                           {165, Align::Left, {"[ifra"_yu}},
                           {180, Align::Left, {"Teku}i ra~un"_yu}},
                           {225, Align::Left, {"Poziv na broj"}}},
                          layout);
    list.start(55);
    for (const AccountLine& line : lines) {
        p.setFontBold(line.group());
        const report::ListCell amount =
            line.amount ? report::ListCell(*line.amount) : report::ListCell(std::string());
        list.row({line.group() ? std::string() : std::to_string(line.number) + ".", line.text,
                  amount, line.code, line.account, line.reference});
    }
    p.setFontBold(true);
    list.rule();
    const Currency obligation = source.sums.gross + employerPart(source.sums);
    list.row({std::string(), "UKUPNA OBAVEZA:"_yu, obligation});
    list.row({std::string(), "NETO:"_yu, source.sums.net});
    list.row({std::string(), "JAVNI PRIHODI:"_yu, publicRevenues(source.sums)});
    p.setFontBold(false);
    signatures(list);
    list.finish();
    return p.take();
}

namespace {

bool printedAsOrder(const AccountLine& line) {
    return !line.group() && line.print && line.amount;
}

} // namespace

Refused ordersToPrint(const std::vector<AccountLine>& lines) {
    if (std::any_of(lines.begin(), lines.end(), printedAsOrder))
        return std::nullopt;
    return warning("Nema ozna~enih naloga za {tampu!"_yu);
}

report::Document accountOrders(const OrderPrint& print, const AccountsSource& source,
                               const std::vector<AccountLine>& lines) {
    std::vector<employees::PaymentOrder> orders;
    for (const AccountLine& line : lines) {
        if (!printedAsOrder(line))
            continue;
        employees::PaymentOrder order;
        order.payer = print.payer;
        order.purpose = line.purpose;
        order.recipient = line.text;
        order.paymentCode = line.code;
        order.amount = *line.amount;
        order.payerAccount = source.payoutAccount;
        order.payerReference = line.debitReference;
        order.recipientAccount = line.account;
        order.recipientModel = line.model;
        order.recipientReference = line.reference;
        order.place = print.place;
        order.date = print.date;
        orders.push_back(std::move(order));
    }
    report::Document document = employees::PaymentOrdersDocument(orders, "NALOG ZA PRENOS"_yu);
    for (report::Page& page : document.pages)
        for (report::Command& command : page.commands)
            std::visit(
                [&](auto& c) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(c)>, report::Line>) {
                        c.x1 += print.shift;
                        c.x2 += print.shift;
                    } else {
                        c.x += print.shift;
                    }
                },
                command);
    return document;
}

double orderShift(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT x_pomeranje_nalog FROM postavke ORDER BY rowid");
    return st.step() ? st.number(0) : 0.0;
}

} // namespace zarion::outputs
