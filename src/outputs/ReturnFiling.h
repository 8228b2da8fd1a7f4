#pragma once

#include <filesystem>
#include <vector>

#include "core/db/Database.h"
#include "outputs/Declaration.h"

namespace zarion::outputs {

// The return has been written to these files: records the export and marks the return's month
// and payment (from its flags) filed with the files' names and checksum, in one transaction.
void recordReturnFiled(db::Database& payroll, const Declaration& declaration,
                       const std::vector<std::filesystem::path>& written);

} // namespace zarion::outputs
