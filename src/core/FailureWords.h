#pragma once

#include <exception>
#include <string>

namespace zarion {

// The system's words for a failure that ended a command: a database failure by its cause (busy,
// full disk, damaged file, …), a file or folder that cannot be written, an amount out of range,
// a division by zero; any other failure by its own message. Never the text of a statement.
std::string failureWords(const std::exception& failure);

// The message of a multi-row posting that stopped: why, and that none of it was stored.
std::string nothingPosted(const std::string& why);

} // namespace zarion
