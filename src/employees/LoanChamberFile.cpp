#include "employees/LoanChamberFile.h"

#include <fstream>

#include "core/FileForms.h"
#include "core/NumberFormat.h"

namespace zarion::employees {
namespace {

const FileForm Chamber = fileForm(OutsideFile::CreditorsChamber);

std::string join(const std::vector<std::string>& parts) {
    std::string line;
    for (std::size_t i = 0; i < parts.size(); ++i)
        line +=
            (i == 0 ? "" : std::string(1, Chamber.separator)) + separatedField(parts[i], Chamber);
    return line;
}

} // namespace

ChamberFile WriteChamberFile(const std::filesystem::path& driveFolder,
                             const report::CompanyData& company, const Date& paymentDate,
                             const OverviewPeriod& period,
                             const std::vector<CreditorPayment>& payments) {
    ChamberFile result;
    result.path = driveFolder / (std::string("komora") + (period.firstPart ? "1" : "0") + ".txt");
    std::ofstream out(result.path, std::ios::binary | std::ios::trunc);
    if (!out) {
        result.error = "cannot write " + result.path.string();
        return result;
    }
    out << join({company.Naziv + "-" + company.grad, company.maticni, company.PIB,
                 company.ziroracun, toDisplayText(paymentDate)})
        << Chamber.lineEnd;
    for (const CreditorPayment& payment : payments)
        out << join(paymentColumns(payment, NumberFormat::Plain2)) << Chamber.lineEnd;
    out.close();
    if (!out)
        result.error = "cannot write " + result.path.string();
    return result;
}

} // namespace zarion::employees
