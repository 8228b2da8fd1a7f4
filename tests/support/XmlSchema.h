#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarion::test {

// What libxml2 finds wrong with an XML text under an XML Schema: one line per error, "line N:
// message"; empty when the text is valid. A schema that does not load is reported the same way.
std::vector<std::string> schemaErrors(const std::filesystem::path& schema, const std::string& xml);

} // namespace zarion::test
