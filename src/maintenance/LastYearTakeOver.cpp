#include "maintenance/LastYearTakeOver.h"

#include <filesystem>
#include <stdexcept>

#include "core/AppContext.h"
#include "core/Text.h"
#include "core/startup/Paths.h"

namespace zarion::maintenance {
namespace {

namespace fs = std::filesystem;

bool holdsWork(db::Database& payroll) {
    return payroll.scalar("SELECT EXISTS (SELECT 1 FROM radnici)").value_or(0) != 0 ||
           payroll.scalar("SELECT EXISTS (SELECT 1 FROM obracuni)").value_or(0) != 0;
}

TakeOverResult refused(std::string message) {
    return {false, std::move(message)};
}

} // namespace

TakeOverResult takeOverLastYear(AppContext& context) {
    if (!context.PayrollDb)
        throw std::logic_error("no working payroll database");
    if (holdsWork(*context.PayrollDb))
        return refused("Baza u teku}oj godini nije prazna! Ne mo`e se uraditi uvoz!"_yu);

    const int year = context.WorkYear;
    const fs::path lastYear = startup::payrollPath(context.DataRoot, year - 1, context.CompanyId);
    if (!fs::is_regular_file(lastYear))
        return refused("Ne postoji baza u godini: "_yu + std::to_string(year - 1) + "!");

    // The copy is made beside the working file and then put in its place in one step, so a
    // failure at any point leaves the working file as it was.
    const fs::path current = startup::payrollPath(context.DataRoot, year, context.CompanyId);
    fs::create_directories(current.parent_path());
    const fs::path copy = current.parent_path() / "plate.db.preuzimanje";
    std::error_code failed;
    std::error_code ignored;
    fs::copy_file(lastYear, copy, fs::copy_options::overwrite_existing, failed);
    if (failed) {
        fs::remove(copy, ignored);
        throw fs::filesystem_error("copy of last year's database", lastYear, copy, failed);
    }
    const fs::path working = context.PayrollDb->path();
    context.PayrollDb.reset();
    fs::rename(copy, current, failed);
    if (failed) {
        context.PayrollDb = db::Database::open(working);
        fs::remove(copy, ignored);
        return refused("Ve} postoji baza u godini: "_yu + std::to_string(year) + "!");
    }
    context.PayrollDb = db::Database::open(current);
    return {true, "Baza je kopirana. Program }e biti uga{en, pokrenite ga ponovo!"_yu};
}

} // namespace zarion::maintenance
