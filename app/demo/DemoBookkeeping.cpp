#include "demo/DemoBookkeeping.h"

#include <array>

#include "core/db/Database.h"
#include "core/startup/DatabaseFiles.h"
#include "core/startup/Paths.h"

namespace zarion::demo {
namespace {

struct Account {
    const char* konto;
    const char* name;
};

constexpr std::array<Account, 24> Chart{{
    {"411111", "Plate po osnovu cene rada"},
    {"412111", "Doprinos za penzijsko i invalidsko osiguranje"},
    {"412211", "Doprinos za zdravstveno osiguranje"},
    {"412311", "Doprinos za nezaposlenost"},
    {"231111", "Obaveze za neto plate"},
    {"231211", "Obaveze za porez na plate"},
    {"231311", "Obaveze za doprinos za PIO na teret zaposlenog"},
    {"231411", "Obaveze za doprinos za zdravstveno na teret zaposlenog"},
    {"231511", "Obaveze za doprinos za nezaposlenost na teret zaposlenog"},
    {"232111", "Obaveze za doprinos za PIO na teret poslodavca"},
    {"232211", "Obaveze za doprinos za zdravstveno na teret poslodavca"},
    {"232311", "Obaveze za doprinos za nezaposlenost na teret poslodavca"},
    {"520000", "Troškovi zarada i naknada zarada (bruto)"},
    {"520100", "Troškovi zarada vlasnika (bruto)"},
    {"521000", "Troškovi poreza i doprinosa na teret poslodavca"},
    {"450000", "Obaveze za neto zarade i naknade zarada"},
    {"450100", "Obaveze za neto zaradu vlasnika"},
    {"451000", "Obaveze za porez na zarade"},
    {"452000", "Obaveze za doprinos za PIO na teret zaposlenog"},
    {"452100", "Obaveze za doprinos za zdravstveno na teret zaposlenog"},
    {"452200", "Obaveze za doprinos za nezaposlenost na teret zaposlenog"},
    {"453000", "Obaveze za doprinos za PIO na teret poslodavca"},
    {"453100", "Obaveze za doprinos za zdravstveno na teret poslodavca"},
    {"453200", "Obaveze za doprinos za nezaposlenost na teret poslodavca"},
}};

// The recapitulation's lines: the item each sums (konta.Broj), the account and its side.
struct KontaRow {
    int item;
    const char* konto;
    const char* name;
    const char* side;
};

constexpr std::array<KontaRow, 12> KontaRows{{
    {1, "520000", "Bruto zarade", "D"},
    {2, "450000", "Neto zarade", "P"},
    {3, "451000", "Porez na zarade", "P"},
    {4, "452000", "PIO na teret zaposlenog", "P"},
    {5, "452100", "Zdravstveno na teret zaposlenog", "P"},
    {6, "452200", "Nezaposlenost na teret zaposlenog", "P"},
    {7, "521000", "PIO na teret poslodavca", "D"},
    {7, "453000", "PIO na teret poslodavca", "P"},
    {8, "521000", "Zdravstveno na teret poslodavca", "D"},
    {8, "453100", "Zdravstveno na teret poslodavca", "P"},
    {9, "521000", "Nezaposlenost na teret poslodavca", "D"},
    {9, "453200", "Nezaposlenost na teret poslodavca", "P"},
}};

void fillSchemes(db::Database& schemes) {
    if (schemes.scalar("SELECT count(*) FROM nalozi").value_or(0) > 0)
        return;
    db::Transaction tx(schemes);
    const std::pair<int, const char*> types[] = {{1, "Nalog za knjiženje zarada"},
                                                 {2, "Izvodi banke"},
                                                 {3, "Ulazne fakture"},
                                                 {4, "Izlazne fakture"},
                                                 {5, "Blagajna"}};
    for (const auto& [id, text] : types)
        schemes.run("INSERT INTO nalozi(id_nalog, Opis) VALUES (?, ?)", id, text);
    tx.commit();
}

} // namespace

void fillBookkeeping(const std::filesystem::path& dataRoot, int year, std::int64_t companyId) {
    fillSchemes(*startup::openAccountSchemes(dataRoot, year));
    const auto payroll = db::Database::open(startup::payrollPath(dataRoot, year, companyId));
    db::Transaction tx(*payroll);
    for (const Account& a : Chart)
        payroll->run("INSERT INTO konto(konto, Opis) VALUES (?, ?)", a.konto, a.name);
    for (const KontaRow& k : KontaRows)
        payroll->run("INSERT INTO konta(tabela, Broj, konto, Opis, Strana) VALUES (1, ?, ?, ?, ?)",
                     k.item, k.konto, k.name, k.side);
    // A mapping kept already (the treasury's budget accounts) stays; the owner's items are added.
    if (payroll->scalar("SELECT count(*) FROM gk_nalog").value_or(0) == 0)
        payroll->run("INSERT INTO gk_nalog(D_Neto, P_NETO, D_porez, P_porez, D_PIO_F, P_PIO_F, "
                     "D_ZO_F, P_ZO_F, D_NEZ_F, P_NEZ_F, D_PIO_R, P_PIO_R, D_ZO_R, P_ZO_R, "
                     "D_NEZ_R, P_NEZ_R) VALUES ('520000', '450000', '520000', '451000', "
                     "'521000', '453000', '521000', '453100', '521000', '453200', '520000', "
                     "'452000', '520000', '452100', '520000', '452200')");
    payroll->run("UPDATE gk_nalog SET D_Neto_Pred = '520100', P_NETO_PRED = '450100', "
                 "D_Porez_pred = '520100', P_POREZ_PRED = '451000', D_PIO_PRED = '520100', "
                 "P_PIO_PRED = '452000', D_Zdr_PRED = '520100', P_Zdr_PRED = '452100', "
                 "D_NEZ_PRED = '520100', P_NEZ_PRED = '452200', tip_seme = 0, id_tip = 1");
    payroll->run("INSERT INTO k2_kontrol(podesavanje, aktivno) VALUES ('KNJIZENJE2', 1)");
    tx.commit();
}

} // namespace zarion::demo
