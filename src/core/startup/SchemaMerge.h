#pragma once

#include <string>
#include <vector>

#include "core/db/Database.h"

namespace zarion::startup {

// One table or one field that the target database lacks, as the reference defines it.
struct MissingItem {
    std::string table;
    std::string field; // empty for a whole table
    std::string type;  // "TEXT", "CURRENCY", … (for a whole table: empty)
    std::string size;  // "50" of TEXT(50), else empty
    bool wholeTable = false;
};

// Tables (not MSys…, not sqlite_…) and fields of the reference that the target lacks.
std::vector<MissingItem> listMissing(db::Database& reference, db::Database& target);

// Creates the listed tables and fields in the target, then the reference's indexes the target
// lacks, and writes the reference's Verzija into the target's aaverzija.
void createMissing(db::Database& reference, db::Database& target,
                   const std::vector<MissingItem>& missing);

// The reference's stored queries (views), except "~TMP…" ones, replace the target's views of the
// same name. Returns how many were copied.
int copyViews(db::Database& reference, db::Database& target);

// The reference's triggers replace the target's triggers of the same name. Returns how many
// were copied.
int copyTriggers(db::Database& reference, db::Database& target);

// Creates the listed tables and fields (createMissing), then the reference's triggers, and
// records the merge in the target's history of changes.
void completeSchema(db::Database& reference, db::Database& target,
                    const std::vector<MissingItem>& missing);

// The whole merge in one transaction on the target, recorded in its history: on any failure the
// target stays as it was.
void mergeSchema(db::Database& reference, db::Database& target);

} // namespace zarion::startup
