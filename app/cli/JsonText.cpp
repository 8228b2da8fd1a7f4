#include "cli/JsonText.h"

#include <cstdint>
#include <vector>

namespace zarion::cli {
namespace {

using nlohmann::ordered_json;

void write(const ordered_json& value, int indent, std::string& out) {
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    const std::string outer(static_cast<std::size_t>(indent), ' ');
    if (value.is_object() && !value.empty()) {
        out += "{\n";
        bool first = true;
        for (auto it = value.begin(); it != value.end(); ++it) {
            out += (first ? "" : ",\n") + inner + jsonText(it.key()) + ": ";
            write(it.value(), indent + 2, out);
            first = false;
        }
        out += "\n" + outer + "}";
    } else if (value.is_array() && !value.empty()) {
        out += "[\n";
        bool first = true;
        for (const ordered_json& element : value) {
            out += (first ? "" : ",\n") + inner;
            write(element, indent + 2, out);
            first = false;
        }
        out += "\n" + outer + "]";
    } else if (value.is_binary()) {
        const auto& bytes = value.get_binary();
        out.append(bytes.begin(), bytes.end());
    } else {
        out += value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
    }
}

} // namespace

ordered_json exactNumber(Currency amount) {
    const std::string text = amount.toShortString();
    return ordered_json::binary(std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string jsonText(const ordered_json& value) {
    std::string out;
    write(value, 0, out);
    return out;
}

} // namespace zarion::cli
