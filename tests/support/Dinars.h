#pragma once

#include "core/Currency.h"

namespace zarion::test {

// An amount written as the tests' figures are: "1234.56".
inline Currency din(const char* amount) {
    return Currency::parse(amount);
}

} // namespace zarion::test
