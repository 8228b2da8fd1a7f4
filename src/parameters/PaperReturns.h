#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "parameters/ReturnGrid.h"

// The monthly paper returns on salary tax (PP OPJ) and on contributions (PP OD, PP OD-1), built
// from the figures of one payment that a payout list passes.
namespace zarion::parameters {

// The tax figures of one amount column of the return.
struct TaxFigures {
    Currency paid;        // salaries paid: the tax base before the non-taxable part
    Currency nonTaxable;  // the non-taxable part of the salaries
    Currency otherBase;   // taxable amounts paid besides the salaries
    Currency reliefs;     // tax not paid by reason of tax incentives
    Currency paidEarlier; // tax already paid with the advance of the month
};

struct TaxReturnInput {
    std::int64_t persons = 0;
    double taxRate = 0; // percent
    std::vector<TaxFigures> columns;
};

// frmPorezNaZarade: one amount column, "Iznos".
ReturnGrid salaryTaxReturn(const TaxReturnInput& input);
// frmPorezNaZaradeOD1: the maternity, sick-leave and disability compensations.
ReturnGrid compensationTaxReturn(const TaxReturnInput& input);

// The contribution figures of one amount column of the return.
struct ContributionFigures {
    std::int64_t persons = 0;
    Currency base;
    Currency pio, pioFirma, zo, zoFirma, nez, nezFirma;
};

struct ContributionRates {
    double pio = 0, pioFirma = 0, zo = 0, zoFirma = 0, nez = 0, nezFirma = 0;
};

// The contribution accounts of parametri2, employee's then employer's.
struct ContributionAccounts {
    std::string pio, zo, nez, pioFirma, zoFirma, nezFirma;
};
// "Niste uneli uplatne racune!" when parametri2 holds no row or one of the six accounts is empty.
Outcome<ContributionAccounts> readContributionAccounts(db::Database& payrollDb);
// The salary-tax account shown on the tax returns (parametri2.racun_porez_na_plate).
std::string salaryTaxAccount(db::Database& payrollDb);

// The rates the descriptions print and the accounts of a contribution return.
struct ContributionTerms {
    ContributionRates rates;
    ContributionAccounts accounts;
};
// The company's salaries and compensations: the month's rates and the accounts of parametri2.
Outcome<ContributionTerms> companyContributionTerms(db::Database& payrollDb, int month, int year);
// The entrepreneur's own salary: the rates and accounts of parametri_vlasnik, every
// contribution on his own account; "Niste uneli parametre za preduzetnika!" without them.
Outcome<ContributionTerms> ownerContributionTerms(db::Database& payrollDb);

// frmDoprinosi: the total, then contributions on paid salaries, on the lowest base and on the
// highest base; the columns' figures in that order.
ReturnGrid salaryContributionReturn(const std::vector<ContributionFigures>& columns,
                                    const ContributionRates& rates,
                                    const ContributionAccounts& accounts);
// frmDoprinosiOD1: the maternity, sick-leave and disability compensations.
ReturnGrid compensationContributionReturn(const std::vector<ContributionFigures>& columns,
                                          const ContributionRates& rates,
                                          const ContributionAccounts& accounts);

} // namespace zarion::parameters
