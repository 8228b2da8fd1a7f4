#include "outputs/EmployerTotalsRepair.h"

#include "core/trail/Trail.h"
#include "payroll/Exact.h"
#include "payroll/MonthParameters.h"

namespace zarion::outputs {

Outcome<int> repairEmployerTotals(db::Database& payroll, int year, int month) {
    const auto rates = payroll::loadMonthParameters(payroll, year, month);
    if (!rates)
        return rates.refusal();
    const payroll::Exact rate = payroll::Exact::decimal(rates->Doprinosi_PIO_F);
    const payroll::Exact hundred = payroll::Exact::whole(100);

    trail::PostingTransaction tx(payroll);
    db::Statement rows = payroll.prepare(
        "SELECT o.Id_obracun, o.osnovica_doprinosa, o.BRUTO, o.Doprinosi_PIO_F FROM obracuni o "
        "INNER JOIN radnici r ON r.id_radnik = o.ID_RADNIK WHERE o.MEsec = ? AND o.GODINA = ?");
    rows.bindAll(month, year);
    int changed = 0;
    while (rows.step()) {
        const Currency base = rows.money(1).isZero() ? rows.money(2) : rows.money(1);
        const Currency difference =
            (payroll::Exact(base) * rate / hundred).round2() - rows.money(3);
        if (difference.isZero())
            continue;
        payroll.run("UPDATE obracuni SET Doprinosi_PIO_F = COALESCE(Doprinosi_PIO_F, 0) + ?, "
                    "ukupno_doprinosa_F = COALESCE(ukupno_doprinosa_F, 0) + ?, "
                    "ukupno_obaveza = COALESCE(ukupno_obaveza, 0) + ? WHERE Id_obracun = ?",
                    difference, difference, difference, rows.integer(0));
        ++changed;
    }
    tx.commit();
    return changed;
}

} // namespace zarion::outputs
