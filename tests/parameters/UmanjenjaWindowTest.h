#pragma once

#include "TemplateDatabase.h"
#include "core/AppContext.h"

namespace zarion::test {

// A month paid in two parts, the payer's accounts for salaries and for sick pay, and Jović
// Marko's March calculation with its net reduction of 1,234.56.
struct MonthWithReduction {
    FixedClock clock{{{2026, 3, 16}, 10, 0, 0}};
    TemplateDatabase payroll;
    AppContext context{clock};

    MonthWithReduction() {
        payroll->run("INSERT INTO postavke(na_pola_meseca) VALUES (1)");
        payroll->run("INSERT INTO parametri2(racun_za_isplatu, racun_za_isplatu_bolovanje) "
                     "VALUES ('160-1-1', '160-2-2')");
        payroll->run("INSERT INTO radnici(id_radnik, Prezime, Ime, JMBG) VALUES "
                     "(4, 'Jović', 'Marko', '0202985710002')");
        payroll->run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, solidarni_porez) "
                     "VALUES (4, 3, 2026, ?)",
                     Currency::fromUnits(1234) + Currency::fromRaw(5600));
        context.WorkYear = 2026;
        context.PayrollDb = payroll.release();
    }
};

} // namespace zarion::test
