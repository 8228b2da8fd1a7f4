#include "employees/LoanCreditorExport.h"

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "employees/DeductionCurrency.h"
#include "employees/LoanRecords.h"

namespace zarion::employees {
namespace {
constexpr Date RunningSince{2023, 7, 1};
}

report::SheetList creditorLoansSheet(db::Database& db, const std::vector<DeductionDefinition>& list,
                                     const std::string& prefix) {
    report::SheetList sheet;
    sheet.headings = {"Kreditor"_yu,   "Teku}i ra~un"_yu, "ID"_yu,     "Prezime i ime"_yu,
                      "Iznos rate"_yu, "Valuta"_yu,       "Period"_yu, "Poziv na broj"_yu};
    for (const DeductionDefinition& creditor : list) {
        for (const LoanLine& line : loansOfCreditor(db, creditor.id_obustava_proc, std::nullopt)) {
            const Loan& loan = line.loan;
            if (Date{loan.endYear, loan.endMonth, 1} < RunningSince)
                continue;
            sheet.rows.push_back(
                {creditor.obustava, creditor.tekuci_Racun, std::to_string(loan.ID_RADNIK),
                 line.employee, format(loan.Iznos, NumberFormat::Plain2), currencyCode(loan.valuta),
                 loanPeriodText(loan), trim(prefix + loan.POziv_na_broj)});
        }
    }
    return sheet;
}

} // namespace zarion::employees
