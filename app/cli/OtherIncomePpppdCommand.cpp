#include "cli/OtherIncomePpppdCommand.h"

#include "cli/CliTrail.h"
#include "cli/CompanyContext.h"
#include "cli/OtherIncomeReports.h"
#include "cli/OutputReports.h"
#include "cli/PpppdCommand.h"
#include "core/NumericText.h"
#include "employees/ReportCompany.h"
#include "other_income/OtherIncomeDeclaration.h"
#include "payroll/Settings.h"

namespace zarion::cli {

int otherIncomePpppdCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    const auto code = args.get("sifra");
    const auto xml = args.get("xml");
    if (!companyId || !code || !xml) {
        err << "upotreba: zarion-cli ppppd-ostale --firma ID (--nalog N | --vrsta K --mesec M) "
               "--sifra SVP [--sati N] [--godina G] [--datum GGGG-MM-DD] --xml FAJL "
               "[--base FOLDER]\n";
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    db::Database& payroll = *context->PayrollDb;
    noteCommand(payroll, args, "ppppd-ostale");
    try {
        const other_income::PaidOrder paid = chosenOrder(payroll, args, context->WorkYear);
        other_income::DeclarationAnswers answers{trim(*code), std::nullopt};
        const int fixedFund = payroll::loadSettings(payroll).fiksni_sati;
        if (fixedFund != 0)
            answers.hoursFund = fixedFund;
        else if (const auto hours = args.get("sati"))
            answers.hoursFund = static_cast<int>(wholeValue(*hours));
        other_income::OrderDeclaration producer(paid, answers);
        auto filled = producer.fill();
        if (!filled) {
            err << filled.message() << "\n";
            return 1;
        }
        const Date paymentDate =
            args.get("datum") ? cli::paymentDate(args, clock.today()) : paid.order.Datum;
        const outputs::Declaration declaration =
            outputs::openDeclaration(std::move(filled).value(), outputs::loadPayerData(payroll),
                                     employees::reportCompany(*context).data, paymentDate);
        return checkAndWrite(declaration, other_income::orderRates(paid.order), payroll,
                             clock.today(), *xml, out, err);
    } catch (const ReportRefusal& refusal) {
        err << refusal.what() << "\n";
        return 1;
    }
}

} // namespace zarion::cli
