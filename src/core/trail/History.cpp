#include "core/trail/History.h"

#include <tuple>

#include "core/NumberFormat.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "core/trail/Trail.h"

namespace zarion::trail {
namespace {

// A value of the changes as the operator reads it: amounts and rates with two decimals in the
// Serbian form, whole numbers and texts as they are.
std::string shownValue(const db::Statement& st, int column, const std::string& type) {
    if (st.isNull(column))
        return {};
    if (type == "real")
        return format(st.number(column), NumberFormat::Grouped2);
    return st.text(column);
}

std::vector<ColumnChange> readChanges(db::Database& payroll, std::int64_t id) {
    std::vector<ColumnChange> changes;
    db::Statement st = payroll.prepare(
        "SELECT j.key, json_extract(j.value, '$[0]'), json_extract(j.value, '$[1]'), "
        "json_type(j.value, '$[0]'), json_type(j.value, '$[1]') "
        "FROM istorija_promena h, json_each(h.promene) j WHERE h.id_istorija = ?");
    st.bindAll(id);
    while (st.step())
        changes.push_back(
            {st.text(0), shownValue(st, 1, st.text(3)), shownValue(st, 2, st.text(4))});
    return changes;
}

// A salary's gross and net before and after its posting, kept in columns of their own.
void addSalaryChanges(const db::Statement& st, std::vector<ColumnChange>& changes) {
    const auto money = [&](int column) {
        return st.isNull(column) ? std::string() : format(st.money(column), NumberFormat::Grouped2);
    };
    for (const auto& [name, before, after] : {std::tuple{"BRUTO", 14, 15}, {"NETO", 16, 17}})
        if (!st.isNull(before) || !st.isNull(after))
            changes.push_back({name, money(before), money(after)});
}

std::optional<std::string> nonEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}
std::optional<std::int64_t> nonZero(std::int64_t value) {
    return value == 0 ? std::nullopt : std::optional<std::int64_t>(value);
}

} // namespace

std::vector<HistoryEntry> loadHistory(db::Database& payroll, const HistoryFilter& filter) {
    db::Statement st = payroll.prepare(
        "SELECT h.id_istorija, h.vreme, h.operater, h.komanda, h.vrsta, h.tabela, h.kljuc, "
        "h.id_radnik, h.mesec, h.godina, h.razlog, h.opis, h.promene, "
        "r.Prezime || ' ' || r.Ime AS radnik, h.bruto_pre, h.bruto_posle, h.neto_pre, "
        "h.neto_posle "
        "FROM istorija_promena h LEFT JOIN radnici r ON r.id_radnik = h.id_radnik "
        "WHERE (? IS NULL OR h.godina = ?) AND (? IS NULL OR h.mesec >= ?) "
        "AND (? IS NULL OR h.mesec <= ?) AND (? IS NULL OR h.operater = ?) "
        "AND (? IS NULL OR h.id_radnik = ?) AND (? IS NULL OR h.vrsta = ?) "
        "ORDER BY h.id_istorija");
    const auto year = nonZero(filter.year);
    const auto from = nonZero(filter.monthFrom);
    const auto to = nonZero(filter.monthTo);
    const auto employee = nonZero(filter.employeeId);
    const auto who = nonEmpty(filter.operatorName);
    const auto kind = nonEmpty(filter.kind);
    st.bindAll(year, year, from, from, to, to, who, who, employee, employee, kind, kind);
    std::vector<HistoryEntry> entries;
    while (st.step()) {
        HistoryEntry e;
        e.id = st.integer(0);
        e.when = st.text(1);
        e.operatorName = st.text(2);
        e.command = st.text(3);
        e.kind = st.text(4);
        e.table = st.text(5);
        e.key = st.text(6);
        e.employeeId = st.integer(7);
        e.month = static_cast<int>(st.integer(8));
        e.year = static_cast<int>(st.integer(9));
        e.reason = st.text(10);
        e.description = st.text(11);
        if (!st.isNull(12))
            e.changes = readChanges(payroll, e.id);
        e.employeeName = st.text(13);
        addSalaryChanges(st, e.changes);
        entries.push_back(std::move(e));
    }
    return entries;
}

std::vector<std::string> historyOperators(db::Database& payroll) {
    std::vector<std::string> names;
    db::Statement st = payroll.prepare("SELECT DISTINCT operater FROM istorija_promena "
                                       "WHERE COALESCE(operater, '') <> '' ORDER BY operater");
    while (st.step())
        names.push_back(st.text(0));
    return names;
}

std::vector<NamedEmployee> historyEmployees(db::Database& payroll) {
    std::vector<NamedEmployee> employees;
    db::Statement st = payroll.prepare(
        "SELECT r.id_radnik, COALESCE(r.Prezime, '') || ' ' || COALESCE(r.Ime, '') FROM radnici r "
        "WHERE r.id_radnik IN (SELECT id_radnik FROM istorija_promena)");
    while (st.step())
        employees.push_back({st.integer(0), st.text(1)});
    sortSerbian(employees, [](const NamedEmployee& e) { return e.name; });
    return employees;
}

const std::vector<KindCaption>& kindCaptions() {
    static const std::vector<KindCaption> captions = {
        {kind::Posted, "Knji`enje obra~una"},
        {kind::Reposted, "Ponovno knji`enje"},
        {kind::CalculationDeleted, "Brisanje obra~una"},
        {kind::Added, "Unos"},
        {kind::Changed, "Izmena"},
        {kind::Removed, "Brisanje"},
        {kind::Exported, "Izvoz fajla"},
        {kind::Filed, "Predat mesec"},
        {kind::Unfiled, "Povu~ena predaja"},
        {kind::SchemaMerged, "Dopuna {eme baze"},
        {kind::Procedure, "Pomo}na procedura"},
    };
    return captions;
}

std::string kindCaption(const std::string& kind) {
    for (const KindCaption& k : kindCaptions())
        if (kind == k.kind)
            return yuscii(k.caption);
    return kind;
}

std::string changesText(const std::vector<ColumnChange>& changes) {
    std::string text;
    for (const ColumnChange& c : changes)
        text += (text.empty() ? "" : "; ") + c.column + ": " + c.before + " -> " + c.after;
    return text;
}

} // namespace zarion::trail
