#include "employees/DeductionParticipation.h"

#include <set>

#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::employees {

std::vector<Participant> participants(db::Database& db, std::int64_t deductionId) {
    std::set<std::int64_t> taking;
    auto rows = db.prepare("SELECT ID_RADNIK FROM obustave_radnici WHERE id_obustava = ?");
    rows.bindAll(deductionId);
    while (rows.step())
        taking.insert(rows.integer(0));

    std::vector<Participant> list;
    auto st =
        db.prepare("SELECT r.id_radnik, r.Prezime, r.Ime, "
                   "(SELECT o.Opis FROM obustave_radnici o WHERE o.ID_RADNIK = r.id_radnik "
                   " AND o.id_obustava = ? ORDER BY o.id_or LIMIT 1) "
                   "FROM radnici r WHERE r.nije_u_ro = 0 ORDER BY r.id_radnik");
    st.bindAll(deductionId);
    while (st.step()) {
        Participant p;
        p.id_radnik = st.integer(0);
        p.name = trim(st.text(1) + " " + st.text(2));
        p.Opis = st.text(3);
        p.takesPart = taking.count(p.id_radnik) > 0;
        list.push_back(std::move(p));
    }
    sortSerbian(list, [](const Participant& p) { return p.name; });
    return list;
}

void setForAll(db::Database& db, std::int64_t deductionId) {
    db::Transaction tx(db);
    db.run("DELETE FROM obustave_radnici WHERE id_obustava = ?", deductionId);
    db.run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj) "
           "SELECT ?, id_radnik, ?, ? FROM radnici WHERE nije_u_ro = 0 ORDER BY id_radnik",
           deductionId, StandingStart, StandingEnd);
    tx.commit();
}

void removeFromAll(db::Database& db, std::int64_t deductionId) {
    db.run("DELETE FROM obustave_radnici WHERE id_obustava = ?", deductionId);
}

bool takesPart(db::Database& db, std::int64_t deductionId, std::int64_t employeeId) {
    return db
        .scalar("SELECT 1 FROM obustave_radnici WHERE id_obustava = ? AND ID_RADNIK = ?",
                deductionId, employeeId)
        .has_value();
}

void addParticipation(db::Database& db, std::int64_t deductionId, std::int64_t employeeId) {
    db.run("INSERT INTO obustave_radnici(id_obustava, ID_RADNIK, POCETAK, kraj) "
           "VALUES (?, ?, ?, ?)",
           deductionId, employeeId, StandingStart, StandingEnd);
}

bool removeParticipation(db::Database& db, std::int64_t deductionId, std::int64_t employeeId) {
    db.run("DELETE FROM obustave_radnici WHERE id_obustava = ? AND ID_RADNIK = ?", deductionId,
           employeeId);
    return db.changes() > 0;
}

bool setNote(db::Database& db, std::int64_t deductionId, std::int64_t employeeId,
             const std::string& note) {
    db.run("UPDATE obustave_radnici SET Opis = ? WHERE id_obustava = ? AND ID_RADNIK = ?",
           trim(note), deductionId, employeeId);
    return db.changes() > 0;
}

std::vector<EmployeeDeduction> standingDeductionsOf(db::Database& db, std::int64_t employeeId) {
    std::vector<EmployeeDeduction> list;
    for (auto& definition : standingDeductions(db)) {
        const bool active = takesPart(db, definition.id_obustava_proc, employeeId);
        list.push_back({std::move(definition), active});
    }
    return list;
}

} // namespace zarion::employees
