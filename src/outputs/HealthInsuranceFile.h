#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "outputs/PayrollList.h"
#include "report/CompanyHeader.h"

namespace zarion::outputs {

// A text file to be written whole: its full path and its lines.
struct TextFile {
    std::filesystem::path path;
    std::vector<std::string> lines;
};

// The health-insurance fund's files of the list, in the folder of the drive the operator named:
// RZZO<MMYYYY>.txt with every employee, and when a unit is handled separately (not 0) its
// employees in RZZO_RJ_<unit>_<MMYYYY>.txt instead. Each file has the header
// "0;<registration number>;<tax number>;01.<MM>.<YYYY>" and one line per employee
// "1;<JMBG or *************>;<job>;<contribution base>;<employee's health contribution>;
// <employer's health contribution>;<DD.MM.YYYY>;1;".
std::vector<TextFile> healthInsuranceFiles(const PayrollList& list,
                                           const report::CompanyData& company, const Date& paid,
                                           std::int64_t separateUnit,
                                           const std::filesystem::path& folder);

// Writes the files line by line with CR LF, replacing what is there; the refusal names the file
// that could not be written.
Refused writeTextFiles(const std::vector<TextFile>& files);

} // namespace zarion::outputs
