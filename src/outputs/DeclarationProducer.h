#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/Declaration.h"
#include "payroll/Settings.h"
#include "report/CompanyHeader.h"

namespace zarion::outputs {

// What a payout list hands the return: its rows in its own order, the month it pays and the
// flags it sets.
struct DeclarationFill {
    int year = 0;
    int month = 0;
    std::vector<DeclarationRow> rows;
    bool advance = false;
    bool finalPart = false;
};

// Every payout list that declares what it paid fills the return through this.
class DeclarationProducer {
public:
    virtual ~DeclarationProducer() = default;
    virtual Outcome<DeclarationFill> fill() = 0;
};

// The payer data kept for the return (the first record of podaci_ppppd).
struct PayerData {
    std::string sifra_opstine;
    std::string email;
    std::string uk_radnika;
    std::string tip_isplatioca;
};
std::optional<PayerData> loadPayerData(db::Database& payroll);

// The identification columns every producer writes: "1", the personal number, surname, first
// name and the three-digit municipality.
DeclarationRow recipientRow(const std::string& JMBG, const std::string& Prezime,
                            const std::string& Ime, long long sifra_opstine);

// The monthly fund of hours of the return: the fixed fund of the settings when set, otherwise
// the Monday-to-Friday days of the month times 8.
int declarationHoursFund(int year, int month, const payroll::Settings& settings);

// The return a producer opens: the first kind of return, the producer's month and year, the
// payment date, the payer from podaci_ppppd and the company record, every row checked and
// numbered, and the producer's flags.
Declaration openDeclaration(DeclarationFill fill, const std::optional<PayerData>& payer,
                            const report::CompanyData& company, Date paymentDate);

} // namespace zarion::outputs
