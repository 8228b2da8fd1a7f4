#include "employees/EmployeeSearch.h"

#include "core/Text.h"

namespace zarion::employees {

std::vector<FoundEmployee> findEmployees(db::Database& db, const std::string& fragment) {
    // SQLite's upper() and LIKE fold ASCII letters only, so the comparison is made here.
    const std::string wanted = toUpper(trim(fragment));
    std::vector<FoundEmployee> found;
    db::Statement st =
        db.prepare("SELECT id_radnik, Prezime, Ime, tekuci_Racun FROM radnici ORDER BY id_radnik");
    while (st.step()) {
        FoundEmployee e{st.integer(0), st.text(1), st.text(2), st.text(3)};
        if (toUpper(e.surname).find(wanted) != std::string::npos ||
            toUpper(e.name).find(wanted) != std::string::npos)
            found.push_back(std::move(e));
    }
    return found;
}

std::string employeeName(db::Database& db, std::int64_t id) {
    db::Statement st = db.prepare("SELECT Prezime, Ime FROM radnici WHERE id_radnik = ?");
    st.bind(1, id);
    return st.step() ? st.text(0) + " " + st.text(1) : std::string();
}

} // namespace zarion::employees
