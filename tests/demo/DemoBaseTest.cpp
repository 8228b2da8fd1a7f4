#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

#include "TempDir.h"
#include "core/ControlDigits.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"
#include "demo/DemoData.h"
#include "demo/Identifiers.h"

namespace fs = std::filesystem;
using namespace zarion;

namespace {

// A demo base made in a fresh folder with the clock standing on the given day.
class DemoBase {
public:
    explicit DemoBase(Date day)
        : year_(day.year) {
        create(day);
    }

    void create(Date day) const {
        const FixedClock clock({day, 9, 30, 0});
        demo::createDemoBase(dir_.path(), clock);
    }
    const fs::path& base() const { return dir_.path(); }
    fs::path dataRoot() const { return dir_ / "kontora"; }
    std::unique_ptr<db::Database> registerDb() const {
        return db::Database::open(startup::registerPath(dataRoot()));
    }
    std::int64_t companyId() const {
        return registerDb()->scalar("SELECT ID_Firma FROM firme").value_or(0);
    }
    std::unique_ptr<db::Database> payrollDb() const {
        return db::Database::open(startup::payrollPath(dataRoot(), year_, companyId()));
    }
    std::unique_ptr<db::Database> masterDb() const {
        return db::Database::open(startup::masterDataPath(dataRoot(), year_, companyId()));
    }

private:
    test::TempDir dir_;
    int year_;
};

struct Rates {
    Currency nonTaxable, lowestBase, highestBase, minimumNet, price, priceBeforeReduction;
};

Rates ratesOn(Date day) {
    const DemoBase demo(day);
    const auto payroll = demo.payrollDb();
    auto st = payroll->prepare("SELECT * FROM parametri");
    EXPECT_TRUE(st.step());
    return {st.money("iznos_poreskog_oslobojenja"),
            st.money("minimalna_osnovica"),
            st.money("maksimalna_osnovica"),
            st.money("minimalna_osnovna"),
            st.money("cena_Rada"),
            st.money("cena_rada_pre_umanjenja")};
}

Currency din(std::int64_t units) {
    return Currency::fromUnits(units);
}

} // namespace

TEST(DemoBaseCreation, SecondRunLeavesTheBaseAsItIs) {
    const DemoBase demo({2026, 3, 10});
    demo.create({2027, 1, 5}); // a later year changes nothing either
    const auto reg = demo.registerDb();
    EXPECT_EQ(reg->scalar("SELECT COUNT(*) FROM operateri"), 1);
    EXPECT_EQ(reg->scalar("SELECT COUNT(*) FROM firme"), 1);
    EXPECT_EQ(demo.payrollDb()->scalar("SELECT COUNT(*) FROM radnici"), 25);
    EXPECT_EQ(demo.payrollDb()->scalar("SELECT COUNT(*) FROM parametri"), 1);
    EXPECT_EQ(demo.masterDb()->scalar("SELECT COUNT(*) FROM podaci"), 1);
    EXPECT_FALSE(fs::exists(startup::companyFolder(demo.dataRoot(), 2027, demo.companyId())));
    EXPECT_FALSE(fs::exists(demo.base() / "kontora.demo-tmp"));

    // The marker file is empty, so the program finds the demo's data root by itself.
    EXPECT_EQ(fs::file_size(demo.base() / "KOA.txt"), 0U);
    EXPECT_EQ(startup::chooseDataRoot(demo.base()), demo.dataRoot());
}

