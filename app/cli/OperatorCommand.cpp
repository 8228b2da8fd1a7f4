#include "cli/OperatorCommand.h"

#include <cstdlib>
#include <iostream>

#include "core/NumericText.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"

namespace zarion::cli {

int operatorCommand(const Arguments& args) {
    const auto login = args.get("login");
    const auto password = args.get("password");
    if (!login || !password) {
        std::cerr << "upotreba: zarion-cli operator --login IME --password LOZINKA "
                     "[--ime IME] [--prezime PREZIME] [--pristup BROJ_FIRME]\n";
        return 2;
    }
    const auto base = startup::baseFolder(std::getenv("ZARION_BASE"), std::getenv("HOME"));
    const auto dataRoot = startup::chooseDataRoot(base);
    startup::prepareDataRoot(dataRoot);
    const auto registerDb = db::Database::open(startup::registerPath(dataRoot));
    std::optional<int> access;
    if (const auto pristup = args.get("pristup"))
        access = static_cast<int>(wholeValue(*pristup));
    const auto id = startup::saveOperator(*registerDb, *login, *password, args.get("ime"),
                                          args.get("prezime"), access);
    std::cout << "Operater " << *login << " (ID " << id << ") je snimljen u "
              << registerDb->path().string() << "\n";
    return 0;
}

} // namespace zarion::cli
