#include "cli/ReportCommand.h"

#include <cstdlib>
#include <memory>

#include "cli/GuiApplication.h"
#include "cli/ReportRegistry.h"
#include "core/AppContext.h"
#include "core/NumericText.h"
#include "core/startup/Paths.h"
#include "employees/ReportCompany.h"
#include "report/qt/Renderer.h"

namespace zarion::cli {
namespace {

void usage(std::ostream& err) {
    err << "upotreba: zarion-cli report IZVESTAJ --firma ID [--godina GODINA] [--base FOLDER] "
           "--pdf FAJL\n"
           "izvestaji:\n";
    for (const ReportEntry& entry : reports())
        err << "  " << entry.name << " " << entry.usage << "\n";
}

} // namespace

int reportCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const ReportEntry* entry = args.loose().empty() ? nullptr : findReport(args.loose().front());
    const auto companyId = args.get("firma");
    const auto pdf = args.get("pdf");
    if (!entry || !companyId || !pdf) {
        usage(err);
        return 2;
    }

    const SystemClock clock;
    AppContext context(clock);
    context.BaseFolder = args.get("base")
                             ? std::filesystem::path(*args.get("base"))
                             : startup::baseFolder(std::getenv("ZARION_BASE"), std::getenv("HOME"));
    context.DataRoot = startup::chooseDataRoot(context.BaseFolder);
    context.CompanyId = wholeValue(*companyId);
    context.WorkYear =
        args.get("godina") ? static_cast<int>(wholeValue(*args.get("godina"))) : clock.today().year;
    const auto payrollPath =
        startup::payrollPath(context.DataRoot, context.WorkYear, context.CompanyId);
    if (!std::filesystem::exists(payrollPath)) {
        err << "Ne postoji baza firme " << context.CompanyId << " u godini " << context.WorkYear
            << ": " << payrollPath.string() << "\n";
        return 1;
    }
    context.PayrollDb = db::Database::open(payrollPath);
    const auto masterPath =
        startup::masterDataPath(context.DataRoot, context.WorkYear, context.CompanyId);
    if (std::filesystem::exists(masterPath))
        context.CompanyMasterDb = db::Database::open(masterPath);

    const employees::ReportCompany company = employees::reportCompany(context);
    report::Document document;
    try {
        document = entry->build(ReportSource{*context.PayrollDb, context.CompanyMasterDb.get(),
                                             company.data, company.logo, context.WorkYear,
                                             clock.today(), args});
    } catch (const ReportRefusal& refusal) {
        err << refusal.what() << "\n";
        return 1;
    }
    const auto app = guiApplication();
    if (!report::writePdf(document, *pdf)) {
        err << "Nije moguce zapisati PDF fajl " << *pdf << "\n";
        return 1;
    }
    out << "Izvestaj " << entry->name << " (" << document.pages.size() << " str.) je zapisan u "
        << std::filesystem::absolute(*pdf).string() << "\n";
    return 0;
}

} // namespace zarion::cli
