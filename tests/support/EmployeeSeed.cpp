#include "EmployeeSeed.h"

#include <utility>
#include <variant>
#include <vector>

namespace zarion::test {

std::int64_t addEmployee(db::Database& db, const EmployeeSeed& seed) {
    using Value = std::variant<std::string, std::int64_t, double, bool, Date>;
    std::vector<std::pair<const char*, Value>> columns = {
        {"Prezime", seed.surname},
        {"Ime", seed.name},
        {"nije_u_ro", seed.inactive},
        {"vlasnik", seed.owner},
        {"tip_obracuna", std::int64_t{seed.calcType}}};
    const auto add = [&](const char* column, const auto& value) {
        if (value)
            columns.emplace_back(column, *value);
    };
    add("JMBG", seed.jmbg);
    add("id_rj", seed.unit);
    add("ID_BAnka", seed.bank);
    add("KOEFICIJENT", seed.coefficient);
    add("Datum", seed.employed);
    add("na_odredjeno", seed.termEnd ? std::optional(true) : std::nullopt);
    add("datum_na_odredjeno", seed.termEnd);
    add("tekuci_Racun", seed.account);
    add("isplata_preko_racuna", seed.intoAccount);
    add("radno_mesto", seed.jobTitle);
    add("sss", seed.qualification);
    add("ADRESA", seed.address);
    add("sifra_opstine", seed.municipality);
    add("vrsta", seed.insuredKind);

    std::string names;
    std::string marks;
    for (const auto& column : columns) {
        names += (names.empty() ? "" : ", ") + std::string(column.first);
        marks += marks.empty() ? "?" : ", ?";
    }
    db::Statement insert = db.prepare("INSERT INTO radnici(" + names + ") VALUES (" + marks + ")");
    int index = 0;
    for (const auto& column : columns)
        std::visit([&](const auto& value) { insert.bind(++index, value); }, column.second);
    insert.run();
    return db.lastInsertId();
}

} // namespace zarion::test
