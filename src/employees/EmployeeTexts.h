#pragma once

#include <string>
#include <vector>

// The fixed choices of the employee register as its windows and lists show them.
namespace zarion::employees {

// Calculation type tip_obracuna 0..4 as offered on entry ("0 - Redovna zarada - Puno radno
// vreme") and as abbreviated in the list ("0-Red.rad puno RV"); an unknown value lists empty.
const std::vector<std::string>& calcTypeEntries();
std::string calcTypeListText(int calcType);

// Insured-person kind lines ("01 Zaposleni "); only the two-digit prefix is stored.
const std::vector<std::string>& insuredKindEntries();
std::string insuredKindCode(const std::string& entry);
// The line whose prefix is the stored code; empty for an unknown code.
std::string insuredKindEntry(const std::string& code);

// Education levels (sss): "I" … "VIII".
const std::vector<std::string>& educationLevels();
// Sex (pol): 1 = "1 - Ženski", 2 = "2 - Muški".
const std::vector<std::string>& sexEntries();

// Status box: "1 -  Aktivni RO" (two blanks), "2 - Neaktivan".
const std::vector<std::string>& statusEntries();
// Term box: "0-Neodređeno", "1-Određeno".
const std::vector<std::string>& termEntries();

// Filters of the list: type of employment (the number compared with tip_obracuna; the last
// entry "Svi tipovi obračuna" means every type) and term ("0 - Svi zaposleni", …).
const std::vector<std::string>& typeFilterEntries();
const std::vector<std::string>& termFilterEntries();

// The legend of the register window, one line per key.
const std::vector<std::string>& registerKeyLegend();

} // namespace zarion::employees
