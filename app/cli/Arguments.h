#pragma once

#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Text.h"

namespace zarion::cli {

// "--name value" pairs after the command word.
class Arguments {
public:
    Arguments(int argc, char** argv, int first) {
        for (int i = first; i < argc; ++i) {
            std::string word = argv[i];
            if (word.rfind("--", 0) == 0 && i + 1 < argc)
                options_[word.substr(2)] = argv[++i];
            else
                loose_.push_back(word);
        }
    }
    std::optional<std::string> get(const std::string& name) const {
        const auto it = options_.find(name);
        return it == options_.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    const std::vector<std::string>& loose() const { return loose_; }

private:
    std::map<std::string, std::string> options_;
    std::vector<std::string> loose_;
};

// An option's whole number of at least 0, written with digits only (blanks around it allowed);
// nothing for any other text and for a number beyond the range of int.
inline std::optional<int> wholeNumber(std::string_view text) {
    const std::string digits = trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace zarion::cli
