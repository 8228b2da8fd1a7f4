#include "core/startup/Paths.h"

#include <fstream>

#include "core/Text.h"

namespace fs = std::filesystem;

namespace zarion::startup {

fs::path baseFolder(const char* zarionBase, const char* home) {
    if (zarionBase && *zarionBase)
        return fs::path(zarionBase);
    return fs::path(home && *home ? home : ".") / "tarlen";
}

fs::path driveFolder(const fs::path& base, char letter) {
    const fs::path folder =
        base / "drive" / std::string(1, static_cast<char>(std::toupper(letter)));
    fs::create_directories(folder);
    return folder;
}

fs::path chooseDataRoot(const fs::path& base) {
    const fs::path marker = base / "KOA.txt";
    if (!fs::exists(marker)) {
        fs::create_directories(base);
        std::ofstream(marker, std::ios::binary).flush();
    }
    std::ifstream in(marker, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const char last = bytes.empty() ? '\0' : bytes.back();
    if (last == '1')
        return driveFolder(base, 'Y');
    if (last == '2')
        return driveFolder(base, 'Z') / "kontora";
    return base / "kontora";
}

fs::path findIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec))
        return folder / name;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (equalsIgnoreCase(entry.path().filename().string(), name))
            return entry.path();
    return folder / name;
}

fs::path registerPath(const fs::path& dataRoot) {
    return findIgnoringCase(dataRoot, "firme.db");
}
fs::path templateFolder(const fs::path& dataRoot) {
    return findIgnoringCase(dataRoot, "prazna");
}
fs::path templatePath(const fs::path& dataRoot) {
    return findIgnoringCase(templateFolder(dataRoot), "plate.db");
}

fs::path companyFolder(const fs::path& dataRoot, int year, long long companyId) {
    const fs::path yearFolder = findIgnoringCase(dataRoot, "G" + std::to_string(year));
    return findIgnoringCase(yearFolder, "f" + std::to_string(companyId));
}

fs::path payrollPath(const fs::path& dataRoot, int year, long long companyId) {
    return findIgnoringCase(companyFolder(dataRoot, year, companyId), "plate.db");
}

fs::path logoPath(const fs::path& dataRoot, int year, long long companyId) {
    return findIgnoringCase(companyFolder(dataRoot, year, companyId), "logo.jpg");
}

fs::path masterDataPath(const fs::path& dataRoot, int year, long long companyId) {
    return findIgnoringCase(companyFolder(dataRoot, year, companyId), "backtarlen.db");
}

fs::path accountSchemesPath(const fs::path& dataRoot, int year) {
    return findIgnoringCase(findIgnoringCase(dataRoot, "G" + std::to_string(year)), "KoSheme2.db");
}

} // namespace zarion::startup
