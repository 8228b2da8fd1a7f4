#include "outputs/DeclarationProducer.h"

#include "payroll/HourFund.h"

namespace zarion::outputs {

std::optional<PayerData> loadPayerData(db::Database& payroll) {
    db::Statement st = payroll.prepare(
        "SELECT sifra_opstine, email, uk_radnika, tip_isplatioca FROM podaci_ppppd LIMIT 1");
    if (!st.step())
        return std::nullopt;
    return PayerData{st.text(0), st.text(1), st.text(2), st.text(3)};
}

DeclarationRow recipientRow(const std::string& JMBG, const std::string& Prezime,
                            const std::string& Ime, long long sifra_opstine) {
    DeclarationRow row;
    row[Col::VrstaIdentifikatoraPrimaoca] = "1";
    row[Col::IdentifikatorPrimaoca] = JMBG;
    row[Col::Prezime] = Prezime;
    row[Col::Ime] = Ime;
    row[Col::OznakaPrebivalista] = municipalityCode(sifra_opstine);
    return row;
}

int declarationHoursFund(int year, int month, const payroll::Settings& settings) {
    return payroll::hourFund(year, month, settings).hours;
}

Declaration openDeclaration(DeclarationFill fill, const std::optional<PayerData>& payer,
                            const report::CompanyData& company, Date paymentDate) {
    Declaration d;
    DeclarationHeader& h = d.header;
    h.POD11 = returnKinds().front();
    if (fill.month >= 1 && fill.month <= 12)
        h.POD121 = declarationMonths()[static_cast<std::size_t>(fill.month - 1)];
    h.POD122 = std::to_string(fill.year);
    h.POD14 = paymentDate;
    if (payer) {
        h.POD27 = payer->sifra_opstine;
        h.POD210 = payer->email;
        h.POD23 = payer->uk_radnika;
        h.POD21 = payer->tip_isplatioca;
    }
    h.POD22 = company.PIB;
    h.POD25 = company.maticni;
    h.POD26 = company.Naziv;
    h.POD28 = company.telefon;
    h.POD29 = company.ADRESA;
    d.rows = std::move(fill.rows);
    for (std::size_t i = 0; i < d.rows.size(); ++i) {
        d.rows[i].checked = true;
        d.rows[i][Col::RBr] = std::to_string(i + 1);
    }
    d.advance = fill.advance;
    d.finalPart = fill.finalPart;
    return d;
}

} // namespace zarion::outputs
