#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core/Currency.h"

namespace zarion::cli {

// An amount as a JSON number written with the exact decimals of the money type: a double
// cannot hold the last digits of an amount of a billion dinars and more.
nlohmann::ordered_json exactNumber(Currency amount);

// The value as indented JSON text (two spaces). Exact numbers are written as their decimal
// text; bytes of a text that are not UTF-8 are replaced by U+FFFD.
std::string jsonText(const nlohmann::ordered_json& value);

} // namespace zarion::cli
