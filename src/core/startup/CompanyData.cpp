#include "core/startup/CompanyData.h"

#include "core/ControlDigits.h"
#include "core/NumericText.h"
#include "core/Text.h"

namespace zarion::startup {
namespace {

std::optional<CompanyFault> firstFault(const CompanyData& data) {
    const auto fault = [](CompanyField field, std::string message) {
        return CompanyFault{field, warning(std::move(message))};
    };
    if (data.Naziv.empty())
        return fault(CompanyField::Naziv, "Unesite naziv firme!"_yu);
    if (!data.maticni.empty() && !isValidRegistrationNumber(data.maticni))
        return fault(CompanyField::maticni,
                     "Mati~ni broj nije ispravan: 8 cifara, poslednja je kontrolna!"_yu);
    if (!data.PIB.empty() && !isValidTaxNumber(data.PIB))
        return fault(CompanyField::PIB, "PIB nije ispravan: 9 cifara, poslednja je kontrolna!"_yu);
    if (!data.ziroracun.empty() && !fullBankAccount(data.ziroracun))
        return fault(CompanyField::ziroracun,
                     "@iro ra~un nije ispravan: banka-broj-kontrolni broj (3-13-2)!"_yu);
    return std::nullopt;
}

} // namespace

bool isAnalyticNetCustomer(const std::string& pib) {
    return trim(pib) == "101234569";
}

std::optional<CompanyData> readCompanyData(db::Database& masterDb) {
    db::Statement st = masterDb.prepare("SELECT * FROM podaci ORDER BY rowid LIMIT 1");
    if (!st.step())
        return std::nullopt;
    CompanyData company;
    company.Naziv = st.text("Naziv");
    company.ADRESA = st.text("ADRESA");
    company.grad = st.text("grad");
    company.PIB = st.text("PIB");
    company.maticni = st.text("maticni");
    company.registracioni = st.text("registracioni");
    company.SIFRA = st.text("SIFRA");
    company.pdv = st.text("pdv");
    company.ziroracun = st.text("ziroracun");
    company.banka = st.text("banka");
    company.telefon = st.text("telefon");
    company.JMBG = st.text("JMBG");
    company.vlasnik = st.text("vlasnik");
    return company;
}

CheckedCompanyData checkCompanyData(CompanyData typed) {
    for (std::string* field : {&typed.Naziv, &typed.ADRESA, &typed.grad, &typed.PIB, &typed.maticni,
                               &typed.registracioni, &typed.SIFRA, &typed.pdv, &typed.ziroracun,
                               &typed.banka, &typed.telefon, &typed.JMBG, &typed.vlasnik})
        *field = trim(*field);
    if (auto fault = firstFault(typed))
        return {std::nullopt, std::move(fault)};
    if (!typed.ziroracun.empty())
        typed.ziroracun = *fullBankAccount(typed.ziroracun);
    return {std::move(typed), std::nullopt};
}

std::optional<CompanyFault> saveCompanyData(db::Database& masterDb, const CompanyData& typed) {
    const CheckedCompanyData checked = checkCompanyData(typed);
    if (!checked.data)
        return checked.fault;
    const CompanyData& d = *checked.data;
    db::Transaction tx(masterDb);
    // The table holds the one row of the company; the first save adds it.
    if (masterDb.scalar("SELECT COUNT(*) FROM podaci").value_or(0) == 0)
        masterDb.run("INSERT INTO podaci(Naziv) VALUES (?)", d.Naziv);
    masterDb.run("UPDATE podaci SET Naziv = ?, ADRESA = ?, grad = ?, PIB = ?, maticni = ?, "
                 "registracioni = ?, SIFRA = ?, pdv = ?, ziroracun = ?, banka = ?, telefon = ?, "
                 "JMBG = ?, vlasnik = ?",
                 d.Naziv, d.ADRESA, d.grad, d.PIB, d.maticni, d.registracioni, d.SIFRA, d.pdv,
                 d.ziroracun, d.banka, d.telefon, d.JMBG, d.vlasnik);
    tx.commit();
    return std::nullopt;
}

std::int64_t companyMunicipality(db::Database& payrollDb) {
    db::Statement st =
        payrollDb.prepare("SELECT sifra_opstine FROM podaci_ppppd ORDER BY rowid LIMIT 1");
    return st.step() ? wholeValue(st.text(0)) : 0;
}

void storeCompanyMunicipality(db::Database& payrollDb, std::int64_t code) {
    const std::string text = code > 0 ? PadZeros(std::to_string(code), 3) : std::string();
    db::Transaction tx(payrollDb);
    if (payrollDb.scalar("SELECT COUNT(*) FROM podaci_ppppd").value_or(0) == 0)
        payrollDb.run("INSERT INTO podaci_ppppd(sifra_opstine) VALUES (?)", text);
    else
        payrollDb.run("UPDATE podaci_ppppd SET sifra_opstine = ?", text);
    tx.commit();
}

} // namespace zarion::startup
