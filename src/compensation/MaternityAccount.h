#pragma once

#include <string>

#include "core/db/Database.h"

namespace zarion::compensation {

// The account maternity compensation is paid from and its reference, kept in parametri2.
struct MaternityAccount {
    std::string racun_za_isplatu_porodiljsko;
    std::string poziv_zad_porodiljsko;
};
MaternityAccount loadMaternityAccount(db::Database& payroll);
void saveMaternityAccount(db::Database& payroll, const MaternityAccount& account);

} // namespace zarion::compensation
