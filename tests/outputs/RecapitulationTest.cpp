#include <gtest/gtest.h>

#include "BooksMonth.h"
#include "outputs/RecapitulationAccounts.h"
#include "outputs/RecapitulationKonta.h"
#include "outputs/RecapitulationPayout.h"

namespace zarion::outputs {
namespace {

using test::din;

class Recapitulation : public ::testing::Test {
protected:
    test::BooksMonth month;
    PayrollList list = month.list();
    PayoutSource source = payoutSource(list);
};

const RecapLine& lineOf(const std::vector<RecapLine>& lines, const std::string& text) {
    for (const RecapLine& line : lines)
        if (line.text == text)
            return line;
    throw std::runtime_error("no line " + text);
}

TEST_F(Recapitulation, PayoutItemsAreGrossedUpCalculationByCalculation) {
    const auto lines = payoutRecapitulation(source, false);
    EXPECT_EQ(payoutRecapitulationTitle(source),
              "Rekapitulacija isplate za mesec: 5/2026 0. Konačna");
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0].text, "UKUPNA NETO ZARADA");
    EXPECT_EQ(lines[1].people, 3);
    EXPECT_EQ(lines[30].text, "ZA ISPLATU");

    struct Expected {
        const char* text;
        const char* amount;
        double hours;
        const char* gross;
        const char* gross2;
    };
    // Anić's ratios: 75323 / 55000 and 86734,43 / 55000; the others' gross is their net's own.
    const Expected expected[] = {
        {"UKUPNA NETO ZARADA", "195000", 488, "267823", "308398.18"},
        {"Osnovna NETO zarada", "190000", 488, "260975.45", "300513.23"},
        {"Neto minuli rad", "2000", 0, "2739.02", "3153.98"},
        {"Neto topli obrok", "3000", 0, "4108.53", "4730.97"},
        {"Neto noćni rad", "0", 0, "0", "0"},
        {"UKUPNA BRUTO ZARADA", "267823", 0, "0", "0"},
        {"Ukupna obaveza firme", "308398.18", 0, "0", "0"},
        {"Porez na zarade", "18000", 0, "0", "0"},
        {"Doprinosi PIO (zaposleni / poslodavac)", "38780", 0, "26782.30", "0"},
        {"Doprinosi zdravstveno (zaposleni / poslodavac)", "13965.50", 0, "13792.88", "0"},
        {"Ukupno obustava", "1000", 0, "0", "0"},
        {"ZA ISPLATU", "194000", 0, "0", "0"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        const RecapLine& line = lineOf(lines, e.text);
        EXPECT_EQ(line.amount, din(e.amount));
        EXPECT_DOUBLE_EQ(line.hours, e.hours);
        EXPECT_EQ(line.gross, din(e.gross));
        EXPECT_EQ(line.gross2, din(e.gross2));
    }
}

TEST_F(Recapitulation, ThePublicSectorNamesItsOwnItems) {
    const auto lines = payoutRecapitulation(source, true);
    EXPECT_EQ(lineOf(lines, "Neto po vremenu").amount, din("190000"));
    EXPECT_NO_THROW(lineOf(lines, "Neto dodatak na osnovnu zaradu po uredbi"));
    EXPECT_NO_THROW(lineOf(lines, "Neto naknada za specijalizante"));
    EXPECT_THROW(lineOf(lines, "Neto odvojeni život"), std::runtime_error);
}

class PaymentAccounts : public Recapitulation {
protected:
    PaymentAccounts() {
        month.db->run("INSERT INTO parametri2(racun_za_isplatu, sifra_porez, racun_porez_na_plate, "
                      "poziv_na_broj_porez, pozivZad_porez, model_porez, racun_pio_firma, "
                      "poziv_na_broj_banke) VALUES ('160-0000000000111-11', '254', "
                      "'840-0000004711843-30', '1100', '55', '97', '840-0000004712843-63', "
                      "'2026-05')");
    }
};

TEST_F(PaymentAccounts, RevenuesThenTheBanksThenTheDeductionsUnderTheirGroups) {
    const auto accounts = salaryAccountsSource(*month.db, list);
    ASSERT_TRUE(accounts.ok()) << accounts.message();
    const auto lines = accountLines(*accounts);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0].text, "****** NETO OSNOVICA ******");
    EXPECT_EQ(lines[0].amount, din("195000"));

    const AccountLine& tax = lines[1];
    EXPECT_EQ(tax.number, 1);
    EXPECT_EQ(tax.amount, din("18000"));
    EXPECT_EQ(tax.code, "254");
    EXPECT_EQ(tax.account, "840-0000004711843-30");
    EXPECT_EQ(tax.debitReference, "55");
    EXPECT_EQ(tax.purpose, "Porez na zarade 0. Konačna 05/2026");
    EXPECT_TRUE(tax.print);
    EXPECT_FALSE(lines[2].print) << "no account for the pension contribution";

    EXPECT_EQ(lines[5].text, "****** UKUPNO BRUTO ******");
    EXPECT_EQ(lines[5].amount, din("267823"));
    EXPECT_EQ(lines[6].amount, din("26782.30"));
    EXPECT_EQ(lines[10].text, "****** UKUPNA OBAVEZA  ******");
    EXPECT_EQ(lines[10].amount, din("308398.18"));

    const AccountLine& bank = lines[11];
    EXPECT_EQ(bank.number, 9);
    EXPECT_EQ(bank.text, "NETO zarade Banka Jug");
    EXPECT_EQ(bank.amount, din("194000"));
    EXPECT_EQ(bank.code, "240");
    EXPECT_EQ(bank.account, "155-0000000000001-11");
    EXPECT_EQ(bank.reference, "2026-05");

    const AccountLine& union_ = lines[14];
    EXPECT_EQ(union_.number, 10);
    EXPECT_EQ(union_.text, "Obustave za NETO Sindikat");
    EXPECT_EQ(union_.amount, din("1000"));
    EXPECT_EQ(union_.account, "160-0000000000222-22");
    EXPECT_EQ(lines[16].text, "****** Za isplatu NETO ******");
    EXPECT_EQ(lines[16].amount, din("194000"));
}

