#pragma once

#include <string>
#include <string_view>

namespace zarion::schema {

// The triggers that record in the history every row added, changed or removed of the tables a
// description lists (see trail_tables.tsv), each entry with the columns that went from what to
// what, amounts in dinars.
std::string changeTriggersSql(std::string_view tables);

} // namespace zarion::schema
