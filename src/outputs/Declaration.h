#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"

namespace zarion::outputs {

// The 25 columns of a declaration row, in the order the window shows them. The exported ones
// carry the name of their element in the return.
enum class Col : std::size_t {
    RBr,                         // row number shown in the list; the export numbers rows itself
    VrstaIdentifikatoraPrimaoca, // "1": the personal number
    IdentifikatorPrimaoca,       // JMBG
    Prezime,
    Ime,
    OznakaPrebivalista, // municipality of residence, three digits
    SVP,                // income type code, nine digits
    BrojKalendarskihDana,
    BrojEfektivnihSati,
    MesecniFondSati,
    Bruto,
    OsnovicaPorez,
    Porez,
    OsnovicaDoprinosi,
    PIO, // both shares of each contribution together
    ZDR,
    NEZ,
    MFP1,
    MFP2,
    MFP4,
    MFP11,
    MFP12,
    NETO,     // net paid: read by the payment orders, not exported
    Obustave, // deductions withheld, not exported
    ID,       // id_radnik of the recipient, not exported
};
inline constexpr std::size_t DeclarationColumns = 25;

// The captions of the 25 columns.
const std::array<std::string, DeclarationColumns>& declarationHeadings();

// One recipient of the return. Every value is text exactly as the producer or the operator wrote
// it, amounts with "." before the decimals; only checked rows are totalled and exported.
struct DeclarationRow {
    bool checked = true;
    std::array<std::string, DeclarationColumns> texts;

    std::string& operator[](Col column) { return texts[static_cast<std::size_t>(column)]; }
    const std::string& operator[](Col column) const {
        return texts[static_cast<std::size_t>(column)];
    }
    // The numeric value of a column (numeric-prefix rule), exact to 1/10000.
    Currency amount(Col column) const;
    // What the recipient's bank gets: NETO less Obustave.
    Currency toPay() const { return amount(Col::NETO) - amount(Col::Obustave); }
    // The recipient's id_radnik, 0 when the row names none.
    std::int64_t employeeId() const;
};

// The seven summed amounts, Bruto to NEZ.
inline constexpr std::array<Col, 7> TotalledColumns = {
    Col::Bruto, Col::OsnovicaPorez, Col::Porez, Col::OsnovicaDoprinosi,
    Col::PIO,   Col::ZDR,           Col::NEZ};

// Exact fixed-point sums of the seven amounts, in the order of TotalledColumns.
struct DeclarationTotals {
    std::array<Currency, 7> sums;

    void add(const DeclarationRow& row);
    Currency operator[](Col column) const;
    bool operator==(const DeclarationTotals&) const = default;
};

// The sums over the checked rows.
DeclarationTotals checkedTotals(const std::vector<DeclarationRow>& rows);

// The payer header: the return's kind and period, the payment date and the payer, each named
// after the control that shows it.
struct DeclarationHeader {
    std::string POD11;  // kind of return, "1 - Op{ta prijava"; the number at its start is written
    std::string POD121; // month as the month list shows it, "03 - Mart"; its first two characters
    std::string POD122; // year
    Date POD14;         // payment date
    std::string POD21;  // payer type, "1 - Pravno lice"
    std::string POD22;  // tax identification number (PIB)
    std::string POD23;  // number of employees
    std::string POD25;  // registration number
    std::string POD26;  // payer's name
    std::string POD27;  // seat: municipality code
    std::string POD28;  // telephone
    std::string POD29;  // street and number
    std::string POD210; // e-mail
    bool NajnizaOsnovica = false; // a return for the lowest contribution base only
};

// The open declaration: header, rows in the list's order, and the two flags. The advance flag
// leaves out the final-payment mark and the calendar days; the final flag adds the special
// elements to every row.
struct Declaration {
    DeclarationHeader header;
    std::vector<DeclarationRow> rows;
    bool advance = false;
    bool finalPart = false;
};

// The entries of the kind list, the month list (calendar order) and the payer-type list.
const std::vector<std::string>& returnKinds();
const std::vector<std::string>& declarationMonths();
const std::vector<std::string>& payerTypes();

// The municipality as the return writes it: the last three characters of "000" and the number
// (7 → "007", 1234 → "234").
std::string municipalityCode(long long code);

} // namespace zarion::outputs
