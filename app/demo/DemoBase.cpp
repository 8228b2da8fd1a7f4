#include "demo/DemoBase.h"

#include "DemoLogo.h"

namespace zarion::demo {

std::optional<std::filesystem::path> makeDemoBase(const std::filesystem::path& base,
                                                  const Clock& clock, const DemoOptions& options) {
    auto company = createDemoBase(base, clock, options);
    if (company)
        writeDemoLogo(*company);
    return company;
}

} // namespace zarion::demo
