#pragma once

#include <filesystem>

namespace zarion::startup {

// Makes a data root ready for work: the folder, the company register firme.db and the template
// prazna/plate.db. A template older than the schema compiled into the program is made anew (the
// old one is kept beside it as plate.db.old), so that company databases are merged up to it.
void prepareDataRoot(const std::filesystem::path& dataRoot);

// The schema version compiled into the program.
long long compiledSchemaVersion();

} // namespace zarion::startup