TEST(DemoBaseCreation, LeftoversOfAnInterruptedRunAreBuiltAgain) {
    test::TempDir dir;
    fs::create_directories(dir / "kontora.demo-tmp");
    std::ofstream(dir / "kontora.demo-tmp" / "firme.db") << "half written";
    fs::create_directories(dir / "kontora");
    const FixedClock clock({{2026, 3, 10}, 9, 0, 0});
    const auto company = demo::createDemoBase(dir.path(), clock);
    EXPECT_EQ(
        db::Database::open(dir / "kontora" / "firme.db")->scalar("SELECT COUNT(*) FROM operateri"),
        1);
    // The company folder comes back once, when it is made; a second start makes nothing.
    ASSERT_TRUE(company.has_value());
    EXPECT_TRUE(fs::exists(*company / "plate.db"));
    EXPECT_FALSE(demo::createDemoBase(dir.path(), clock).has_value());
}

// In January the year before is made beside the current one, with its twelve months posted.
TEST(DemoBaseCreation, InJanuaryTheYearBeforeHasItsMonthsPosted) {
    test::TempDir dir;
    demo::createDemoBase(dir.path(), FixedClock({{2027, 1, 12}, 8, 0, 0}));
    const auto lastYear = db::Database::open(startup::payrollPath(dir / "kontora", 2026, 1));
    const auto thisYear = db::Database::open(startup::payrollPath(dir / "kontora", 2027, 1));
    for (const char* table : {"akontacija_obracuni", "obracuni"}) {
        EXPECT_EQ(lastYear->scalar("SELECT count(DISTINCT MEsec) FROM " + std::string(table) +
                                   " WHERE GODINA = 2026"),
                  12)
            << table;
        EXPECT_EQ(thisYear->scalar("SELECT count(*) FROM " + std::string(table)), 0) << table;
    }
    // each year's database carries that year's rates
    auto rates = lastYear->prepare("SELECT minimalna_osnovica FROM parametri");
    ASSERT_TRUE(rates.step());
    EXPECT_EQ(rates.money(0), din(51297));
    EXPECT_EQ(thisYear->scalar("SELECT count(*) FROM radnici"), 25);
    EXPECT_EQ(db::Database::open(startup::masterDataPath(dir / "kontora", 2026, 1))
                  ->scalar("SELECT count(*) FROM podaci"),
              1);
    // every entry of the history the demo leaves in either year names the demo's operator
    for (db::Database* payroll : {lastYear.get(), thisYear.get()}) {
        EXPECT_GT(payroll->scalar("SELECT count(*) FROM istorija_promena"), 0);
        EXPECT_EQ(payroll->scalar("SELECT count(*) FROM istorija_promena "
                                  "WHERE COALESCE(operater, '') <> 'demo'"),
                  0);
    }
}

TEST(DemoBaseCreation, OperatorSignsInWithDemoDemo) {
    const DemoBase demo({2026, 3, 10});
    const auto reg = demo.registerDb();
    const auto outcome = startup::signIn(*reg, "demo", "demo");
    ASSERT_TRUE(std::holds_alternative<startup::Operator>(outcome));
    EXPECT_EQ(std::get<startup::Operator>(outcome).companyAccess, 0);
    EXPECT_TRUE(std::holds_alternative<startup::SignInRefused>(startup::signIn(*reg, "demo", "x")));
}

TEST(DemoRates, FiguresOfTheClocksYear) {
    const Rates y2026 = ratesOn({2026, 3, 10});
    EXPECT_EQ(std::tie(y2026.lowestBase, y2026.highestBase, y2026.nonTaxable, y2026.minimumNet),
              std::tuple(din(51297), din(732820), din(34221), din(371 * 176)));
    EXPECT_EQ(y2026.price, din(66000)); // coefficient 1.0 earns the minimum, rounded up
    EXPECT_EQ(y2026.priceBeforeReduction, y2026.price);

    const Rates y2025 = ratesOn({2025, 5, 10});
    EXPECT_EQ(std::tie(y2025.lowestBase, y2025.highestBase, y2025.nonTaxable, y2025.minimumNet),
              std::tuple(din(45950), din(656425), din(28423), din(308 * 176)));
    // the minimum price of an hour rose on 1 October 2025
    EXPECT_EQ(ratesOn({2025, 10, 1}).minimumNet, din(337 * 176));
    EXPECT_EQ(ratesOn({2025, 9, 30}).minimumNet, din(308 * 176));
}

