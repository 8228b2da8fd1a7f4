// The PPP-PD return of a second payment for 10,000 employees: filled from the payroll list
// (income codes from the register, the first part as special elements) and written to its file.
// The target is 0.2 s for filling and writing; reading the list is measured beside it.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>

#include "Templates.h"
#include "core/db/Database.h"
#include "outputs/DeclarationXml.h"
#include "outputs/PayrollDeclaration.h"

namespace {

using namespace zarion;

constexpr int Employees = 10000;

// Both parts of April 2026 for every employee, a tenth of them owners.
std::unique_ptr<db::Database> paidInTwoParts(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    auto db = db::Database::create(folder / "plate.db");
    db::Transaction tx(*db);
    db->execScript(schema::payrollSql());
    db->run("INSERT INTO parametri_po_mesecima(MEsec, GODINA, porez_zarade) VALUES (4, 2026, 10)");
    const char* tables[] = {"akontacija_obracuni", "obracuni"};
    for (int i = 0; i < Employees; ++i) {
        db->run("INSERT INTO radnici(Prezime, Ime, JMBG, sifra_opstine, vrsta, "
                "sifra_vrste_prihoda, vlasnik) "
                "VALUES (?, 'Željko', '0101990710008', ?, '01', '101101000', ?)",
                "Đorđević " + std::to_string(i), 70000 + i % 200, i % 10 == 0);
        const std::int64_t id = db->lastInsertId();
        const Currency gross = Currency::fromUnits(80000 + i % 7000);
        for (int part = 0; part < 2; ++part) {
            const Currency amount = part == 0 ? gross.dividedBy(2) : gross;
            db->run(std::string("INSERT INTO ") + tables[part] +
                        "(ID_RADNIK, MEsec, GODINA, broj_sati, BRUTO, Oslobodjenje, "
                        "osnovica_doprinosa, porez_na_zaradu, Doprinosi_PIO, Doprinosi_PIO_F, "
                        "Doprinosi_zo, Doprinosi_zo_F, doprinosi_nezaposlenost, NETO) "
                        "VALUES (?, 4, 2026, 176, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    id, amount, Currency::fromUnits(34221), amount, amount.times(0.1),
                    amount.times(0.14), amount.times(0.1), amount.times(0.0515),
                    amount.times(0.0515), amount.times(0.0075), amount.times(0.7));
        }
    }
    tx.commit();
    return db;
}

const report::CompanyData& company() {
    static const report::CompanyData data = [] {
        report::CompanyData c;
        c.Naziv = "Zarion Benchmark d.o.o.";
        c.PIB = "101234567";
        c.maticni = "07654321";
        c.ADRESA = "Žička 5";
        return c;
    }();
    return data;
}

void fillAndWrite(db::Database& db, const outputs::PayrollList& list,
                  const std::filesystem::path& folder, benchmark::State& state) {
    payroll::Settings settings;
    settings.nacin_obracuna = 1;
    outputs::PayrollListProducer producer(db, list, settings,
                                          [] { return outputs::ReliefPercentages{}; });
    const outputs::Declaration declaration = outputs::openDeclaration(
        producer.fill().value(), outputs::loadPayerData(db), company(), {2026, 5, 8});
    if (!outputs::writeDeclaration(declaration, {2026, 5, 7},
                                   outputs::chosenFiles(folder / "ppppd")))
        state.SkipWithError("return not written");
}

void BM_FillAndWriteTheReturn(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "zarion-bench-ppppd";
    const auto db = paidInTwoParts(folder);
    const auto list = outputs::loadPayrollList(*db, {2026, 4, outputs::Payment::Final, 0}).value();
    for (auto _ : state)
        fillAndWrite(*db, list, folder, state);
    state.counters["rows"] = static_cast<double>(Employees);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FillAndWriteTheReturn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadListFillAndWrite(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "zarion-bench-ppppd-list";
    const auto db = paidInTwoParts(folder);
    for (auto _ : state) {
        const auto list =
            outputs::loadPayrollList(*db, {2026, 4, outputs::Payment::Final, 0}).value();
        fillAndWrite(*db, list, folder, state);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadListFillAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
