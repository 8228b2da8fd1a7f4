#include "employees/EmployeeTexts.h"

#include "core/Text.h"

namespace zarion::employees {

namespace {

std::vector<std::string> fixedTexts(std::initializer_list<const char*> texts) {
    std::vector<std::string> result;
    for (const char* text : texts)
        result.push_back(yuscii(text));
    return result;
}

} // namespace

const std::vector<std::string>& calcTypeEntries() {
    static const auto entries = fixedTexts({
        "0 - Redovna zarada - Puno radno vreme",
        "1 - Redovna zarada - Nepuno radno vreme",
        "2 -Obra~un sa olak{icama",
        "3 -Po minimalnoj bruto osnovici ",
        "4 -Po maksimalnoj bruto osnovici",
    });
    return entries;
}

std::string calcTypeListText(int calcType) {
    static const auto texts = fixedTexts({
        "0-Red.rad puno RV",
        "1-Red.rad NEPUNO RV",
        "2-Obr. sa OLAK[ICAMA",
        "3-Minimalna BRUTO",
        "4-Maksimalna BRUTO",
    });
    if (calcType < 0 || calcType >= static_cast<int>(texts.size()))
        return {};
    return texts[static_cast<std::size_t>(calcType)];
}

const std::vector<std::string>& insuredKindEntries() {
    static const auto entries = fixedTexts({
        "01 Zaposleni ",
        "02 Osnivac zaposlen u drustvu",
        "03 Samostalna delatnost",
        "04 Poljoprivreda",
        "05 Lice koje nije osigurano po drugom osnovu",
        "06 Nerezident",
        "07 Invalidno lice",
        "08 Vojni osiguranik",
        "09 Lice penzioner po osnovu zaposlenosti",
        "10 Lice penzioner po osnovu samostalne delatnosti",
        "11 Lice kome se isplaciju prihodi van radnog odnosa",
    });
    return entries;
}

std::string insuredKindCode(const std::string& entry) {
    return trim(entry).substr(0, 2);
}

std::string insuredKindEntry(const std::string& code) {
    for (const std::string& entry : insuredKindEntries())
        if (!code.empty() && insuredKindCode(entry) == trim(code))
            return entry;
    return {};
}

const std::vector<std::string>& educationLevels() {
    static const std::vector<std::string> levels = {"I",  "II",    "III",   "IV",  "V",
                                                    "VI", "VII-1", "VII-2", "VIII"};
    return levels;
}

const std::vector<std::string>& sexEntries() {
    static const auto entries = fixedTexts({"1 - @enski", "2 - Mu{ki"});
    return entries;
}

const std::vector<std::string>& statusEntries() {
    static const auto entries = fixedTexts({"1 -  Aktivni RO", "2 - Neaktivan"});
    return entries;
}

const std::vector<std::string>& termEntries() {
    static const auto entries = fixedTexts({"0-Neodre|eno", "1-Odre|eno"});
    return entries;
}

const std::vector<std::string>& typeFilterEntries() {
    static const auto entries = fixedTexts({
        "0 - Stalni radni odnos",
        "1 - Pripravnik",
        "2 - Volonter",
        "3 - Javni radovi",
        "4 - Ugovor o delu",
        "Svi tipovi obra~una",
    });
    return entries;
}

const std::vector<std::string>& termFilterEntries() {
    static const auto entries =
        fixedTexts({"0 - Svi zaposleni", "1 - Neodredjeno", "2 - Odredjeno"});
    return entries;
}

const std::vector<std::string>& registerKeyLegend() {
    static const auto legend = fixedTexts({
        "F5  - Novi radnik",
        "F6 - A`uriranje podataka",
        "F9 - Brisanje radnika",
        "CTRL + T - pretra`ivanje",
        "CTRL+P - VLASNIK (plava boja)",
    });
    return legend;
}

} // namespace zarion::employees