TEST(DemoRates, YearsOutsideTheTableTakeTheNearestYear) {
    const Rates later = ratesOn({2031, 6, 1});
    EXPECT_EQ(later.lowestBase, din(51297));
    EXPECT_EQ(later.minimumNet, din(371 * 176));
    const Rates earlier = ratesOn({2021, 6, 1});
    EXPECT_EQ(earlier.lowestBase, din(35025));
    EXPECT_EQ(earlier.nonTaxable, din(21712));
    EXPECT_EQ(earlier.minimumNet, din(230 * 176));
}

TEST(DemoRates, ContributionRatesAndSettings) {
    const DemoBase demo({2026, 3, 10});
    const auto payroll = demo.payrollDb();
    auto rates = payroll->prepare("SELECT * FROM parametri");
    ASSERT_TRUE(rates.step());
    EXPECT_EQ(rates.number("porez_zarade"), 10.0);
    EXPECT_EQ(rates.number("Doprinosi_PIO"), 14.0);
    EXPECT_EQ(rates.number("Doprinosi_zo"), 5.15);
    EXPECT_EQ(rates.number("doprinosi_nezaposlenost"), 0.75);
    EXPECT_EQ(rates.number("Doprinosi_PIO_F"), 10.0);
    EXPECT_EQ(rates.number("Doprinosi_zo_F"), 5.15);
    EXPECT_EQ(rates.number("doprinosi_nezaposlenost_f"), 0.0);
    EXPECT_EQ(rates.number("minuli_rad"), 0.4);
    EXPECT_EQ(rates.number("rad_na_praznik"), 110.0);
    EXPECT_EQ(rates.number("prosecna_ocena_RU"), 5.0); // the grade whose factor is exactly 1

    auto settings = payroll->prepare("SELECT * FROM postavke");
    ASSERT_TRUE(settings.step());
    EXPECT_EQ(settings.integer("nacin_obracuna"), 1);
    EXPECT_EQ(settings.integer("na_pola_meseca"), 1); // an advance and the final calculation
    EXPECT_EQ(settings.integer("solidarni_porez"), 0);
    EXPECT_EQ(settings.integer("fiksni_sati"), 0);

    // Tax and contributions to the single account; payouts from the company's own account.
    auto accounts = payroll->prepare("SELECT * FROM parametri2");
    ASSERT_TRUE(accounts.step());
    for (const char* column :
         {"racun_porez_na_plate", "racun_pio", "racun_zo", "racun_nezaposlenost", "racun_pio_firma",
          "racun_zo_firma", "racun_nezaposlenost_firma"})
        EXPECT_EQ(accounts.text(column), "840-4848-37") << column;
    EXPECT_EQ(accounts.text("sifra_porez"), "254");
    const auto master = demo.masterDb();
    auto company = master->prepare("SELECT * FROM podaci");
    ASSERT_TRUE(company.step());
    EXPECT_EQ(accounts.text("racun_za_isplatu"), company.text("ziroracun"));
    // The company data window accepts the demo company's numbers as they stand.
    EXPECT_TRUE(isValidTaxNumber(company.text("PIB")));
    EXPECT_TRUE(isValidRegistrationNumber(company.text("maticni")));
    EXPECT_EQ(fullBankAccount(company.text("ziroracun")), company.text("ziroracun"));

    // The company's seat is a municipality code of the template's list, in three digits.
    const auto seat = payroll->scalar("SELECT SIFRA FROM opstine WHERE Naziv = 'Palilula'");
    ASSERT_TRUE(seat);
    EXPECT_EQ(std::stoll(accounts.text("opstina")), *seat);
    EXPECT_EQ(payroll->scalar("SELECT COUNT(*) FROM podaci_ppppd WHERE sifra_opstine = ?",
                              accounts.text("opstina")),
              1);
    EXPECT_EQ(accounts.text("opstina").size(), 3U);
}

