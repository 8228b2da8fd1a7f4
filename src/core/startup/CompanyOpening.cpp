#include "core/startup/CompanyOpening.h"

#include "core/Text.h"
#include "core/startup/CompanyData.h"
#include "core/startup/DatabaseDoor.h"
#include "core/startup/Paths.h"

namespace zarion::startup {
namespace {

bool isEmpty(db::Database& database, const std::string& table) {
    return database.scalar("SELECT count(*) FROM " + table).value_or(0) == 0;
}

void readSettingsFlags(AppContext& context) {
    auto st = context.PayrollDb->prepare("SELECT solidarni_porez, stimulacije_uredba, "
                                         "ukupan_minuli_rad, nacin_obracuna FROM postavke "
                                         "ORDER BY rowid LIMIT 1");
    context.StimulacijeUredba = Currency();
    if (!st.step())
        return;
    context.SolidarityTaxOn = st.number("solidarni_porez") != 0.0;
    context.StimulacijeUredba = st.money("stimulacije_uredba");
    context.TotalSeniorityOn = st.number("ukupan_minuli_rad") != 0.0;
    context.CalcModeFlag = st.number("nacin_obracuna") != 0.0;
}

OpeningMessages readCompany(AppContext& context) {
    OpeningMessages messages;
    db::Database& payroll = *context.PayrollDb;
    if (isEmpty(payroll, "parametri"))
        messages.reminders.push_back("Postavite osnovne parametre obracuna!"_yu);
    if (isEmpty(payroll, "postavke"))
        messages.reminders.push_back("Podesite postavke programa!"_yu);
    if (isEmpty(payroll, "parametri2"))
        messages.reminders.push_back("Postavite ostale parametre obracuna!"_yu);
    readSettingsFlags(context);

    auto company = context.CompanyMasterDb->prepare(
        "SELECT ADRESA, grad, PIB FROM podaci ORDER BY rowid LIMIT 1");
    if (!company.step()) {
        messages.warning = "Unesite podatke u bazu kontora!"_yu;
        return messages;
    }
    context.CompanyAddress = company.text("ADRESA") + ", " + company.text("grad");
    context.CompanyPibFlag = isAnalyticNetCustomer(company.text("PIB"));

    const auto templateDb = db::Database::open(templatePath(context.DataRoot));
    fillMunicipalities(payroll, *templateDb);
    return messages;
}

} // namespace

int fillMunicipalities(db::Database& payrollDb, db::Database& templateDb) {
    if (!isEmpty(payrollDb, "opstine"))
        return 0;
    db::Transaction tx(payrollDb);
    auto source = templateDb.prepare("SELECT Naziv, SIFRA FROM opstine ORDER BY rowid");
    int copied = 0;
    while (source.step()) {
        payrollDb.run("INSERT INTO opstine(Naziv, SIFRA) VALUES (?, ?)", source.text(0),
                      source.text(1));
        ++copied;
    }
    tx.commit();
    return copied;
}

Outcome<OpeningMessages> openCompany(AppContext& context) {
    const auto payrollFile = context.payrollPath(context.WorkYear);
    auto payroll = openChecked(payrollFile);
    if (!payroll)
        return payroll.refusal();
    auto master =
        openChecked(masterDataPath(context.DataRoot, context.WorkYear, context.CompanyId));
    if (!master)
        return master.refusal();
    context.PayrollDb = std::move(payroll).value();
    context.CompanyMasterDb = std::move(master).value();
    try {
        return readCompany(context);
    } catch (const db::Error& failure) {
        context.PayrollDb.reset();
        context.CompanyMasterDb.reset();
        return databaseRefusal(payrollFile, failure);
    }
}

} // namespace zarion::startup
