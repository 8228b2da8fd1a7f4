#include "outputs/Declaration.h"

#include "core/NumericText.h"
#include "core/Text.h"

namespace zarion::outputs {

const std::array<std::string, DeclarationColumns>& declarationHeadings() {
    static const std::array<std::string, DeclarationColumns> headings = {"R.br",
                                                                         "Ident",
                                                                         "JMBG",
                                                                         "Prezime",
                                                                         "Ime",
                                                                         "Prebiv.",
                                                                         "[ifra vr.prihoda"_yu,
                                                                         "Br.dana",
                                                                         "Br.sati",
                                                                         "Fond sati",
                                                                         "BRUTO",
                                                                         "Osn.Poreza",
                                                                         "Porez",
                                                                         "Osn.doprinosa",
                                                                         "PIO",
                                                                         "ZDR",
                                                                         "NEZ",
                                                                         "MFP1",
                                                                         "MFP2",
                                                                         "MFP4",
                                                                         "MFP11",
                                                                         "MFP12",
                                                                         "NETO",
                                                                         "Obustave",
                                                                         "ID"};
    return headings;
}

Currency DeclarationRow::amount(Col column) const {
    return Currency::parse((*this)[column]);
}

std::int64_t DeclarationRow::employeeId() const {
    return wholeValue((*this)[Col::ID]);
}

void DeclarationTotals::add(const DeclarationRow& row) {
    for (std::size_t i = 0; i < TotalledColumns.size(); ++i)
        sums[i] += row.amount(TotalledColumns[i]);
}

Currency DeclarationTotals::operator[](Col column) const {
    return sums[static_cast<std::size_t>(column) - static_cast<std::size_t>(Col::Bruto)];
}

DeclarationTotals checkedTotals(const std::vector<DeclarationRow>& rows) {
    DeclarationTotals totals;
    for (const DeclarationRow& row : rows)
        if (row.checked)
            totals.add(row);
    return totals;
}

const std::vector<std::string>& returnKinds() {
    static const std::vector<std::string> kinds = {
        "1 - Op{ta prijava"_yu, "2 - Prijava po slu`benoj du`nosti"_yu, "3 - Samooporezivanje",
        "4 - Prijava po kontroli", "5 - Prijava po sudskoj odluci"};
    return kinds;
}

const std::vector<std::string>& declarationMonths() {
    static const std::vector<std::string> months = {
        "01 - Januar",    "02 - Februar", "03 - Mart",     "04 - April",
        "05 - Maj",       "06 - Jun",     "07 - Jul",      "08 - Avgust",
        "09 - Septembar", "10 - Oktobar", "11 - Novembar", "12 - Decembar"};
    return months;
}

const std::vector<std::string>& payerTypes() {
    static const std::vector<std::string> types = {"1 - Pravno lice", "2 - Preduzetnik",
                                                   "3 - Fizi~ko lice"_yu};
    return types;
}

std::string municipalityCode(long long code) {
    const std::string text = "000" + std::to_string(code);
    return text.substr(text.size() - 3);
}

} // namespace zarion::outputs
