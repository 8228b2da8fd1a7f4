#include "core/db/Triggers.h"

namespace zarion::db {

std::vector<SchemaObject> triggers(Database& database) {
    Statement st = database.prepare("SELECT name, tbl_name, sql FROM sqlite_master "
                                    "WHERE type = 'trigger' ORDER BY rowid");
    std::vector<SchemaObject> result;
    while (st.step())
        result.push_back({st.text(0), st.text(1), st.text(2)});
    return result;
}

} // namespace zarion::db
