#include "demo/DemoData.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "core/startup/CompanyRegister.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"
#include "core/trail/Trail.h"
#include "demo/DemoBenefits.h"
#include "demo/DemoBookkeeping.h"
#include "demo/DemoCompensationAccounts.h"
#include "demo/DemoOtherIncome.h"
#include "demo/DemoOwner.h"
#include "demo/DemoPeople.h"
#include "demo/DemoPostings.h"
#include "demo/DemoRates.h"
#include "demo/DemoSickLeave.h"
#include "demo/DemoTreasury.h"
#include "demo/Identifiers.h"

namespace fs = std::filesystem;

namespace zarion::demo {
namespace {

constexpr const char* companyName = "Zarion Demo d.o.o.";
constexpr const char* companyTown = "Beograd";
constexpr const char* companyPib = "108457314";         // with its MOD 11,10 control digit
constexpr const char* companyRegistration = "21804575"; // matični broj, with its control digit
constexpr const char* companySeat = "Palilula";         // municipality of the company's address
constexpr const char* singlePaymentAccount = "840-4848-37";
constexpr const char* singlePaymentCode = "254";
constexpr const char* singlePaymentModel = "97";
constexpr const char* regularSalaryIncomeCode = "101101000";
// Region digits of a personal number issued in Belgrade.
constexpr const char* belgradeRegion = "71";
constexpr Date stillEmployed{2099, 12, 31};

std::string companyAccount() {
    return bankAccount("160", 245813);
}

// The number written with zeros in front to the width.
std::string digits(std::int64_t value, std::size_t width) {
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

std::optional<std::int64_t> municipalityCode(db::Database& payroll, const char* name) {
    return payroll.scalar("SELECT SIFRA FROM opstine WHERE Naziv = ?", name);
}

// Date of birth (day, month, last three digits of the year), the region, a serial number
// (000–499 for men, 500–999 for women) and the control digit.
std::string personalNumber(const DemoPerson& person, std::size_t index) {
    const auto serial = static_cast<std::int64_t>(index * 37 % 500) + (person.female ? 500 : 0);
    const std::string firstTwelve = digits(person.born.day, 2) + digits(person.born.month, 2) +
                                    digits(person.born.year % 1000, 3) + belgradeRegion +
                                    digits(serial, 3);
    return firstTwelve + std::to_string(jmbgControlDigit(firstTwelve));
}

// A mobile number in the form "064 123 4567".
std::string phoneNumber(std::size_t index) {
    const auto n = static_cast<std::int64_t>((2345678 + index * 7919 * 37) % 10000000);
    const std::string local = digits(n, 7);
    return "06" + std::to_string(index % 6) + " " + local.substr(0, 3) + " " + local.substr(3);
}

// The last day of a fixed term of two years that starts on the given day.
Date twoYearTermEnd(const Date& start) {
    if (start.day > 1)
        return {start.year + 2, start.month, start.day - 1};
    if (start.month == 1)
        return {start.year + 1, 12, 31};
    return {start.year + 2, start.month - 1, DaysInMonth(start.month - 1, start.year + 2)};
}

void fillMasterData(db::Database& master) {
    db::Transaction tx(master);
    master.run("INSERT INTO podaci(Naziv, ADRESA, grad, PIB, maticni, registracioni, SIFRA, pdv, "
               "ziroracun, banka, telefon, vlasnik) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               companyName, "Bulevar kralja Aleksandra 73", companyTown, companyPib,
               companyRegistration, "BD 48213/2012", "6201", companyPib, companyAccount(),
               demoBanks[0].name, "011 3218 450", "Marko Đorđević");
    tx.commit();
}

// The rates of the day. The price of work is the minimum net wage of a full month rounded up to
// the thousand, so that a coefficient of 1.0 at the average grade pays at least the minimum.
void fillRates(db::Database& payroll, const Date& today) {
    const YearFigures& year = figuresFor(today.year);
    const std::int64_t minimumNet = minimumNetPerHour(today) * fullMonthHours;
    const Currency price = Currency::fromUnits((minimumNet + 999) / 1000 * 1000);
    payroll.run("INSERT INTO parametri(porez_zarade, iznos_poreskog_oslobojenja, Doprinosi_PIO, "
                "Doprinosi_zo, doprinosi_nezaposlenost, Doprinosi_PIO_F, Doprinosi_zo_F, "
                "doprinosi_nezaposlenost_f, doprinosi_ro, doprinosi_ro2, doprinosi_ro3, "
                "minimalna_osnovica, maksimalna_osnovica, minimalna_osnovna, cena_Rada, "
                "cena_rada_pre_umanjenja, minuli_rad, produzeni_rad, nocni_rad, rad_na_praznik, "
                "rad_nedeljom, rad_nedeljomstvarno, DEZURSTVO, PRIPRAVNOST, placeno_odsustvo, "
                "regres, topli_obrok, prosecna_ocena_RU) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?, ?)",
                10.0, Currency::fromUnits(year.nonTaxable), 14.0, 5.15, 0.75, 10.0, 5.15, 0.0, 0.0,
                0.0, 0.0, Currency::fromUnits(year.lowestBase),
                Currency::fromUnits(year.highestBase), Currency::fromUnits(minimumNet), price,
                price, 0.4, 26.0, 26.0, 110.0, 10.0, 10.0, 26.0, 10.0, 100.0,
                Currency::fromUnits(3000), Currency::fromUnits(8800), 5.0);
}

// Tax and every contribution go to the single account of the tax authority under code 254;
// the payouts and the refunds come from and to the company's account.
void fillAccounts(db::Database& payroll, const std::string& seat) {
    const std::string own = companyAccount();
    const char* pay = singlePaymentAccount;
    const char* code = singlePaymentCode;
    const char* model = singlePaymentModel;
    payroll.run("INSERT INTO parametri2(racun_porez_na_plate, racun_pio, racun_zo, "
                "racun_nezaposlenost, racun_pio_firma, racun_zo_firma, racun_nezaposlenost_firma, "
                "sifra_porez, sifra_pio, sifra_zo, sifra_nez, sifra_piof, sifra_zof, sifra_nezf, "
                "model_porez, model_pio, model_zo, model_nez, model_piof, model_zof, model_nezf, "
                "racun_za_isplatu, racun_za_isplatu_bolovanje, racun_za_isplatu_porodiljsko, "
                "reg_broj_pio, opstina) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?)",
                pay, pay, pay, pay, pay, pay, pay, code, code, code, code, code, code, code, model,
                model, model, model, model, model, model, own, own, own, "6113482750", seat);
    payroll.run("INSERT INTO parametri3(racun_jedinstvena_uplata, intesa_klijent, mesto_placanja) "
                "VALUES (?, ?, ?)",
                pay, "41027735", companyTown);
}

void fillSettings(db::Database& payroll, const std::string& seat, int employees) {
    // Coefficient pricing, paid in two parts (an advance and the final calculation), no
    // solidarity tax, seniority with this employer.
    payroll.run("INSERT INTO postavke(nacin_obracuna, fiksni_sati, na_pola_meseca, "
                "solidarni_porez, stimulacije_uredba, ukupan_minuli_rad, x_pomeranje_nalog) "
                "VALUES (1, 0, 1, 0, ?, 0, 0)",
                Currency());
    payroll.run("INSERT INTO podaci_ppppd(sifra_opstine, email, uk_radnika, tip_isplatioca, "
                "sledeci_placanje) VALUES (?, ?, ?, ?, ?)",
                seat, "plate@zarion-demo.rs", static_cast<std::int64_t>(employees),
                "1 - Pravno lice", "000001");
    payroll.run("INSERT INTO kurs(kurs_eur, kurs_chf, kurs_usd) VALUES (?, ?, ?)", 117.2, 125.0,
                100.0);
}

std::vector<std::int64_t> insertUnits(db::Database& payroll) {
    std::vector<std::int64_t> ids;
    for (const char* unit : demoUnits) {
        payroll.run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", unit);
        ids.push_back(payroll.lastInsertId());
    }
    return ids;
}

// The occupations of the code list: every job of the demo's people once, numbered in turn.
void insertOccupations(db::Database& payroll) {
    std::vector<std::string> jobs;
    for (const DemoPerson& person : demoPeople)
        if (std::find(jobs.begin(), jobs.end(), person.job) == jobs.end())
            jobs.emplace_back(person.job);
    for (std::size_t i = 0; i < jobs.size(); ++i)
        payroll.run("INSERT INTO zanimanje(SIFRA, Zanimanje) VALUES (?, ?)",
                    digits(static_cast<std::int64_t>(i + 1), 3), jobs[i]);
}

// Each bank with its account for collective salary payments; the company's registration number
// is the reference of the collective order.
std::vector<std::int64_t> insertBanks(db::Database& payroll) {
    std::vector<std::int64_t> ids;
    for (const DemoBank& bank : demoBanks) {
        payroll.run("INSERT INTO banke(banka, tekuci_Racun, poziv) VALUES (?, ?, ?)", bank.name,
                    bankAccount(bank.prefix, 900001), companyRegistration);
        ids.push_back(payroll.lastInsertId());
    }
    return ids;
}

// The index-th employee: the people of the register first, then the same people again with
// another surname and another birthday in each further round.
DemoPerson nthPerson(std::size_t index) {
    const std::size_t round = index / demoPeople.size();
    DemoPerson person = demoPeople[index % demoPeople.size()];
    if (round > 0) {
        person.surname = demoPeople[(index + round) % demoPeople.size()].surname;
        person.born.day =
            1 + static_cast<int>((static_cast<std::size_t>(person.born.day) - 1 + round) % 28);
    }
    return person;
}

std::int64_t insertEmployee(db::Database& payroll, const DemoPerson& person, std::size_t index,
                            int year, std::int64_t unitId, std::int64_t bankId) {
    const auto number = static_cast<std::int64_t>(index + 1);
    const Date hired{year - person.yearsEmployed, person.hiredMonth, person.hiredDay};
    const bool fixedTerm = person.engagement == Engagement::FixedTerm;
    const bool owner = person.engagement == Engagement::Owner;
    const int kind = person.engagement == Engagement::PartTime ? 1 : 0;
    payroll.run(
        "INSERT INTO radnici(Prezime, Ime, JMBG, lbo, licna_karta, ADRESA, telefon, radno_mesto, "
        "KOEFICIJENT, funkcijski_dodatak, otezani_uslovi, pg, Pm, Pd, Datum, tekuci_Racun, "
        "isplata_preko_racuna, nije_u_ro, datum_odjave, id_rj, sss, ID_BAnka, tip_obracuna, pol, "
        "sifra_opstine, vrsta, sifra_vrste_prihoda, platni_razred, NETO, na_odredjeno, "
        "datum_na_odredjeno, broj_ugovora, vlasnik) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, ?, ?, 0, ?, ?, 1, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "0, 0, ?, ?, ?, ?)",
        person.surname, person.name, personalNumber(person, index),
        digits(10000000000 + number * 3733701, 11), digits(3600000 + number * 7331, 9),
        person.street, phoneNumber(index), person.job, person.coefficient, person.priorYears,
        person.priorMonths, hired,
        bankAccount(demoBanks[static_cast<std::size_t>(person.bank)].prefix,
                    5100000000000 + number * 104729),
        stillEmployed, unitId, person.education, bankId, kind, person.female ? 1 : 2,
        municipalityCode(payroll, person.municipality), owner ? "02" : "01",
        regularSalaryIncomeCode, fixedTerm,
        fixedTerm ? std::optional<Date>(twoYearTermEnd(hired)) : std::nullopt,
        digits(number, 3) + "/" + std::to_string(hired.year), owner);
    return payroll.lastInsertId();
}

// One year's company database: the rates in force on the day, the code lists and the
// employees of the demo year with their deductions and loans.
void fillPayroll(db::Database& payroll, const Date& ratesDay, int demoYear,
                 const DemoOptions& options) {
    trail::setActor(payroll, {"demo", "izrada demo baze"}); // every entry of the demo names it
    db::Transaction tx(payroll);
    const auto seatCode = municipalityCode(payroll, companySeat);
    const std::string seat = seatCode ? digits(*seatCode, 3) : std::string();
    fillRates(payroll, ratesDay);
    fillAccounts(payroll, seat);
    fillCompensationAccounts(payroll);
    insertOwnerData(payroll, companyAccount(), singlePaymentAccount,
                    Currency::fromUnits(figuresFor(ratesDay.year).nonTaxable));
    fillTreasurySettings(payroll);
    fillSettings(payroll, seat, options.employees);
    const auto units = insertUnits(payroll);
    const auto banks = insertBanks(payroll);
    insertOccupations(payroll);
    std::vector<std::int64_t> employees;
    for (std::size_t i = 0; i < static_cast<std::size_t>(options.employees); ++i) {
        const DemoPerson person = nthPerson(i);
        employees.push_back(insertEmployee(payroll, person, i, demoYear,
                                           units.at(static_cast<std::size_t>(person.unit)),
                                           banks.at(static_cast<std::size_t>(person.bank))));
    }
    insertDeductions(payroll, employees, demoYear);
    tx.commit();
}

// Returns the demo company's number.
std::int64_t buildDataRoot(const fs::path& dataRoot, const Date& today,
                           const DemoOptions& options) {
    startup::prepareDataRoot(dataRoot);
    std::int64_t companyId = 0;
    {
        const auto registerDb = db::Database::open(startup::registerPath(dataRoot));
        startup::saveOperator(*registerDb, "demo", "demo", "Demo", "Operater", 0);
        const auto created =
            startup::createCompany(*registerDb, dataRoot, today.year, companyName, companyTown);
        if (!created.refusal.empty())
            throw std::runtime_error(created.refusal);
        companyId = created.id;
    }
    // In January the year before is there too, with its twelve months posted.
    const PostedMonths posted = postedMonths(today);
    if (posted.year != today.year)
        startup::startCompanyYear(dataRoot, posted.year, companyId);
    for (int year = posted.year; year <= today.year; ++year) {
        const Date ratesDay = year == today.year ? today : Date{year, 12, 31};
        fillMasterData(*db::Database::open(startup::masterDataPath(dataRoot, year, companyId)));
        fillPayroll(*db::Database::open(startup::payrollPath(dataRoot, year, companyId)), ratesDay,
                    today.year, options);
        fillBookkeeping(dataRoot, year, companyId);
    }
    postMonthsWithSickLeave(
        *db::Database::open(startup::payrollPath(dataRoot, posted.year, companyId)), posted);
    postOtherIncome(*db::Database::open(startup::payrollPath(dataRoot, posted.year, companyId)),
                    posted);
    postBenefits(*db::Database::open(startup::payrollPath(dataRoot, posted.year, companyId)),
                 posted);
    return companyId;
}

} // namespace

std::optional<fs::path> createDemoBase(const fs::path& base, const Clock& clock,
                                       const DemoOptions& options) {
    const fs::path dataRoot = base / "kontora";
    if (fs::exists(startup::registerPath(dataRoot)))
        return std::nullopt;

    // Built beside the data root and moved into place whole: a run that fails half-way leaves
    // no register behind, and the next run starts again from nothing.
    const fs::path staging = base / "kontora.demo-tmp";
    fs::remove_all(staging);
    const Date today = clock.today();
    const std::int64_t companyId = buildDataRoot(staging, today, options);
    if (fs::is_directory(dataRoot) && fs::is_empty(dataRoot))
        fs::remove(dataRoot);
    fs::rename(staging, dataRoot);

    const fs::path marker = base / "KOA.txt";
    if (!fs::exists(marker)) {
        const std::ofstream empty(marker, std::ios::binary); // empty: the data root is kontora/
    }
    return startup::companyFolder(dataRoot, today.year, companyId);
}

} // namespace zarion::demo
