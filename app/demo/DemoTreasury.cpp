#include "demo/DemoTreasury.h"

namespace zarion::demo {

void fillTreasurySettings(db::Database& payroll) {
    payroll.run("UPDATE parametri3 SET jibk = ?, poziv_na_broj_krediti = ?, "
                "poziv_na_broj_budzet = ?",
                "81234", "", "");
    payroll.run("INSERT INTO gk_nalog(D_Neto, P_NETO, D_porez, P_porez, D_PIO_R, P_PIO_R, "
                "D_ZO_R, P_ZO_R, D_NEZ_R, P_NEZ_R, D_PIO_F, P_PIO_F, D_ZO_F, P_ZO_F, D_NEZ_F, "
                "P_NEZ_F) VALUES ('411111', '231111', '411111', '231211', '411111', '231311', "
                "'411111', '231411', '411111', '231511', '412111', '232111', '412211', "
                "'232211', '412311', '232311')");
}

} // namespace zarion::demo
