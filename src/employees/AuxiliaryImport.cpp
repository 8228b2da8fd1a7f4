#include "employees/AuxiliaryImport.h"

#include <array>

#include "core/Text.h"
#include "core/db/Database.h"
#include "core/startup/Paths.h"

namespace zarion::employees {

std::filesystem::path auxiliaryDatabasePath(const std::filesystem::path& companyFolder) {
    return startup::findIgnoringCase(companyFolder, "platepom.db");
}

int bankPositionForRs(std::int64_t rs) {
    constexpr std::array<std::int64_t, 6> codes = {1, 2, 3, 4, 6, 13};
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == rs)
            return static_cast<int>(i);
    return -1;
}

ImportResult importFromAuxiliary(const std::filesystem::path& auxiliaryDb, std::int64_t mbr) {
    const auto db = db::Database::open(auxiliaryDb);
    db::Statement st = db->prepare("SELECT * FROM radnici WHERE mbr = ?");
    st.bind(1, mbr);
    if (!st.step())
        return {std::nullopt, warning("Nije pronadjen zaposleni sa MBR: " + std::to_string(mbr))};

    ImportedEmployee e;
    const std::string fullName = st.text("prezime i ime");
    const auto blank = fullName.find(' ');
    e.prezime = fullName.substr(0, blank);
    e.ime = blank == std::string::npos ? std::string() : trim(fullName.substr(blank + 1));
    e.jmbg = st.text("jmbg");
    e.lbo = st.text("lbo");
    e.adresa = st.text("adresa");
    e.unitPosition = static_cast<int>(st.integer("radna jedinica")) - 1;
    e.radnoMesto = st.text("opis");
    e.koeficijent = st.number("koeficijent ld");
    e.sss = st.text("ss");
    e.sifraVrstePrihoda = st.text("sifra_vrste_prihoda");
    const int year = static_cast<int>(st.integer("staz pocetak godina"));
    const int month = static_cast<int>(st.integer("MEsec"));
    e.datum = Date{year, month < 1 || month > 12 ? 1 : month, 1};
    e.tekuciRacun = st.text("PARTIJA - Tekuci racun");
    e.bankPosition = bankPositionForRs(st.integer("rs"));
    return {std::move(e), std::nullopt};
}

} // namespace zarion::employees
