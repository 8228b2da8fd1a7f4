#include "cli/HistoryCommand.h"

#include <nlohmann/json.hpp>

#include "cli/CompanyContext.h"
#include "core/NumericText.h"
#include "core/trail/History.h"

namespace zarion::cli {
namespace {

using nlohmann::ordered_json;

ordered_json entryJson(const trail::HistoryEntry& e) {
    ordered_json changes = ordered_json::object();
    for (const trail::ColumnChange& c : e.changes)
        changes[c.column] = {c.before, c.after};
    return {{"id", e.id},           {"vreme", e.when},        {"operater", e.operatorName},
            {"komanda", e.command}, {"vrsta", e.kind},        {"tabela", e.table},
            {"kljuc", e.key},       {"radnik", e.employeeId}, {"mesec", e.month},
            {"godina", e.year},     {"promene", changes},     {"razlog", e.reason},
            {"opis", e.description}};
}

} // namespace

int historyCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    const auto year = args.get("godina");
    if (!companyId || !year) {
        err << "upotreba: zarion-cli istorija --firma ID --godina GODINA [--mesec M] "
               "[--radnik ID] [--base FOLDER]\n";
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    trail::HistoryFilter filter;
    filter.monthFrom = filter.monthTo =
        static_cast<int>(wholeValue(args.get("mesec").value_or("")));
    filter.employeeId = wholeValue(args.get("radnik").value_or(""));
    for (const trail::HistoryEntry& entry : trail::loadHistory(*context->PayrollDb, filter))
        out << entryJson(entry).dump(-1, ' ', false, ordered_json::error_handler_t::replace)
            << "\n";
    return 0;
}

} // namespace zarion::cli
