#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "employees/LoanCreditorOverview.h"
#include "report/CompanyHeader.h"

namespace zarion::employees {

// The text file for the chamber: komora<part>.txt in the folder of the drive letter the operator
// named, <part> being "0" for the final part and "1" for the first part. The first line is
// company name "-" town ";" registration number ";" tax number ";" account ";" payment date
// "DD.MM.YYYY"; then one line per employee of the list with the list's columns joined by ";"
// (amounts "##0.00"). Lines end with CR LF; an existing file is replaced.
struct ChamberFile {
    std::filesystem::path path;
    std::string error; // empty when written
    bool ok() const { return error.empty(); }
};
ChamberFile WriteChamberFile(const std::filesystem::path& driveFolder,
                             const report::CompanyData& company, const Date& paymentDate,
                             const OverviewPeriod& period,
                             const std::vector<CreditorPayment>& payments);

} // namespace zarion::employees
