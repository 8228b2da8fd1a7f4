#pragma once

#include <string>

#include "core/startup/CompanyData.h"
#include "parameters/ReturnGrid.h"
#include "report/Document.h"

namespace zarion::parameters {

// Which official form a grid is printed on.
enum class ReturnForm {
    PorezNaZarade,
    PorezNaNaknade,
    Doprinosi,
    DoprinosiPreduzetnik, // the entrepreneur's own salary, "PP OD-P"
    DoprinosiNaknade,
};

// The salary contribution forms, PP OD and PP OD-P: with the AOP codes and the accounts.
inline bool isSalaryContributions(ReturnForm form) {
    return form == ReturnForm::Doprinosi || form == ReturnForm::DoprinosiPreduzetnik;
}

// What the form carries besides its grid.
struct ReturnPrint {
    ReturnForm form = ReturnForm::PorezNaZarade;
    startup::CompanyData company;
    int month = 0;
    int year = 0;
    int payment = 0;        // the payment's number within the month
    std::string taxAccount; // the salary-tax account, printed on the tax returns
};

// The return as the tax authority's paper form: the authority's header and the receipt box,
// the payer, the title, the month and payment, the ruled table of the grid in whole dinars and
// the signatures. The tax returns are printed upright, the contribution returns across.
report::Document PaperReturnDocument(const ReturnPrint& print, const ReturnGrid& grid);

} // namespace zarion::parameters
