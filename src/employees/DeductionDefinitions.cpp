#include "employees/DeductionDefinitions.h"

#include "core/NumberFormat.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"

namespace zarion::employees {
namespace {

constexpr const char* Columns = "SELECT id_obustava_proc, obustava, procenat, Tip, tekuci_Racun, "
                                "zbirno_placanje, grad, konto, poziv, obrisana FROM obustaveproc ";

DeductionDefinition readDefinition(const db::Statement& st) {
    DeductionDefinition d;
    d.id_obustava_proc = st.integer(0);
    d.obustava = st.text(1);
    d.procenat = st.number(2);
    d.Tip = static_cast<int>(st.integer(3));
    d.tekuci_Racun = st.text(4);
    d.zbirno_placanje = st.flag(5);
    d.grad = st.text(6);
    d.konto = st.text(7);
    d.poziv = st.text(8);
    d.obrisana = st.flag(9);
    return d;
}

template <typename... Args>
std::vector<DeductionDefinition> readDefinitions(db::Database& db, const std::string& where,
                                                 const Args&... args) {
    std::vector<DeductionDefinition> rows;
    auto st = db.prepare(Columns + where);
    st.bindAll(args...);
    while (st.step())
        rows.push_back(readDefinition(st));
    return rows;
}

// Writes the row: a new one when the number is 0; false when the numbered row is gone.
bool writeDefinition(db::Database& db, const DeductionDefinition& d, std::int64_t& id) {
    if (d.id_obustava_proc == 0) {
        db.run("INSERT INTO obustaveproc(obustava, procenat, Tip, tekuci_Racun, zbirno_placanje, "
               "grad, konto, poziv, obrisana) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0)",
               d.obustava, d.procenat, d.Tip, d.tekuci_Racun, d.zbirno_placanje, d.grad, d.konto,
               d.poziv);
        id = db.lastInsertId();
        return true;
    }
    if (!findDeduction(db, d.id_obustava_proc))
        return false;
    db.run("UPDATE obustaveproc SET obustava = ?, procenat = ?, Tip = ?, tekuci_Racun = ?, "
           "zbirno_placanje = ?, grad = ?, konto = ?, poziv = ? WHERE id_obustava_proc = ?",
           d.obustava, d.procenat, d.Tip, d.tekuci_Racun, d.zbirno_placanje, d.grad, d.konto,
           d.poziv, d.id_obustava_proc);
    id = d.id_obustava_proc;
    return true;
}

DefinitionSave refuse(std::string message, DefinitionSave::Field focus) {
    DefinitionSave result;
    result.refusal = std::move(message);
    result.focus = focus;
    return result;
}

DefinitionSave save(db::Database& db, DeductionDefinition d) {
    d.obustava = trim(d.obustava);
    d.tekuci_Racun = trim(d.tekuci_Racun);
    d.grad = trim(d.grad);
    d.konto = trim(d.konto);
    d.poziv = trim(d.poziv);
    if (d.obustava.empty())
        return refuse("Niste uneli naziv!"_yu, DefinitionSave::Field::Name);
    if (d.tekuci_Racun.empty())
        return refuse("Niste uneli tekuci racun!"_yu, DefinitionSave::Field::Account);
    if (d.procenat == 0 && d.type() != DeductionType::Variable && d.type() != DeductionType::Loan)
        return refuse("Niste uneli procenat ili iznos!"_yu, DefinitionSave::Field::Value);
    DefinitionSave result;
    if (!writeDefinition(db, d, result.id)) {
        result = refuse("Greska kod pronalazenja obustave u bazi!"_yu, DefinitionSave::Field::None);
        result.missing = true;
    }
    return result;
}

} // namespace

std::vector<std::string> standingTypeTexts() {
    return {"0 - Procentualna obustava"_yu, "1 - Fiksna obustava"_yu,
            "2 - Promenljiva obustava"_yu};
}

std::string deductionValueText(const DeductionDefinition& definition) {
    const std::string value = format(definition.procenat, NumberFormat::Grouped2);
    return definition.type() == DeductionType::Percentage ? value + " %" : value + " RSD";
}

std::string paymentModeText(bool collective) {
    return collective ? "1 - Pla}anje preko zbirnog naloga"_yu
                      : "0 - Pla}anje preko pojedina~nih naloga"_yu;
}

std::vector<std::string> paymentModeTexts() {
    return {paymentModeText(false), paymentModeText(true)};
}

std::optional<DeductionDefinition> findDeduction(db::Database& db, std::int64_t id) {
    auto rows = readDefinitions(db, "WHERE id_obustava_proc = ?", id);
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

std::vector<DeductionDefinition> standingDeductions(db::Database& db) {
    return readDefinitions(db, "WHERE obrisana = 0 AND Tip <> 3 ORDER BY Tip, id_obustava_proc");
}

std::vector<DeductionDefinition> creditors(db::Database& db) {
    return readDefinitions(db, "WHERE obrisana = 0 AND Tip = 3 ORDER BY id_obustava_proc");
}

std::vector<DeductionDefinition> creditorsByName(db::Database& db) {
    auto list = readDefinitions(db, "WHERE Tip = 3 ORDER BY id_obustava_proc");
    sortSerbian(list, [](const DeductionDefinition& d) { return d.obustava; });
    return list;
}

DefinitionSave saveStandingDeduction(db::Database& db, const DeductionDefinition& definition) {
    DeductionDefinition d = definition;
    d.zbirno_placanje = true;
    return save(db, d);
}

DefinitionSave saveCreditor(db::Database& db, const DeductionDefinition& creditor) {
    DeductionDefinition d = creditor;
    d.Tip = static_cast<int>(DeductionType::Loan);
    d.procenat = 0;
    return save(db, d);
}

} // namespace zarion::employees
