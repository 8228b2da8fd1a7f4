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

        const char* const leave = "INSERT INTO bolovanja_obracuni(ID_RADNIK, MEsec, GODINA, "
                                  "porodiljsko, NETO, solidarni_porez, tekuci_Racun) "
                                  "VALUES (?, 3, 2026, ?, ?, ?, ?)";
        db->run(leave, anić, false, 50000_din, 0_din, "155-101");
        db->run(leave, babić, false, 70000_din, 2000_din, "160-202");
        db->run(leave, dragić, false, 30000_din, 0_din, "");
        db->run(leave, cvetić, true, 78000_din, 0_din, "155-303");
        const char* const disabled = "INSERT INTO invalidi_obracuni(ID_RADNIK, MEsec, GODINA, "
                                     "NETO, uskladjeni, tekuci_Racun) VALUES (?, 3, 2026, ?, ?, ?)";
        db->run(disabled, anić, 20000_din, 25000_din, "155-101");
        db->run(disabled, babić, 40000_din, 35000_din, "160-202");
        db->run(disabled, cvetić, 10000_din, 12000_din, "155-303");
        db->run("INSERT INTO nalozi_ostale_zarade(tip_noz, Datum) VALUES (6, '2026-03-20')");
        for (const auto& [person, net] : {std::pair{anić, 12000_din},
                                          {babić, 8000_din},
                                          {cvetić, 5000_din},
                                          {dragić, 3000_din}})
            db->run("INSERT INTO obracun_ostale_zarade(id_noz, ID_RADNIK, NETO) VALUES (1, ?, ?)",
                    person, net);
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

struct Source {
    const char* name;
    std::function<Outcome<AccountsSource>(db::Database&)> make;
    std::vector<std::pair<const char*, Currency>> banks; // by bank line
    Currency toPay;                                      // "UKUPNO ZA ISPLATU NETO"
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

// Sick leave: Anić 50.000; Babić 70.000 less 2.000 of solidarity tax; Dragić in cash.
// Maternity: Cvetić alone. Disabled: the larger of net and adjusted amount, 25.000 + 12.000 and
// 40.000. The order: 12.000 + 5.000 and 8.000, Dragić's 3.000 in cash.
const Source Sources[] = {
    {"SickLeave",
     [](db::Database& p) { return leaveSource(p, compensation::LeaveKind::SickLeave); },
     {{Jug, 50000_din}, {Sever, 68000_din}},
     118000_din},
    {"Maternity",
     [](db::Database& p) { return leaveSource(p, compensation::LeaveKind::Maternity); },
     {{Jug, 78000_din}},
     78000_din},
    {"Disabled",
     [](db::Database& p) {
         return compensationAccountsSource(p, CompensationKind::Disabled,
                                           compensation::loadDisabledMonth(p, 2026, 3).paidOut());
     },
     {{Jug, 37000_din}, {Sever, 40000_din}},
     77000_din},
    {"OtherIncome",
     [](db::Database& p) {
         return otherIncomeAccountsSource(
             p, 6, other_income::orderPaidOut(other_income::loadPaidOrder(p, 1).value()));
     },
     {{Jug, 17000_din}, {Sever, 8000_din}},
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
        EXPECT_EQ(line.text, source.banks[i].first);
        EXPECT_EQ(line.amount, source.banks[i].second) << line.text;
        EXPECT_EQ(line.account, line.text == Jug ? "155-0000000000001-11" : "160-0000000000002-22");
        EXPECT_EQ(line.reference, "03-2026");
        EXPECT_TRUE(line.print && line.code == "240") << line.text;
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
