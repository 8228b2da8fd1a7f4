#include "cli/CompanyContext.h"

#include <cstdlib>

#include "core/NumericText.h"
#include "core/startup/Paths.h"

namespace zarion::cli {

std::unique_ptr<AppContext> openCompany(const Arguments& args, long long companyId,
                                        const Clock& clock, std::ostream& err) {
    auto context = std::make_unique<AppContext>(clock);
    context->BaseFolder =
        args.get("base") ? std::filesystem::path(*args.get("base"))
                         : startup::baseFolder(std::getenv("ZARION_BASE"), std::getenv("HOME"));
    context->DataRoot = startup::chooseDataRoot(context->BaseFolder);
    context->CompanyId = companyId;
    context->WorkYear =
        args.get("godina") ? static_cast<int>(wholeValue(*args.get("godina"))) : clock.today().year;
    const auto payrollPath =
        startup::payrollPath(context->DataRoot, context->WorkYear, context->CompanyId);
    if (!std::filesystem::exists(payrollPath)) {
        err << "Ne postoji baza firme " << context->CompanyId << " u godini " << context->WorkYear
            << ": " << payrollPath.string() << "\n";
        return nullptr;
    }
    context->PayrollDb = db::Database::open(payrollPath);
    const auto masterPath =
        startup::masterDataPath(context->DataRoot, context->WorkYear, context->CompanyId);
    if (std::filesystem::exists(masterPath))
        context->CompanyMasterDb = db::Database::open(masterPath);
    return context;
}

} // namespace zarion::cli
