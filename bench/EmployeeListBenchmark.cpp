// The employee register of a large company: 5,000 employees in a payroll database made from the
// template. Measures what the operator waits for: reading the list into its model, changing a
// filter, and opening the register window itself (offscreen).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "Templates.h"
#include "core/AppContext.h"
#include "core/Dates.h"
#include "core/db/Database.h"
#include "employees/EmployeeList.h"
#include "employees/EmployeeListModel.h"
#include "employees/frmZaposleni.h"

namespace {

using namespace zarion;
using namespace zarion::employees;

constexpr int Employees = 5000;
constexpr int Units = 12;

// A payroll database with units and employees that differ as a real register does: a tenth
// inactive, a quarter on a fixed term, every calculation type, a few owners.
class Register {
public:
    Register()
        : folder_(std::filesystem::temp_directory_path() / "zarion-bench-employees")
        , context_(clock_) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        context_.PayrollDb = db::Database::create(folder_ / "plate.db");
        db::Database& db = *context_.PayrollDb;
        db::Transaction tx(db);
        db.execScript(schema::payrollSql());
        for (int u = 1; u <= Units; ++u)
            db.run("INSERT INTO radne_jedinice(Naziv) VALUES (?)", "Pogon " + std::to_string(u));
        for (int i = 0; i < Employees; ++i)
            db.run("INSERT INTO radnici(Prezime, Ime, JMBG, id_rj, tip_obracuna, na_odredjeno, "
                   "datum_na_odredjeno, nije_u_ro, vlasnik, broj_ugovora) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                   "Petrovi\xC4\x87" + std::to_string(i), "Marko", "0101990710" + pad(i),
                   1 + i % Units, i % 5, i % 4 == 0, Date{2026, 1 + i % 12, 1}, i % 10 == 0,
                   i % 250 == 0, "U-" + std::to_string(i));
        tx.commit();
    }
    ~Register() {
        context_.PayrollDb.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    db::Database& db() { return *context_.PayrollDb; }
    AppContext& context() { return context_; }

private:
    static std::string pad(int i) {
        std::string digits = std::to_string(i % 1000);
        return std::string(3 - digits.size(), '0') + digits;
    }

    std::filesystem::path folder_;
    FixedClock clock_{{{2026, 3, 14}, 9, 0, 0}};
    AppContext context_;
};

Register& theRegister() {
    static Register instance;
    return instance;
}

// What a view asks of the model for the rows on the screen.
void readScreen(const EmployeeListModel& model) {
    const int rows = std::min(model.rowCount(), 40);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < ListColumnCount; ++c) {
            benchmark::DoNotOptimize(model.data(model.index(r, c)));
            benchmark::DoNotOptimize(model.data(model.index(r, c), Qt::ForegroundRole));
        }
}

// Opening the list: every active employee read into the model.
void BM_OpenList(benchmark::State& state) {
    db::Database& db = theRegister().db();
    EmployeeListModel model;
    for (auto _ : state) {
        model.setRows(loadEmployeeList(db, ListFilter{}));
        readScreen(model);
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_OpenList)->Unit(benchmark::kMillisecond);

// Changing a filter: the list read anew for a unit, a type, a term, or with the inactive ones.
void BM_FilterList(benchmark::State& state) {
    db::Database& db = theRegister().db();
    const ListFilter filters[] = {
        {.unit = 3, .calcType = std::nullopt, .term = TermFilter::All, .includeInactive = false},
        {.unit = 0, .calcType = 2, .term = TermFilter::All, .includeInactive = false},
        {.unit = 0,
         .calcType = std::nullopt,
         .term = TermFilter::FixedTerm,
         .includeInactive = false},
        {.unit = 0, .calcType = std::nullopt, .term = TermFilter::All, .includeInactive = true}};
    EmployeeListModel model;
    std::size_t next = 0;
    for (auto _ : state) {
        model.setRows(loadEmployeeList(db, filters[next++ % std::size(filters)]));
        readScreen(model);
    }
}
BENCHMARK(BM_FilterList)->Unit(benchmark::kMillisecond);

// The register window opened from the menu and painted: pickers, list, footer.
void BM_OpenWindow(benchmark::State& state) {
    AppContext& context = theRegister().context();
    for (auto _ : state) {
        frmZaposleni window(context);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

// A filter changed in the open window, as the operator does it: unit, then the inactive box.
void BM_WindowFilter(benchmark::State& state) {
    frmZaposleni window(theRegister().context());
    window.show();
    QApplication::processEvents();
    auto* unit = window.findChild<QComboBox*>("cmbRJFilter");
    auto* inactive = window.findChild<QCheckBox*>("chkNeaktivni");
    int step = 0;
    for (auto _ : state) {
        if (step % 2 == 0)
            unit->setCurrentIndex((step / 2) % unit->count());
        else
            inactive->toggle();
        QApplication::processEvents();
        ++step;
    }
}
BENCHMARK(BM_WindowFilter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's remarks on window hints would interleave with the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
