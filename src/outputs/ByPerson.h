#pragma once

#include <algorithm>
#include <vector>

#include "core/Text.h"

namespace zarion::outputs {

// Adds rows of another source into a list of persons: a JMBG already listed gets the row's
// amounts added by `add`, a new one is appended.
template <typename Row, typename Add>
void addByPerson(std::vector<Row>& rows, const std::vector<Row>& more, Add add) {
    for (const Row& added : more) {
        auto same = std::find_if(rows.begin(), rows.end(), [&](const Row& row) {
            return trim(row.JMBG) == trim(added.JMBG);
        });
        if (same == rows.end())
            rows.push_back(added);
        else
            add(*same, added);
    }
}

} // namespace zarion::outputs