TEST(DemoEmployees, EveryJobIsAnOccupationOfTheCodeList) {
    const DemoBase demo({2026, 3, 10});
    const auto payroll = demo.payrollDb();
    EXPECT_EQ(payroll->scalar("SELECT COUNT(*) FROM radnici r WHERE NOT EXISTS "
                              "(SELECT 1 FROM zanimanje z WHERE z.Zanimanje = r.radno_mesto)"),
              0);
    EXPECT_EQ(payroll->scalar("SELECT COUNT(*) FROM zanimanje WHERE Zanimanje = 'Direktor'"), 1);
}

TEST(DemoEmployees, PersonalNumbersAccountsAndReferencesHoldTogether) {
    const DemoBase demo({2026, 3, 10});
    const auto payroll = demo.payrollDb();
    auto st =
        payroll->prepare("SELECT r.*, b.tekuci_Racun AS bank_account FROM radnici r JOIN banke b "
                         "ON b.ID_BAnka = r.ID_BAnka JOIN radne_jedinice u ON u.id_rj = r.id_rj "
                         "JOIN opstine o ON o.SIFRA = r.sifra_opstine");
    int rows = 0, owners = 0, fixedTerm = 0, partTime = 0;
    std::string names;
    std::vector<std::string> numbers;
    while (st.step()) {
        ++rows;
        const std::string jmbg = st.text("JMBG");
        SCOPED_TRACE(st.text("Prezime") + " " + jmbg);
        EXPECT_TRUE(demo::isValidJmbg(jmbg));
        EXPECT_EQ(jmbg.substr(7, 2), "71");
        EXPECT_EQ(std::stoi(jmbg.substr(9, 3)) >= 500, st.integer("pol") == 1);
        numbers.push_back(jmbg);

        // Hired before the demo year and as an adult.
        const int born = std::stoi(jmbg.substr(4, 3)) + (jmbg[4] == '9' ? 1000 : 2000);
        const Date hired = st.date("Datum");
        EXPECT_LT(hired, (Date{2026, 1, 1}));
        EXPECT_GE(hired.year - born, 18);

        // The employee's account is kept by the employee's bank and carries good control digits.
        const std::string account = st.text("tekuci_Racun");
        ASSERT_EQ(account.size(), 20U);
        EXPECT_EQ(account.substr(0, 3), st.text("bank_account").substr(0, 3));
        EXPECT_EQ(demo::bankAccount(account.substr(0, 3), std::stoll(account.substr(4, 13))),
                  account);

        EXPECT_EQ(st.text("sifra_vrste_prihoda"), "101101000");
        EXPECT_EQ(st.date("datum_odjave"), (Date{2099, 12, 31}));
        EXPECT_TRUE(st.flag("isplata_preko_racuna"));
        EXPECT_GE(st.number("KOEFICIJENT"), 1.0);
        EXPECT_LE(st.number("KOEFICIJENT"), 4.5);
        owners += st.flag("vlasnik") ? 1 : 0;
        partTime += st.integer("tip_obracuna") == 1 ? 1 : 0;
        if (st.flag("na_odredjeno")) {
            ++fixedTerm;
            EXPECT_GT(st.date("datum_na_odredjeno"), (Date{2026, 3, 10}));
        }
        names += st.text("Prezime") + " " + st.text("Ime") + "\n";
    }
    // Every unit, bank and municipality joined above exists.
    EXPECT_EQ(rows, 25);
    EXPECT_EQ(owners, 1);
    EXPECT_EQ(partTime, 1);
    EXPECT_EQ(fixedTerm, 1);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
    for (const char* letter : {"š", "ć", "č", "đ", "ž"})
        EXPECT_NE(names.find(letter), std::string::npos) << letter;
}
