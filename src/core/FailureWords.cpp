#include "core/FailureWords.h"

#include <filesystem>
#include <stdexcept>

#include "core/Text.h"
#include "core/db/Database.h"

namespace zarion {
namespace {

std::string databaseWords(const db::Error& error) {
    using Cause = db::Error::Cause;
    switch (error.cause()) {
    case Cause::Busy:
        return "Baza je zauzeta od strane drugog programa! Poku{ajte ponovo kada drugi program "
               "zavr{i rad sa bazom."_yu;
    case Cause::Full:
        return "Nema vi{e mesta na disku za bazu podataka!"_yu;
    case Cause::Io:
        return "Gre{ka kod ~itanja ili upisa baze podataka na disk!"_yu;
    case Cause::Corrupt:
        return "Baza podataka je o{te}ena!"_yu;
    case Cause::ReadOnly:
        return "Baza podataka je samo za ~itanje: upis nije mogu}!"_yu;
    case Cause::CannotOpen:
        return "Baza podataka ne mo`e da se otvori!"_yu;
    case Cause::Constraint:
        return "Podatak nije dozvoljen u bazi podataka (ponovljen ili nedozvoljen podatak)!"_yu;
    case Cause::RolledBack:
        return "Baza podataka je poni{tila zapo~ete izmene!"_yu;
    case Cause::Other:
        break;
    }
    return "Gre{ka u bazi podataka: "_yu + error.reason();
}

} // namespace

std::string failureWords(const std::exception& failure) {
    if (const auto* database = dynamic_cast<const db::Error*>(&failure))
        return databaseWords(*database);
    if (const auto* file = dynamic_cast<const std::filesystem::filesystem_error*>(&failure)) {
        const std::error_code code = file->code();
        if (code == std::errc::read_only_file_system || code == std::errc::permission_denied)
            return "Folder sa podacima je samo za ~itanje: upis u "_yu + file->path1().string() +
                   " nije mogu}!"_yu;
        return "Gre{ka u radu sa fajlom "_yu + file->path1().string() + "!";
    }
    if (dynamic_cast<const std::overflow_error*>(&failure))
        return "Iznos je van dozvoljenog opsega!"_yu;
    if (dynamic_cast<const std::domain_error*>(&failure))
        return "Deljenje nulom!"_yu;
    return failure.what();
}

std::string nothingPosted(const std::string& why) {
    return why + " " + "Ni{ta nije proknji`eno."_yu;
}

} // namespace zarion
