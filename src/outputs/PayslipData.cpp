#include "outputs/PayslipData.h"

#include "core/Text.h"

namespace zarion::outputs {

std::string defaultUnpaidReason() {
    return "Teku}a nelikvidnost"_yu;
}

PayslipLookups loadPayslipLookups(db::Database& payroll, const ListSelection& selection) {
    PayslipLookups lookups;
    for (db::Statement st = payroll.prepare("SELECT SIFRA, Naziv FROM opstine"); st.step();)
        lookups.municipalities[static_cast<int>(st.integer(0))] = st.text(1);
    for (db::Statement st = payroll.prepare("SELECT ID_BAnka, banka FROM banke"); st.step();)
        lookups.banks[st.integer(0)] = st.text(1);

    db::Statement st = payroll.prepare(
        std::string("SELECT b.Id_obracun, b.kreditor, b.Iznos, p.obustava, r.POCETAK, r.kraj, "
                    "r.Iznos, r.ukupno_meseci, s.paid FROM obracun_obustava b INNER JOIN ") +
        (selection.firstPart() ? "akontacija_obracuni" : "obracuni") +
        " o ON o.Id_obracun = b.Id_obracun "
        "LEFT JOIN obustave_radnici r ON r.id_or = b.id_or "
        "LEFT JOIN obustaveproc p ON p.id_obustava_proc = r.id_obustava "
        "LEFT JOIN (SELECT id_or, SUM(Iznos) AS paid FROM obracun_obustava GROUP BY id_or) s "
        "ON s.id_or = b.id_or "
        "WHERE b.AKONTACIJA = ? AND o.MEsec = ? AND o.GODINA = ? ORDER BY b.Id_obracun, "
        "b.kreditor");
    st.bindAll(selection.firstPart(), selection.month, selection.year);
    while (st.step()) {
        DeductionLine line;
        line.creditor = st.text(1).empty() ? st.text(3) : st.text(1);
        line.amount = st.money(2);
        const int instalments = static_cast<int>(st.integer(7));
        line.loan = instalments > 0;
        if (line.loan) {
            line.from = st.date(4);
            line.to = st.date(5);
            line.instalment = Currency::fromDouble(st.number(6)).round2();
            line.total = line.instalment * instalments;
            line.remaining = line.total - st.money(8);
        }
        lookups.deductions[st.integer(0)].push_back(std::move(line));
    }
    return lookups;
}

} // namespace zarion::outputs
