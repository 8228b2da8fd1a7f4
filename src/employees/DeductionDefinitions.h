#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/db/Database.h"

namespace zarion::employees {

// The kinds of deduction (obustaveproc.Tip).
enum class DeductionType {
    Percentage = 0, // a percentage of the net being paid
    Fixed = 1,      // a fixed monthly amount in dinars
    Variable = 2,   // an amount entered at calculation time
    Loan = 3,       // the creditor of loans: the instalment of each loan
};

// One row of obustaveproc: a standing deduction, or a creditor of loans (Tip 3).
struct DeductionDefinition {
    std::int64_t id_obustava_proc = 0;
    std::string obustava; // name, printed as the creditor
    double procenat = 0;  // percent (type 0), monthly dinars (1), default amount (2)
    int Tip = 0;
    std::string tekuci_Racun;
    bool zbirno_placanje = true; // paid with one collective payment order
    std::string grad;
    std::string konto;
    std::string poziv;
    bool obrisana = false;

    DeductionType type() const { return static_cast<DeductionType>(Tip); }
};

// The texts of the type box: "0 - Procentualna obustava", "1 - Fiksna obustava",
// "2 - Promenljiva obustava".
std::vector<std::string> standingTypeTexts();
// The value as the lists show it: "12.50 %" for a percentage, "1,000.00 RSD" otherwise.
std::string deductionValueText(const DeductionDefinition& definition);
// The creditor's payment mode: "1 - Plaćanje preko zbirnog naloga" or
// "0 - Plaćanje preko pojedinačnih naloga".
std::string paymentModeText(bool collective);
std::vector<std::string> paymentModeTexts(); // index 0 and 1 as the value

std::optional<DeductionDefinition> findDeduction(db::Database& db, std::int64_t id);
// Standing deductions not deleted, by type and number (types 0 to 2).
std::vector<DeductionDefinition> standingDeductions(db::Database& db);
// Creditors of loans not deleted, by number.
std::vector<DeductionDefinition> creditors(db::Database& db);
// Every creditor of loans by name, as the loan window offers them.
std::vector<DeductionDefinition> creditorsByName(db::Database& db);

// What a save of the edit panel came to: the new or changed row's number, or the message that
// refused it and the box the focus goes back to.
struct DefinitionSave {
    enum class Field { None, Name, Value, Account };
    std::int64_t id = 0;
    std::string refusal;
    Field focus = Field::None;
    bool missing = false; // the edited row was not found (an error box)
    bool ok() const { return refusal.empty(); }
};

// Saves a standing deduction (types 0 to 2): a new row when id_obustava_proc is 0, otherwise the
// row of that number. Name and account are trimmed; zbirno_placanje is always set.
DefinitionSave saveStandingDeduction(db::Database& db, const DeductionDefinition& definition);
// Saves a creditor of loans (Tip 3) with its payment mode.
DefinitionSave saveCreditor(db::Database& db, const DeductionDefinition& creditor);

} // namespace zarion::employees
