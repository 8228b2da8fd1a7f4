#include "outputs/HealthInsuranceFile.h"

#include <fstream>

#include "core/NumberFormat.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string employeeLine(const PayrollRow& row, const std::string& paid) {
    const std::string jmbg = row.employee.JMBG.empty() ? "*************" : row.employee.JMBG;
    return "1;" + jmbg + ";" + NameToPlain(row.employee.radno_mesto) + ";" +
           format(row.contributionBase(), NumberFormat::Plain2) + ";" +
           format(row.calc.Doprinosi_zo, NumberFormat::Plain2) + ";" +
           format(row.calc.Doprinosi_zo_F, NumberFormat::Plain2) + ";" + paid + ";1;";
}

} // namespace

std::vector<TextFile> healthInsuranceFiles(const PayrollList& list,
                                           const report::CompanyData& company, const Date& paid,
                                           std::int64_t separateUnit,
                                           const std::filesystem::path& folder) {
    const ListSelection& s = list.selection;
    const std::string period = twoDigits(s.month) + std::to_string(s.year);
    const std::string header = "0;" + trim(company.maticni) + ";" + trim(company.PIB) + ";01." +
                               twoDigits(s.month) + "." + std::to_string(s.year);
    TextFile all{folder / ("RZZO" + period + ".txt"), {header}};
    TextFile separate{folder / ("RZZO_RJ_" + std::to_string(separateUnit) + "_" + period + ".txt"),
                      {header}};
    const std::string paidText = toDisplayText(paid);
    for (const PayrollRow& row : list.employees) {
        TextFile& file = separateUnit != 0 && row.employee.id_rj == separateUnit ? separate : all;
        file.lines.push_back(employeeLine(row, paidText));
    }
    std::vector<TextFile> files{std::move(all)};
    if (separateUnit != 0)
        files.push_back(std::move(separate));
    return files;
}

Refused writeTextFiles(const std::vector<TextFile>& files) {
    for (const TextFile& file : files) {
        std::ofstream out(file.path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : file.lines)
            out << line << "\r\n";
        out.close();
        if (!out)
            return error("Greska kod upisa fajla " + file.path.string() + "!");
    }
    return std::nullopt;
}

} // namespace zarion::outputs
