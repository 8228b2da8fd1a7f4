#include "cli/AnnualReports.h"

#include <array>

#include "cli/AnnualCommand.h"
#include "core/NumericText.h"
#include "outputs/AnnualReturnReport.h"
#include "outputs/M4Report.h"
#include "outputs/TreasuryReport.h"
#include "outputs/TreasuryXml.h"

namespace zarion::cli {
namespace {

std::string pensionRegistration(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT reg_broj_pio FROM parametri2");
    return st.step() ? st.text(0) : std::string();
}

// The M-4K of the year as saved, or as the calculations give it when none is saved.
report::Document m4k(const ReportSource& source) {
    auto rows = outputs::loadM4(source.payroll, source.year);
    if (rows.empty())
        rows = outputs::collectM4(source.payroll, source.year);
    if (rows.empty())
        throw ReportRefusal("Nema obracuna za " + std::to_string(source.year) + ". godinu");
    return outputs::m4kForm({source.company, pensionRegistration(source.payroll)}, source.year,
                            rows);
}

int monthOption(const ReportSource& source, const std::string& name, int fallback) {
    const auto text = source.options.get(name);
    const int month = text ? static_cast<int>(wholeValue(*text)) : fallback;
    if (month < 1 || month > 12)
        throw ReportRefusal("--" + name + " je mesec od 1 do 12");
    return month;
}

report::Document ppp(const ReportSource& source) {
    const auto payer = outputs::returnPayer(source.company);
    if (!payer)
        throw ReportRefusal(payer.message());
    const outputs::ReturnPeriod period{source.year, monthOption(source, "od", 1), source.year,
                                       monthOption(source, "do", 12)};
    return outputs::pppForm(*payer, source.year,
                            outputs::collectAnnualReturn(source.payroll, period));
}

struct TreasuryReportData {
    outputs::TreasuryPrint print;
    outputs::TreasuryBatch batch;
};

TreasuryReportData treasuryData(const ReportSource& source) {
    const auto payout = treasuryPayoutOptions(source.options, source.year);
    if (!payout)
        throw ReportRefusal("Nedostaje --mesec M (ili --vrsta ostala --nalog ID)");
    auto batch = outputs::buildTreasuryBatch(source.payroll, *payout);
    if (!batch)
        throw ReportRefusal(batch.message());
    return {{source.company, outputs::loadJibk(source.payroll),
             source.options.get("broj").value_or(outputs::storedBatchNumber(source.payroll)),
             source.today},
            std::move(batch).value()};
}

const std::array<ReportEntry, 4> Reports{{
    {"m4k", "obrazac M-4K za godinu (snimljeni M4, inace iz obracuna)", m4k},
    {"ppp", "[--od M] [--do M]: pojedinacna poreska prijava PPP za godinu", ppp},
    {"trezor-zahtev",
     "--mesec M [--deo N] [--rj ID] [--vrsta zarade|bolovanje|porodiljsko|ostala --nalog ID] "
     "[--broj NNNNNN]: zahtev za placanje trezoru",
     [](const ReportSource& s) {
         const TreasuryReportData data = treasuryData(s);
         return outputs::treasuryRequest(data.print, data.batch.payments);
     }},
    {"trezor-ministarstvo", "kao trezor-zahtev: izvestaj za ministarstvo - nalozi",
     [](const ReportSource& s) {
         const TreasuryReportData data = treasuryData(s);
         return outputs::ministryReport(data.print, data.batch.journal);
     }},
}};

} // namespace

std::span<const ReportEntry> annualReports() {
    return Reports;
}

} // namespace zarion::cli
