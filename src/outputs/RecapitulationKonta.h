#pragma once

#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/db/Database.h"
#include "outputs/RecapitulationPayout.h"
#include "report/Document.h"

namespace zarion::outputs {

// The payouts whose accounts table konta keeps apart (konta.tabela).
enum class KontaKind { Salaries = 1, Compensation = 2 };

// What an account line of konta sums, by its number (konta.Broj), the number ordering the lines.
enum class KontaItem {
    Gross = 1,
    Net,
    Tax,
    PioEmployee,
    ZoEmployee,
    NezEmployee,
    PioEmployer,
    ZoEmployer,
    NezEmployer,
    AdditionalEmployer,
    Deductions,
    ToPay,
    TotalCost,
    Reduction,
};

// The item's sum over the payout's calculations; nothing for a number no item has.
Currency kontaItemSum(const PayoutSource& source, int item);

// One line of the recapitulation: the account, its description, and the sum on its side.
struct KontaLine {
    std::string konto;
    std::string Opis;
    Currency debit;
    Currency credit;
};

// The lines of the kind's accounts in konta, each with the sum of its item on its side
// (Strana "D…" the debit, any other the credit).
std::vector<KontaLine> kontaRecapitulation(db::Database& payroll, KontaKind kind,
                                           const PayoutSource& source);

// "REKAPITULACIJA BRUTO ZARADA" with the year, month and payment, and the sums of both sides.
report::Document kontaRecapitulationReport(const ListPrint& print, const PayoutSource& source,
                                           const std::vector<KontaLine>& lines);

} // namespace zarion::outputs
