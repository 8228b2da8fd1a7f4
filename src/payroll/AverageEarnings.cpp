#include "payroll/AverageEarnings.h"

#include "core/Text.h"
#include "core/startup/Paths.h"
#include "payroll/Exact.h"
#include "report/CompanyHeader.h"

namespace zarion::payroll {
namespace {

std::optional<Averages> averagesOf(std::int64_t employees, Currency gross, Currency net) {
    if (employees == 0)
        return std::nullopt;
    const Exact count = Exact::whole(employees);
    return Averages{(Exact(gross) / count).round2(), (Exact(net) / count).round2()};
}

} // namespace

AverageTable loadAverageTable(db::Database& payrollDb, const AveragePeriod& period) {
    db::Statement rows = payrollDb.prepare(
        "SELECT Mesec, Godina, COUNT(ID_Radnik) AS BROJRADNIKA, SUM(BRUTO) AS UKBRUTO, "
        "SUM(Neto) AS UKNETO FROM obracuni "
        "WHERE (Godina * 100 + Mesec) >= ? AND (Godina * 100 + Mesec) <= ? "
        "GROUP BY Mesec, Godina ORDER BY (Godina * 100 + Mesec)");
    rows.bindAll(period.from(), period.to());
    AverageTable table;
    while (rows.step()) {
        AverageRow row;
        row.month = static_cast<int>(rows.integer(0));
        row.year = static_cast<int>(rows.integer(1));
        row.employees = rows.integer(2);
        row.gross = rows.money(3);
        row.net = rows.money(4);
        table.employees += row.employees;
        table.gross += row.gross;
        table.net += row.net;
        table.rows.push_back(row);
    }
    table.averages = averagesOf(table.employees, table.gross, table.net);
    return table;
}

std::optional<Averages> commonAverages(const AverageTable& first, const AverageTable& second) {
    return averagesOf(first.employees + second.employees, first.gross + second.gross,
                      first.net + second.net);
}

Outcome<AverageTable> loadOtherCompanyTable(const std::filesystem::path& dataRoot, int year,
                                            long long companyNumber, const AveragePeriod& period) {
    const std::filesystem::path payroll = startup::payrollPath(dataRoot, year, companyNumber);
    if (!std::filesystem::exists(payroll))
        return Failure{"Nije pronadjena baza: "_yu + payroll.string()};
    try {
        auto db = db::Database::open(payroll);
        AverageTable table = loadAverageTable(*db, period);
        const std::filesystem::path master = startup::masterDataPath(dataRoot, year, companyNumber);
        if (std::filesystem::exists(master))
            if (const auto company = report::readCompanyData(*db::Database::open(master)))
                table.title = company->Naziv;
        return table;
    } catch (const db::Error& error) {
        return Failure{error.what()};
    }
}

std::string monthText(const AverageRow& row) {
    return std::to_string(row.month) + "/" + std::to_string(row.year);
}

std::string noCalculationsInPeriod() {
    return "Nema kona~nih obra~una u izabranom periodu, prosek se ne mo`e izra~unati!"_yu;
}

} // namespace zarion::payroll
