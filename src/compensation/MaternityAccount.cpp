#include "compensation/MaternityAccount.h"

namespace zarion::compensation {
MaternityAccount loadMaternityAccount(db::Database& payroll) {
    db::Statement st = payroll.prepare(
        "SELECT racun_za_isplatu_porodiljsko, poziv_zad_porodiljsko FROM parametri2 LIMIT 1");
    if (!st.step())
        return {};
    return {st.text(0), st.text(1)};
}

void saveMaternityAccount(db::Database& payroll, const MaternityAccount& account) {
    db::Transaction tx(payroll);
    if (payroll.scalar("SELECT COUNT(*) FROM parametri2").value_or(0) == 0)
        payroll.run("INSERT INTO parametri2 (racun_za_isplatu_porodiljsko) VALUES ('')");
    payroll.run("UPDATE parametri2 SET racun_za_isplatu_porodiljsko = ?, poziv_zad_porodiljsko = ?",
                account.racun_za_isplatu_porodiljsko, account.poziv_zad_porodiljsko);
    tx.commit();
}

} // namespace zarion::compensation
