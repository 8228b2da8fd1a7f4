#include "core/startup/DataRootSetup.h"

#include "Templates.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Paths.h"

namespace fs = std::filesystem;

namespace zarion::startup {

long long compiledSchemaVersion() {
    static const long long version = [] {
        const auto scratch = db::Database::create(":memory:");
        scratch->execScript(schema::payrollSql());
        return schemaVersion(*scratch);
    }();
    return version;
}

void prepareDataRoot(const fs::path& dataRoot) {
    fs::create_directories(dataRoot);
    if (!fs::exists(registerPath(dataRoot)))
        createRegister(dataRoot / "firme.db");

    const fs::path templ = templatePath(dataRoot);
    if (fs::exists(templ)) {
        const long long installed = schemaVersion(*db::Database::open(templ));
        if (installed >= compiledSchemaVersion())
            return;
        fs::rename(templ, fs::path(templ).concat(".old"));
    }
    createPayrollTemplate(templ);
    if (!fs::exists(templ.parent_path() / "backtarlen.db"))
        createMasterData(templ.parent_path() / "backtarlen.db");
}

} // namespace zarion::startup
