#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarion {

// Reference numbers of payment orders under model 97: two control digits and the rest, the
// control digits by ISO 7064 MOD 97-10 over the rest (letters count as 10 to 35, blanks and
// dashes are ignored).

// The two control digits for the rest of a reference ("1100" gives "97"); nothing when the rest
// holds a character other than digits, letters, blanks and dashes, or no digit or letter at all.
std::optional<std::string> model97ControlDigits(std::string_view rest);

// "<control digits><rest>", the reference for the rest.
std::optional<std::string> model97Reference(std::string_view rest);

// Whether a reference under model 97 carries the right control digits.
bool isValidModel97(std::string_view reference);

} // namespace zarion
