// The recapitulation of payment accounts of the compensation lists and of an other-income order:
// each pays its recipients' nets to the banks the register gives them.
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include "PostedSalaries.h"
#include "TemplateDatabase.h"
#include "compensation/DisabledLists.h"
#include "compensation/SickLeaveList.h"
#include "other_income/OtherIncomePrints.h"
#include "outputs/RecapitulationAccounts.h"

namespace zarion::outputs {
namespace {

// March 2026. Banka Jug keeps Anić, Cvetić and Dragić, Banka Sever (its account only in the older
// column) Babić; Dragić has no current account, so the cash desk pays him.
class PaidLists : public ::testing::Test {
protected:
    PaidLists() {
        seed.monthRates(2026, 3, {});
        db->run("INSERT INTO parametri2(poziv_na_broj_banke) VALUES ('03-2026')");
        for (const char* settings :
             {"parametri_bolovanje", "parametri_porodilje", "parametri_invalidi"})
            db->run(std::string("INSERT INTO ") + settings +
                    "(racun_za_isplatu) VALUES ('205-0000000000009-99')");
        db->run("INSERT INTO uplatni_racuni_ostale(id_ostale, isplatni_racun) "
                "VALUES (6, '205-0000000000009-99')");

        leave(anić, false, 50000_din, 0_din, "155-101");
        leave(babić, false, 70000_din, 2000_din, "160-202");
        leave(dragić, false, 30000_din, 0_din, "");
        leave(cvetić, true, 78000_din, 0_din, "155-303");

        disabled(anić, 20000_din, 25000_din, "155-101");
        disabled(babić, 40000_din, 35000_din, "160-202");
        disabled(cvetić, 10000_din, 12000_din, "155-303");

        db->run("INSERT INTO nalozi_ostale_zarade(tip_noz, Datum, Naziv) "
                "VALUES (6, '2026-03-20', 'Ugovori o delu')");
        const std::int64_t order = db->lastInsertId();
        const std::pair<std::int64_t, Currency> nets[] = {
            {anić, 12000_din}, {babić, 8000_din}, {cvetić, 5000_din}, {dragić, 3000_din}};
        for (const auto& [person, net] : nets)
            db->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, NETO) VALUES (?, ?, ?)",
                    order, person, net);
    }

    void leave(std::int64_t person, bool maternity, Currency net, Currency solidarity,
               const char* account) {
        db->run("INSERT INTO bolovanja_obracuni(ID_RADNIK, MEsec, GODINA, porodiljsko, NETO, "
                "solidarni_porez, tekuci_Racun) VALUES (?, 3, 2026, ?, ?, ?, ?)",
                person, maternity, net, solidarity, account);
    }
    void disabled(std::int64_t person, Currency net, Currency adjusted, const char* account) {
        db->run("INSERT INTO invalidi_obracuni(ID_RADNIK, MEsec, GODINA, NETO, uskladjeni, "
                "tekuci_Racun) VALUES (?, 3, 2026, ?, ?, ?)",
                person, net, adjusted, account);
    }

    test::TemplateDatabase db;
    test::PostedSalaries seed{*db};
    std::int64_t jug = bank("Banka Jug", "tekuci_Racun", "155-0000000000001-11");
    std::int64_t sever = bank("Banka Sever", "Racun", "160-0000000000002-22");
    std::int64_t anić = person("Anić", jug, "155-101");
    std::int64_t babić = person("Babić", sever, "160-202");
    std::int64_t cvetić = person("Cvetić", jug, "155-303");
    std::int64_t dragić = person("Dragić", jug, "");

private:
    std::int64_t bank(const char* name, const std::string& column, const char* account) {
        db->run("INSERT INTO banke(banka, " + column + ") VALUES (?, ?)", name, account);
        return db->lastInsertId();
    }
    std::int64_t person(const char* surname, std::int64_t at, const char* account) {
        return seed.employee({.surname = surname, .bank = at, .account = account});
    }
};

struct BankLine {
    const char* text;
    const char* account;
    Currency amount;
};

