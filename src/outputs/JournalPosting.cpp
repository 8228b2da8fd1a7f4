#include "outputs/JournalPosting.h"

#include <cstdio>

#include "core/Text.h"

namespace zarion::outputs {
namespace {

// A journal type is chosen and every line has its account.
Refused checkOrder(const JournalOrder& order, const std::vector<JournalLine>& lines) {
    if (order.type.id == 0)
        return warning("Niste izabrali tip naloga za knjizenje!"_yu);
    for (const JournalLine& line : lines)
        if (trim(line.konto).empty())
            return warning("Nisu pode{ena konta naloga za knji`enje!"_yu);
    return std::nullopt;
}

} // namespace

std::string JournalType::caption() const {
    return std::to_string(id) + " - " + Opis;
}

std::vector<JournalType> journalTypes(db::Database& accountSchemes) {
    std::vector<JournalType> types;
    db::Statement st =
        accountSchemes.prepare("SELECT id_nalog, Opis FROM nalozi ORDER BY id_nalog");
    while (types.size() < 100 && st.step())
        types.push_back({st.integer(0), st.text(1)});
    return types;
}

bool secondLedgerInUse(db::Database& payroll) {
    db::Statement st =
        payroll.prepare("SELECT aktivno FROM k2_kontrol WHERE UPPER(podesavanje) = 'KNJIZENJE2'");
    return st.step() && st.flag(0);
}

Refused postToGeneralJournal(db::Database& payroll, const JournalOrder& order,
                             const std::vector<JournalLine>& lines) {
    if (Refused refused = checkOrder(order, lines))
        return refused;
    db::Transaction tx(payroll);
    payroll.run("DELETE FROM Nalogzaknjizenje_opsti WHERE id_tip_naloga = ? AND podnalog = ?",
                order.type.id, order.number);
    if (payroll.scalar("SELECT count(*) FROM NalogZaKnjizenje WHERE id_nalog = ?", order.type.id)
            .value_or(0) == 0)
        payroll.run("INSERT INTO NalogZaKnjizenje(id_nalog, Nalog, Opis) VALUES (?, ?, ?)",
                    order.type.id, order.prefix, order.type.Opis);
    for (const JournalLine& line : lines)
        payroll.run("INSERT INTO Nalogzaknjizenje_opsti(id_tip_naloga, konto, analitika, "
                    "id_nalog, Nalog, podnalog, Opis, duguje, potrazuje, Datum, opis_konta, "
                    "pocetno_stanje, kartica_klijenta, brojdokumenta, KURSEVRA, Dugujeeur, "
                    "potrazujeeur) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ' ', 0, 0, 0)",
                    order.type.id, line.konto, line.analitika, order.type.id, order.prefix,
                    order.number, order.text + " - " + line.text, line.duguje, line.potrazuje,
                    order.date, line.opis_konta, line.analitika);
    tx.commit();
    return std::nullopt;
}

Refused postToSecondLedger(db::Database& payroll, const JournalOrder& order,
                           const std::vector<JournalLine>& lines) {
    if (Refused refused = checkOrder(order, lines))
        return refused;
    char day[8];
    std::snprintf(day, sizeof day, "%02d%02d", order.date.month, order.date.day);
    const std::string text =
        "Obr.zarada za: "_yu + std::to_string(order.month) + "/" + std::to_string(order.year);
    db::Transaction tx(payroll);
    for (const JournalLine& line : lines)
        payroll.run("INSERT INTO k2_glavna_knjiga(konto, analitika, id_nalog, Nalog, podnalog, "
                    "Opis, duguje, potrazuje, Datum, opis_konta, pocetno_stanje, ceokonto, "
                    "id_dokument, tip_dokument) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, 0, 0)",
                    line.konto, line.analitika, order.type.id, order.type.Opis, std::string(day),
                    text, line.duguje, line.potrazuje, order.date, line.opis_konta,
                    line.fullAccount());
    tx.commit();
    return std::nullopt;
}

std::string journalPostedMessage() {
    return "Zavrseno je knjizenje naloga!"_yu;
}

} // namespace zarion::outputs
