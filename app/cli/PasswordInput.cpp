#include "cli/PasswordInput.h"

#include <istream>
#include <ostream>
#include <termios.h>
#include <unistd.h>

namespace zarion::cli {
namespace {

std::optional<std::string> readLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// Turns the terminal's echo off for its lifetime.
class HiddenInput {
public:
    HiddenInput() {
        hidden_ = tcgetattr(STDIN_FILENO, &saved_) == 0;
        if (hidden_) {
            termios silent = saved_;
            silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
        }
    }
    ~HiddenInput() {
        if (hidden_)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;

private:
    termios saved_{};
    bool hidden_ = false;
};

std::optional<std::string> ask(std::istream& in, std::ostream& prompt, const char* question) {
    prompt << question << std::flush;
    std::optional<std::string> answer;
    {
        const HiddenInput hidden;
        answer = readLine(in);
    }
    prompt << "\n";
    return answer;
}

} // namespace

std::optional<std::string> readPassword(std::istream& in, std::ostream& prompt) {
    if (!isatty(STDIN_FILENO))
        return readLine(in);
    const auto first = ask(in, prompt, "Lozinka: ");
    if (!first)
        return std::nullopt;
    const auto second = ask(in, prompt, "Ponovite lozinku: ");
    if (second != first) {
        prompt << "Lozinke se razlikuju.\n";
        return std::nullopt;
    }
    return first;
}

} // namespace zarion::cli
