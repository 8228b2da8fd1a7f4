#pragma once

#include <string>

namespace zarion::demo {

// The note shown once, at the first start on a newly made demo base: what the demo company
// holds and where to begin.
std::string demoNote(int employees);

} // namespace zarion::demo
