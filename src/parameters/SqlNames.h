#pragma once

#include <string>
#include <string_view>

namespace zarion::parameters {

// A table or column name taken from the schema, quoted for a statement: "Naziv ""x""".
// Only names the schema itself reports go through here, never the operator's text.
inline std::string quotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace zarion::parameters
