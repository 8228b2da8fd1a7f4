#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

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

} // namespace zarion::cli
