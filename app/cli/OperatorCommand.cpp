#include "cli/OperatorCommand.h"

#include <cstdlib>
#include <iostream>

#include "cli/PasswordInput.h"
#include "core/Text.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Operators.h"
#include "core/startup/Paths.h"

namespace zarion::cli {
namespace {

int usage() {
    std::cerr << "upotreba: zarion-cli operator --login IME [--password LOZINKA] "
                 "[--ime IME] [--prezime PREZIME] [--pristup BROJ_FIRME]\n"
                 "bez --password lozinka se unosi na terminalu (ili u prvom redu ulaza)\n";
    return 2;
}

} // namespace

int operatorCommand(const Arguments& args) {
    const auto login = args.get("login");
    if (!login)
        return usage();
    const std::string name = trim(*login);
    if (name.empty()) {
        std::cerr << "Ime za prijavu (--login) ne moze biti prazno.\n";
        return 1;
    }
    std::optional<int> access;
    if (const auto pristup = args.get("pristup")) {
        access = wholeNumber(*pristup); // the one company the operator may open, 0 for all
        if (!access) {
            std::cerr << "--pristup mora biti ceo broj od 0 navise (broj firme, 0 za sve firme): "
                      << *pristup << "\n";
            return 1;
        }
    }
    const auto password =
        args.get("password") ? args.get("password") : readPassword(std::cin, std::cerr);
    if (!password) {
        std::cerr << "Lozinka nije uneta.\n";
        return 1;
    }
    if (trim(*password).empty()) {
        std::cerr << "Lozinka ne moze biti prazna.\n";
        return 1;
    }
    const auto base = startup::baseFolder(std::getenv("ZARION_BASE"), std::getenv("HOME"));
    const auto dataRoot = startup::chooseDataRoot(base);
    startup::prepareDataRoot(dataRoot);
    const auto registerDb = db::Database::open(startup::registerPath(dataRoot));
    const auto id = startup::saveOperator(*registerDb, name, *password, args.get("ime"),
                                          args.get("prezime"), access);
    std::cout << "Operater " << name << " (ID " << id << ") je snimljen u "
              << registerDb->path().string() << "\n";
    return 0;
}

} // namespace zarion::cli
