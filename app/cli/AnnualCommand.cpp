#include "cli/AnnualCommand.h"

#include "cli/CompanyContext.h"
#include "cli/OutputReports.h"
#include "core/NumericText.h"
#include "core/startup/Paths.h"
#include "employees/ReportCompany.h"
#include "outputs/AnnualReturn.h"
#include "outputs/TreasuryXml.h"

namespace zarion::cli {
namespace {

int option(const Arguments& args, const std::string& name, int fallback) {
    const auto text = args.get(name);
    return text ? static_cast<int>(wholeValue(*text)) : fallback;
}

} // namespace

std::optional<outputs::TreasuryPayout> treasuryPayoutOptions(const Arguments& args, int year) {
    const std::string kind = args.get("vrsta").value_or("zarade");
    outputs::TreasuryPayout payout{outputs::TreasurySource::Salaries, year,
                                   option(args, "mesec", 0)};
    if (kind == "bolovanje")
        payout.source = outputs::TreasurySource::SickLeave;
    else if (kind == "porodiljsko")
        payout.source = outputs::TreasurySource::Maternity;
    else if (kind == "ostala")
        payout.source = outputs::TreasurySource::OtherIncome;
    else if (kind != "zarade")
        return std::nullopt;
    const int part = option(args, "deo", 0);
    payout.payment = static_cast<outputs::Payment>(part);
    payout.unit = option(args, "rj", 0);
    payout.batch = option(args, "nalog", 0);
    const bool batch = payout.source == outputs::TreasurySource::OtherIncome;
    if (part > 2 || (batch ? payout.batch == 0 : payout.month < 1 || payout.month > 12))
        return std::nullopt;
    return payout;
}

int treasuryCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    if (!companyId || !args.get("broj") || !treasuryPayoutOptions(args, 2000)) {
        err << "upotreba: zarion-cli trezor --firma ID --broj NNNNNN "
               "[--vrsta zarade|bolovanje|porodiljsko|ostala] [--mesec M] [--deo 0|1|2] "
               "[--rj ID] [--nalog ID] [--redni N] [--podizvor N] [--godina G] "
               "[--datum GGGG-MM-DD] [--base FOLDER]\n";
        return 2;
    }
    const auto number = outputs::checkedBatchNumber(*args.get("broj"));
    if (!number) {
        err << number.message() << "\n";
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    db::Database& payroll = *context->PayrollDb;
    const auto built =
        outputs::buildTreasuryBatch(payroll, *treasuryPayoutOptions(args, context->WorkYear));
    if (!built) {
        err << built.message() << "\n";
        return 1;
    }
    const outputs::TreasuryHeader header{outputs::loadJibk(payroll), *number,
                                         option(args, "redni", 1), option(args, "podizvor", 0),
                                         paymentDate(args, clock.today())};
    const auto commitment = outputs::commitmentLines(built->journal);
    for (const std::string& mismatch : outputs::commitmentMismatches(commitment, built->payments))
        err << mismatch << "\n";
    outputs::storeBatchNumber(payroll, *number);
    const auto folder = outputs::treasuryFolder(std::filesystem::absolute(context->BaseFolder));
    out << outputs::treasuryWrittenMessage(
               outputs::writeTreasuryFile(folder, outputs::treasuryFileName(header, "COM"),
                                          outputs::commitmentXml(header, commitment)))
        << "\n"
        << outputs::treasuryWrittenMessage(
               outputs::writeTreasuryFile(folder, outputs::treasuryFileName(header, "PAY"),
                                          outputs::paymentXml(header, built->payments)))
        << "\n";
    return 0;
}

int annualReturnCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto companyId = args.get("firma");
    const int from = option(args, "od", 1);
    const int to = option(args, "do", 12);
    if (!companyId || from < 1 || to > 12 || from > to) {
        err << "upotreba: zarion-cli ppp --firma ID [--godina G] [--od M] [--do M] "
               "[--disk X | --out FOLDER] [--base FOLDER]\n";
        return 2;
    }
    const SystemClock clock;
    const auto context = openCompany(args, wholeValue(*companyId), clock, err);
    if (!context)
        return 1;
    const auto payer = outputs::returnPayer(employees::reportCompany(*context).data);
    if (!payer) {
        err << payer.message() << "\n";
        return 1;
    }
    const int year = context->WorkYear;
    const auto annual = outputs::collectAnnualReturn(*context->PayrollDb, {year, from, year, to});
    const std::string disk = args.get("disk").value_or("F");
    const std::filesystem::path folder =
        args.get("out") ? std::filesystem::path(*args.get("out"))
                        : startup::driveFolder(context->BaseFolder, disk.empty() ? 'F' : disk[0]);
    for (const auto& file : outputs::writeReturnFiles(folder, *payer, annual))
        out << std::filesystem::absolute(file).string() << "\n";
    out << "Gotovo\n";
    return 0;
}

} // namespace zarion::cli
