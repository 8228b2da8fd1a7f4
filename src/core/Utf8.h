#pragma once

#include <string>
#include <string_view>

namespace zarion::utf8 {

// Counts and cuts UTF-8 text by characters (code points), not bytes, so that a name holding
// "Š" pads to the same width as one holding "S".
std::size_t length(std::string_view text);
std::string left(std::string_view text, std::size_t characters);

// Calls f(codePoint) for each character; invalid bytes pass through as themselves.
template <typename F> void forEachCodePoint(std::string_view text, F&& f);

std::string encode(char32_t codePoint);

} // namespace zarion::utf8

#include "core/Utf8.inl"
