#include "core/startup/Passwords.h"

#include <sodium.h>
#include <stdexcept>

namespace zarion::startup {
namespace {

void initialise() {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
}

} // namespace

std::string hashPassword(const std::string& password) {
    initialise();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return out;
}

bool isPasswordHash(const std::string& stored) {
    return stored.rfind("$argon2", 0) == 0;
}

bool passwordMatches(const std::string& stored, const std::string& typed) {
    if (!isPasswordHash(stored))
        return stored == typed;
    initialise();
    return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

} // namespace zarion::startup
