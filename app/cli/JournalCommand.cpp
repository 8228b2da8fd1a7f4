#include "cli/JournalCommand.h"

#include "cli/CompanyContext.h"
#include "cli/OutputReports.h"
#include "core/NumericText.h"
#include "core/startup/DatabaseFiles.h"
#include "outputs/JournalEntry.h"
#include "outputs/JournalPosting.h"

namespace zarion::cli {
namespace {

void usage(std::ostream& err) {
    err << "upotreba: zarion-cli knjizenje --firma ID --mesec M [--deo 0|1|2] [--rj RJ] --tip T "
           "[--broj N] [--nalog PREFIKS] [--opis TEKST] [--datum GGGG-MM-DD] [--knjiga 1|2] "
           "[--godina GODINA] [--base FOLDER]\n";
}

// The journal type of that number in the year's account schemes; nothing when it has none.
outputs::JournalType journalType(const AppContext& context, std::int64_t id) {
    const auto schemes = startup::openAccountSchemes(context.DataRoot, context.WorkYear);
    for (const outputs::JournalType& type : outputs::journalTypes(*schemes))
        if (type.id == id)
            return type;
    return {};
}

} // namespace

int journalCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    const auto type = args.get("tip");
    if (!companyId || !type) {
        usage(err);
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    try {
        const outputs::ListSelection selection = listSelection(args, context->WorkYear);
        const auto list = outputs::loadPayrollList(*context->PayrollDb, selection);
        if (!list) {
            err << list.message() << "\n";
            return 1;
        }
        const outputs::JournalEntry entry = outputs::buildJournal(
            *context->PayrollDb, outputs::loadJournalSettings(*context->PayrollDb), *list,
            context->CompanyPibFlag);
        outputs::JournalOrder order;
        order.type = journalType(*context, wholeValue(*type));
        order.prefix = args.get("nalog").value_or("PL");
        order.number = wholeValue(args.get("broj").value_or(std::to_string(selection.month)));
        order.text =
            args.get("opis").value_or("Obracun zarada za " + std::to_string(selection.month) + "/" +
                                      std::to_string(selection.year));
        order.date = paymentDate(args, clock.today());
        order.year = selection.year;
        order.month = selection.month;
        const Refused refused =
            args.get("knjiga").value_or("1") == "2"
                ? outputs::postToSecondLedger(*context->PayrollDb, order, entry.lines)
                : outputs::postToGeneralJournal(*context->PayrollDb, order, entry.lines);
        if (refused) {
            err << refused->message << "\n";
            return 1;
        }
        out << outputs::journalPostedMessage() << " (" << entry.lines.size() << " stavki)\n";
        return 0;
    } catch (const ReportRefusal& refusal) {
        err << refusal.what() << "\n";
        return 1;
    }
}

} // namespace zarion::cli
