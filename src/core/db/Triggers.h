#pragma once

#include <vector>

#include "core/db/Database.h"

namespace zarion::db {

// The triggers of the database, in the order they were made.
std::vector<SchemaObject> triggers(Database& database);

} // namespace zarion::db
