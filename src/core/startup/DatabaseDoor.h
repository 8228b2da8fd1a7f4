#pragma once

#include <exception>
#include <filesystem>
#include <memory>

#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::startup {

// The refusal for a database of the data root that failed: the system's words for the cause and
// the file; for a damaged file also the archive folder ARHIVA beside it, where its copies lie.
Refusal databaseRefusal(const std::filesystem::path& file, const std::exception& failure);

// Throws db::Error (corrupt) when the file's pages do not hold together. Cheap enough to run
// every time a company or the register is opened: the rows of the posted months, the bulk of a
// year, are checked by the reads that use them.
void checkIntegrity(db::Database& database);

// Opens a database of the data root for work: a missing, damaged, unreadable or locked file is
// refused with the words above, before any window reads from it.
Outcome<std::unique_ptr<db::Database>> openChecked(const std::filesystem::path& file);

} // namespace zarion::startup
