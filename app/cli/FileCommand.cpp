#include "cli/FileCommand.h"

#include "cli/CompanyContext.h"
#include "cli/OutputReports.h"
#include "core/NumericText.h"
#include "core/startup/Paths.h"
#include "employees/ReportCompany.h"
#include "outputs/HealthInsuranceFile.h"
#include "outputs/PayrollListColumns.h"

namespace zarion::cli {
namespace {

void usage(std::ostream& err) {
    err << "upotreba: zarion-cli fajl rzzo|excel --firma ID --mesec M [--deo 0|1|2] [--rj RJ] "
           "[--godina GODINA] [--base FOLDER] [--datum GGGG-MM-DD] [--disk X] [--odvojena RJ]\n"
           "  rzzo  fajl za zdravstveno osiguranje (RZZO<MMGGGG>.txt na disku --disk)\n"
           "  excel spisak zarada u IzvozExcel\n";
}

int healthFile(const Arguments& args, AppContext& context, const outputs::PayrollList& list,
               std::ostream& out, std::ostream& err) {
    const std::string disk = args.get("disk").value_or("F");
    const auto separate = args.get("odvojena");
    const auto files = outputs::healthInsuranceFiles(
        list, employees::reportCompany(context).data, paymentDate(args, context.clock.today()),
        separate ? wholeValue(*separate) : 0,
        startup::driveFolder(context.BaseFolder, disk.empty() ? 'F' : disk[0]));
    if (const auto refused = outputs::writeTextFiles(files)) {
        err << refused->message << "\n";
        return 1;
    }
    for (const outputs::TextFile& file : files)
        out << file.path.string() << "\n";
    return 0;
}

int spreadsheet(AppContext& context, const outputs::PayrollList& list, std::ostream& out,
                std::ostream& err) {
    const outputs::ListSelection& s = list.selection;
    const auto result = report::ExportListToSpreadsheet(
        outputs::payrollSheet(list), context.BaseFolder,
        "SpisakZarada_" + std::to_string(s.month) + "_" + std::to_string(s.year));
    (result.ok() ? out : err) << result.message() << "\n";
    return result.ok() ? 0 : 1;
}

} // namespace

int fileCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string kind = args.loose().empty() ? std::string() : args.loose().front();
    const auto companyId = args.get("firma");
    if ((kind != "rzzo" && kind != "excel") || !companyId) {
        usage(err);
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    try {
        const auto list =
            outputs::loadPayrollList(*context->PayrollDb, listSelection(args, context->WorkYear));
        if (!list) {
            err << list.message() << "\n";
            return 1;
        }
        return kind == "rzzo" ? healthFile(args, *context, *list, out, err)
                              : spreadsheet(*context, *list, out, err);
    } catch (const ReportRefusal& refusal) {
        err << refusal.what() << "\n";
        return 1;
    }
}

} // namespace zarion::cli
