#include "cli/CliTrail.h"

#include <cstdlib>

#include "core/startup/Operators.h"
#include "core/startup/Paths.h"
#include "core/trail/FiledMonths.h"

namespace zarion::cli {

void noteCommand(db::Database& payroll, const Arguments& args, const std::string& command) {
    if (!trail::keepsHistory(payroll))
        return;
    const char* user = std::getenv("USER");
    try {
        trail::setActor(payroll,
                        {args.get("operater").value_or(user ? user : ""), "zarion-cli " + command});
    } catch (const db::Error&) {
        // a base another program holds: the command's own work meets the same lock and says so
    }
}

std::optional<trail::Permit> filedMonthPermit(db::Database& payroll,
                                              const std::filesystem::path& dataRoot,
                                              const Arguments& args, CalculationKind kind, int year,
                                              int month, std::ostream& err) {
    const auto filed = trail::keepsHistory(payroll)
                           ? trail::lockingReturn(payroll, kind, year, month)
                           : std::nullopt;
    if (!filed)
        return std::optional<trail::Permit>(std::in_place, payroll, std::string());
    const std::string reason = trim(args.get("razlog").value_or(""));
    const auto login = args.get("operater");
    const auto code = args.get("sifra");
    err << "Mesec " << month << "/" << year << " je predat ("
        << (filed->file.empty() ? std::string("oznacen rucno") : filed->file) << ", "
        << trail::displayTime(filed->when) << ").\n";
    if (reason.empty() || !login || !code) {
        err << "Za promenu predatog meseca zadajte --razlog TEKST, --operater IME i --sifra "
               "LOZINKA.\n";
        return std::nullopt;
    }
    const auto registerDb = db::Database::open(startup::registerPath(dataRoot));
    const auto id = startup::operatorNumber(*registerDb, *login);
    if (!id || !startup::accessCodeMatches(*registerDb, *id, *code)) {
        err << "Pogresna sifra.\n";
        return std::nullopt;
    }
    return std::optional<trail::Permit>(std::in_place, payroll, reason);
}

} // namespace zarion::cli