struct Source {
    const char* name;
    std::function<Outcome<AccountsSource>(db::Database&)> make;
    std::vector<BankLine> banks;
    Currency toPay; // "UKUPNO ZA ISPLATU NETO"
};

void PrintTo(const Source& source, std::ostream* out) {
    *out << source.name;
}

Outcome<AccountsSource> leaveSource(db::Database& payroll, compensation::LeaveKind kind) {
    const auto list = compensation::loadLeaveList(payroll, kind, {2026, 3, Payment::Whole, 0});
    return compensation::leaveAccountsSource(payroll, kind, list.value());
}

const char* const Jug = "NETO zarade Banka Jug";
const char* const Sever = "NETO zarade Banka Sever";
const char* const JugAccount = "155-0000000000001-11";
const char* const SeverAccount = "160-0000000000002-22";

// Sick leave: Anić 50.000; Babić 70.000 less 2.000 of solidarity tax; Dragić in cash.
// Maternity: Cvetić alone. Disabled: the larger of net and adjusted amount, 25.000 + 12.000 and
// 40.000. The order: 12.000 + 5.000 and 8.000, Dragić's 3.000 in cash.
const Source Sources[] = {
    {"SickLeave",
     [](db::Database& p) { return leaveSource(p, compensation::LeaveKind::SickLeave); },
     {{Jug, JugAccount, 50000_din}, {Sever, SeverAccount, 68000_din}},
     118000_din},
    {"Maternity",
     [](db::Database& p) { return leaveSource(p, compensation::LeaveKind::Maternity); },
     {{Jug, JugAccount, 78000_din}},
     78000_din},
    {"Disabled",
     [](db::Database& p) {
         return compensationAccountsSource(p, CompensationKind::Disabled,
                                           compensation::loadDisabledMonth(p, 2026, 3).paidOut());
     },
     {{Jug, JugAccount, 37000_din}, {Sever, SeverAccount, 40000_din}},
     77000_din},
    {"OtherIncome",
     [](db::Database& p) {
         return otherIncomeAccountsSource(
             p, 6, other_income::orderPaidOut(other_income::loadPaidOrder(p, 1).value()));
     },
     {{Jug, JugAccount, 17000_din}, {Sever, SeverAccount, 8000_din}},
     25000_din},
};

class PaidListAccounts : public PaidLists, public ::testing::WithParamInterface<Source> {};

std::size_t indexOf(const std::vector<AccountLine>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].text == text)
            return i;
    ADD_FAILURE() << "no line " << text;
    return lines.size();
}

TEST_P(PaidListAccounts, PaysEachBankItsRecipientsNetAndWithholdsNothing) {
    const Source& source = GetParam();
    const auto accounts = source.make(*db);
    ASSERT_TRUE(accounts.ok()) << accounts.message();
    const auto lines = accountLines(*accounts);

    const std::size_t first = indexOf(lines, "****** UKUPNA OBAVEZA  ******") + 1;
    const std::size_t total = indexOf(lines, "****** UKUPNO ZA ISPLATU NETO  ******");
    ASSERT_EQ(total - first, source.banks.size());
    for (std::size_t i = 0; i < source.banks.size(); ++i) {
        const AccountLine& line = lines[first + i];
        const BankLine& expected = source.banks[i];
        SCOPED_TRACE(expected.text);
        EXPECT_EQ(line.text, expected.text);
        EXPECT_EQ(line.account, expected.account);
        EXPECT_EQ(line.amount, expected.amount);
        EXPECT_EQ(line.code, "240");
        EXPECT_EQ(line.reference, "03-2026");
        EXPECT_TRUE(line.print);
    }
    EXPECT_EQ(lines[total].amount, source.toPay);

    const std::size_t deductions = indexOf(lines, "****** Obustave iz NETO ******");
    EXPECT_EQ(lines[deductions + 1].text, "****** UKUPNO OBUSTAVA  ******");
    EXPECT_EQ(lines[deductions + 1].amount, 0_din);
}

INSTANTIATE_TEST_SUITE_P(Lists, PaidListAccounts, ::testing::ValuesIn(Sources),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace zarion::outputs
