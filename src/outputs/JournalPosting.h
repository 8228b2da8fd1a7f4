#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/JournalEntry.h"

namespace zarion::outputs {

// A journal type of the bookkeeping module, shown as "id - Opis".
struct JournalType {
    std::int64_t id = 0;
    std::string Opis;
    std::string caption() const;
};

// The journal types of the year's account schemes (table nalozi of KoSheme2.db), 100 at most.
std::vector<JournalType> journalTypes(db::Database& accountSchemes);

// Whether the bookkeeping module keeps the second ledger (k2_kontrol, setting "KNJIZENJE2").
bool secondLedgerInUse(db::Database& payroll);

// What the operator gives the order: its journal type (0 when none is chosen), prefix, number
// and text, the day it is booked on, and the payroll's month.
struct JournalOrder {
    JournalType type;
    std::string prefix;      // Nalog
    std::int64_t number = 0; // podnalog
    std::string text;
    Date date;
    int year = 0;
    int month = 0;
};

// Books the lines into the general journal in one transaction, replacing what was booked under
// the same journal type and number before; "Niste izabrali tip naloga za knjizenje!" without a
// type, "Nisu podešena konta naloga za knjiženje!" when a line has no account. Nothing is left
// of the order when a line cannot be stored.
Refused postToGeneralJournal(db::Database& payroll, const JournalOrder& order,
                             const std::vector<JournalLine>& lines);

// Books the lines into the second ledger in one transaction, the number being the day as "MMDD"
// and the text "Obr.zarada za: M/GGGG"; the same refusal without a type.
Refused postToSecondLedger(db::Database& payroll, const JournalOrder& order,
                           const std::vector<JournalLine>& lines);

// "Zavrseno je knjizenje naloga!"
std::string journalPostedMessage();

} // namespace zarion::outputs