TEST_F(PaymentAccounts, OrdersAreMadeOfTheMarkedLinesOnlyShiftedByThePrinterOffset) {
    const auto accounts = salaryAccountsSource(*month.db, list);
    auto lines = accountLines(*accounts);
    for (AccountLine& line : lines)
        line.print = line.number == 1;
    const auto plain = accountOrders({"Firma Niš", "Niš", {2026, 6, 5}, 0}, *accounts, lines);
    const auto shifted = accountOrders({"Firma Niš", "Niš", {2026, 6, 5}, 7.5}, *accounts, lines);
    ASSERT_EQ(plain.pages.size(), 1u);
    const report::Text* recipient = plain.pages[0].findText("Porez na zarade");
    ASSERT_NE(recipient, nullptr);
    EXPECT_DOUBLE_EQ(shifted.pages[0].findText("Porez na zarade")->x, recipient->x + 7.5);
    EXPECT_NE(plain.pages[0].findText("Porez na zarade 0. Konačna 05/2026"), nullptr);
}

TEST_F(PaymentAccounts, OtherIncomeTakesTheBatchsOwnAccounts) {
    PayoutSums sums;
    sums.net = din("8000");
    sums.revenues[static_cast<std::size_t>(Revenue::Tax)] = din("888.89");
    EXPECT_EQ(otherIncomeAccountsSource(*month.db, 4, {2026, 5, sums, {}}).message(),
              "Niste uneli uplatne racune!");
    month.db->run("INSERT INTO uplatni_racuni_ostale(id_ostale, isplatni_racun, "
                  "racun_porez_na_plate) VALUES (4, '160-0000000000999-99', '840-1-1')");
    const auto batch = otherIncomeAccountsSource(*month.db, 4, {2026, 5, sums, {}});
    ASSERT_TRUE(batch.ok());
    EXPECT_EQ(batch->payoutAccount, "160-0000000000999-99");
    const auto lines = accountLines(*batch);
    EXPECT_EQ(lines[1].account, "840-1-1");
    EXPECT_EQ(lines[1].amount, din("888.89"));
}

TEST_F(PaymentAccounts, CompensationTakesTheSettingsOfItsKind) {
    const PaidOut paid{2026, 5, {}, {}};
    EXPECT_EQ(compensationAccountsSource(*month.db, CompensationKind::Disabled, paid).message(),
              "Nisu postavljeni parametri za invalide!");
    EXPECT_EQ(compensationAccountsSource(*month.db, CompensationKind::SickLeave, paid).message(),
              "Niste uneli uplatne racune!");
    month.db->run("INSERT INTO parametri_porodilje(racun_za_isplatu, racun_pio) "
                  "VALUES ('160-0000000000333-33', '840-2-2')");
    const auto maternity = compensationAccountsSource(*month.db, CompensationKind::Maternity, paid);
    ASSERT_TRUE(maternity.ok()) << maternity.message();
    EXPECT_EQ(maternity->payoutAccount, "160-0000000000333-33");
    EXPECT_EQ(maternity->accounts[static_cast<std::size_t>(Revenue::Pio)].account, "840-2-2");
}

TEST_F(Recapitulation, KontaLinesSumTheirItemOnTheirSide) {
    month.db->run("INSERT INTO konta(tabela, Broj, konto, Opis, Strana) VALUES "
                  "(1, 1, '520', 'Bruto zarade', 'D'), (1, 2, '450', 'Neto zarade', 'P'), "
                  "(1, 7, '453', 'PIO poslodavca', 'P'), (1, 99, '999', 'Nepoznato', 'D'), "
                  "(2, 1, '520', 'Naknade', 'D')");
    const auto lines = kontaRecapitulation(*month.db, KontaKind::Salaries, source);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].konto, "520");
    EXPECT_EQ(lines[0].debit, din("267823"));
    EXPECT_EQ(lines[0].credit, din("0"));
    EXPECT_EQ(lines[1].credit, din("195000"));
    EXPECT_EQ(lines[2].credit, din("26782.30"));
    EXPECT_EQ(lines[3].debit, din("0"));
    const auto printed = kontaRecapitulationReport({}, source, lines);
    EXPECT_NE(printed.pages[0].findText("267.823"), nullptr);
}

} // namespace
} // namespace zarion::outputs
