#include "cli/ReportCommand.h"

#include "cli/CompanyContext.h"
#include "cli/GuiApplication.h"
#include "cli/ReportRegistry.h"
#include "core/AppContext.h"
#include "core/NumericText.h"
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
    const auto opened = openCompany(args, wholeValue(*companyId), clock, err);
    if (!opened)
        return 1;
    AppContext& context = *opened;

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
