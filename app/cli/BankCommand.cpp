#include "cli/BankCommand.h"

#include <fstream>

#include "cli/CliTrail.h"
#include "cli/CompanyContext.h"
#include "cli/OutputReports.h"
#include "cli/OwnerReports.h"
#include "core/NumericText.h"
#include "core/trail/FiledMonths.h"
#include "core/trail/Trail.h"
#include "outputs/BankFileSettings.h"

namespace zarion::cli {
namespace {

void usage(std::ostream& err) {
    err << "upotreba: zarion-cli banka --firma ID --mesec M [--deo 0|1|2] "
           "--banka direktna|komercijalna|intesa --out FAJL [--godina GODINA] [--base FOLDER] "
           "[--datum GGGG-MM-DD]\n"
           "         zarion-cli banka --firma ID --nalog ID --banka ... --out FAJL: "
           "ostale zarade naloga\n";
}

} // namespace

int bankCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    const auto file = args.get("out");
    const auto bank = outputs::paymentBankByName(args.get("banka").value_or(""));
    if (!companyId || !file || !bank) {
        usage(err);
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    noteCommand(*context->PayrollDb, args, "banka");
    try {
        // The salaries of a month, or with --nalog the other income of an order.
        const bool otherIncome = args.get("nalog").has_value();
        Outcome<outputs::BankList> list =
            otherIncome ? otherIncomeBankList(*context->PayrollDb, args)
                        : outputs::loadBankList(*context->PayrollDb,
                                                listSelection(args, context->WorkYear));
        if (!list) {
            err << list.message() << "\n";
            return 1;
        }
        const outputs::BankGroup* group = outputs::groupOfBank(*list, *bank);
        if (!group) {
            err << (otherIncome ? "Nema primalaca sa racunom u toj banci na izabranom nalogu\n"
                                : "Nema zaposlenih sa racunom u toj banci za izabrani mesec\n");
            return 1;
        }
        const auto settings =
            outputs::loadBankFileSettings(*context->PayrollDb, context->CompanyMasterDb.get());
        std::ofstream written(*file, std::ios::binary | std::ios::trunc);
        written << outputs::bankFileText(
            *group, outputs::bankFileContext(settings, *bank,
                                             otherIncome ? outputs::PayoutKind::OtherIncome
                                                         : outputs::PayoutKind::Salaries,
                                             list->selection, paymentDate(args, clock.today())));
        if (!written.flush()) {
            err << "Fajl nije upisan: " << *file << "\n";
            return 1;
        }
        if (trail::keepsHistory(*context->PayrollDb))
            trail::recordExport(*context->PayrollDb, "Fajl za banku", {*file}, list->selection.year,
                                list->selection.month);
        out << *file << "\n";
        return 0;
    } catch (const ReportRefusal& refusal) {
        err << refusal.what() << "\n";
        return 1;
    }
}

} // namespace zarion::cli
