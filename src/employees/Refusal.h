#pragma once

#include "core/Outcome.h"

namespace zarion::employees {

using zarion::error;
using zarion::Refusal;
using zarion::Refused;
using zarion::warning;

} // namespace zarion::employees
