#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zarion::test {

// Expects every part somewhere in the text; a missing part is named, with the text it is not in.
inline void expectContains(const std::string& text, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts)
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
}

} // namespace zarion::test
