#pragma once

#include <string>

namespace zarion::startup {

// Operators' passwords are kept as salted hashes. A stored value that is no hash is a plain
// password left by an older register: it is compared as it stands and then replaced.
std::string hashPassword(const std::string& password);
bool isPasswordHash(const std::string& stored);
bool passwordMatches(const std::string& stored, const std::string& typed);

} // namespace zarion::startup
