#pragma once

#include <filesystem>
#include <string>

#include "core/Dates.h"

namespace zarion::startup {

// "bpl" + day, month, two-digit year, day of the year + hours, minutes, seconds + ".db":
// 4 December 2026 09:05:07 gives bpl041226338090507.db.
std::string archiveFileName(const DateTime& at);

// True when the company database's schema version is lower than the template's.
bool needsUpgrade(const std::filesystem::path& templatePath,
                  const std::filesystem::path& payrollPath);

// Copies the company database into ARHIVA/ beside it (a failed copy does not stop the upgrade)
// and merges it up to the template. Returns the archive copy's path, empty when none was made.
std::filesystem::path archiveAndUpgrade(const std::filesystem::path& templatePath,
                                        const std::filesystem::path& payrollPath,
                                        const Clock& clock);

} // namespace zarion::startup
