#include "cli/BatchCommand.h"

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "cli/CliTrail.h"
#include "core/NumericText.h"
#include "core/startup/DatabaseDoor.h"
#include "core/startup/Paths.h"
#include "payroll/BatchMonth.h"
#include "payroll/BatchRun.h"

namespace zarion::cli {
namespace {

using nlohmann::ordered_json;

void usage(std::ostream& err) {
    err << "upotreba: zarion-cli batch --firma ID --godina GODINA --mesec MESEC "
           "--deo akontacija|konacni [--base FOLDER]\n"
           "         [--razlog TEKST --operater IME --sifra LOZINKA] (za predat mesec)\n";
}

struct BatchRequest {
    std::filesystem::path dataRoot;
    long long companyId = 0;
    payroll::CalculationPeriod period;
};

// The request, or nothing when an option is missing or out of its range.
std::optional<BatchRequest> readRequest(const Arguments& args) {
    const auto company = args.get("firma");
    const auto year = args.get("godina");
    const auto month = args.get("mesec");
    const auto part = args.get("deo");
    if (!company || !year || !month || !part || (*part != "akontacija" && *part != "konacni"))
        return std::nullopt;
    BatchRequest request;
    request.companyId = wholeValue(*company);
    request.period = {static_cast<int>(wholeValue(*year)), static_cast<int>(wholeValue(*month)),
                      *part == "konacni" ? CalculationKind::Final : CalculationKind::Advance};
    if (request.companyId <= 0 || request.period.year < 2000 || request.period.year > 2100 ||
        request.period.month < 1 || request.period.month > 12)
        return std::nullopt;
    const std::filesystem::path base =
        args.get("base") ? std::filesystem::path(*args.get("base"))
                         : startup::baseFolder(std::getenv("ZARION_BASE"), std::getenv("HOME"));
    request.dataRoot = startup::chooseDataRoot(base);
    return request;
}

ordered_json summary(const payroll::BatchRunReport& report) {
    ordered_json skipped = ordered_json::array();
    for (const payroll::SkippedEmployee& employee : report.failures)
        skipped.push_back(
            {{"radnik", employee.id}, {"ime", employee.name}, {"razlog", employee.reason}});
    return {{"proknjizeno", report.posted},
            {"preskoceno", skipped},
            {"obustave", report.deductionErrors}};
}

int refused(std::ostream& out, const std::string& why) {
    out << ordered_json{{"error", why}}.dump(2) << "\n";
    return 1;
}

} // namespace

int batchCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto request = readRequest(args);
    if (!request) {
        usage(err);
        return 2;
    }
    const payroll::CalculationPeriod& period = request->period;
    auto payrollDb = startup::openChecked(
        startup::payrollPath(request->dataRoot, period.year, request->companyId));
    if (!payrollDb)
        return refused(out, payrollDb.message());
    noteCommand(**payrollDb, args, "batch");
    const auto permit = filedMonthPermit(**payrollDb, request->dataRoot, args, period.kind,
                                         period.year, period.month, err);
    if (!permit)
        return refused(out, "Mesec je predat: obracun nije pokrenut");
    const auto previousYear = payroll::openPreviousYear(
        startup::payrollPath(request->dataRoot, period.year - 1, request->companyId));
    const auto month = payroll::BatchMonth::open(**payrollDb, previousYear.get(), period);
    if (!month)
        return refused(out, month.message());
    const payroll::BatchRunReport report = payroll::calculateAll(*month, {}, {}, {});
    if (!report.stopped.empty())
        return refused(out, report.stopped);
    out << summary(report).dump(2) << "\n";
    return 0;
}

} // namespace zarion::cli
