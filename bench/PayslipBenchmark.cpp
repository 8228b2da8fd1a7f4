// The payslips of a month printed to PDF for all employees: 1,000 and 10,000 employees with
// posted final calculations and deductions in a payroll database made from the template.
// Measures what the operator waits for after "print all": reading the list, drawing every
// payslip and writing the PDF file.
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>

#include "Templates.h"
#include "core/db/Database.h"
#include "outputs/PayslipReport.h"
#include "report/qt/Renderer.h"

namespace {

using namespace zarion;

constexpr int Units = 8;

std::unique_ptr<db::Database> postedMonth(const std::filesystem::path& folder, int employees) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    auto db = db::Database::create(folder / "plate.db");
    db::Transaction tx(*db);
    db->execScript(schema::payrollSql());
    db->run("INSERT INTO parametri_po_mesecima(MEsec, GODINA, porez_zarade, Doprinosi_PIO, "
            "Doprinosi_zo, doprinosi_nezaposlenost, Doprinosi_PIO_F, Doprinosi_zo_F, "
            "produzeni_rad, nocni_rad, minuli_rad) VALUES (3, 2026, 10, 14, 5.15, 0.75, 10, "
            "5.15, 26, 26, 0.4)");
    for (int u = 1; u <= Units; ++u)
        db->run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", "Pogon " + std::to_string(u));
    const auto money = [](int dinars) {
        return Currency::fromUnits(dinars);
    };
    for (int i = 0; i < employees; ++i) {
        db->run("INSERT INTO radnici(Prezime, Ime, JMBG, radno_mesto, id_rj) VALUES (?, ?, ?, "
                "'Knjigovođa', ?)",
                "Petrovi\xC4\x87 " + std::to_string(i), "Marko", "0101990710011", 1 + i % Units);
        const int gross = 60000 + i % 5000;
        db->run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, KOEFICIJENT, broj_sati, "
                "osnovna_bruto, produzeni_rad_s, produzeni_rad_i, minuli_rad, topli_obrok, BRUTO, "
                "porez_na_zaradu, Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost, NETO, "
                "Doprinosi_PIO_F, Doprinosi_zo_F, tekuci_Racun) VALUES (?, 3, 2026, 3.2, 176, ?, "
                "8, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '160-0000000012345-67')",
                db->lastInsertId(), money(gross - 9000), money(2500), money(1200), money(5300),
                money(gross), money(gross / 10 - 2800), money(gross * 14 / 100),
                money(gross * 515 / 10000), money(gross * 75 / 10000), money(gross * 7 / 10),
                money(gross / 10), money(gross * 515 / 10000));
        if (i % 3 == 0)
            db->run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, kreditor, Iznos) "
                    "VALUES (?, 0, 'Sindikat', ?)",
                    db->lastInsertId(), money(1500));
    }
    tx.commit();
    return db;
}

void BM_PayslipsToPdf(benchmark::State& state) {
    const int employees = static_cast<int>(state.range(0));
    const auto folder = std::filesystem::temp_directory_path() / "zarion-bench-payslips";
    const auto db = postedMonth(folder, employees);
    outputs::PayslipPrint print;
    print.company.Naziv = "Zarion Benchmark d.o.o.";
    print.status.paidOn = {2026, 4, 10};
    for (auto _ : state) {
        const auto list =
            outputs::loadPayrollList(*db, {2026, 3, outputs::Payment::Whole, 0}).value();
        const report::Document document =
            outputs::payslips(print, list, outputs::loadPayslipLookups(*db, list.selection),
                              outputs::unitByUnit(list));
        if (!report::writePdf(document, folder / "listici.pdf"))
            state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = static_cast<double>(employees);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PayslipsToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
