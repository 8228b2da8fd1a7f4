#include "other_income/OtherIncomeDeclaration.h"

#include "other_income/OtherIncomeKinds.h"

namespace zarion::other_income {

using outputs::Col;

OrderDeclaration::OrderDeclaration(const PaidOrder& paid, const DeclarationAnswers& answers)
    : paid_(paid)
    , answers_(answers) {}

Outcome<outputs::DeclarationFill> OrderDeclaration::fill() {
    outputs::DeclarationFill fill;
    fill.year = paid_.order.Datum.year;
    fill.month = paid_.order.Datum.month;
    fill.advance = paid_.order.tip_noz == AdvanceKind;
    const std::string fund = answers_.hoursFund ? std::to_string(*answers_.hoursFund) : "";
    for (const ListedPerson& person : paid_.people) {
        const RowAmounts& a = person.row.amounts;
        outputs::DeclarationRow r =
            outputs::recipientRow(person.JMBG, person.Prezime, person.Ime, person.sifra_opstine);
        r[Col::SVP] = answers_.incomeCode;
        r[Col::BrojKalendarskihDana] =
            person.row.broj_dana > 0 ? std::to_string(person.row.broj_dana) : "";
        r[Col::BrojEfektivnihSati] = Currency::fromDouble(person.row.broj_sati).toShortString();
        r[Col::MesecniFondSati] = fund;
        r[Col::Bruto] = a.gross.toShortString();
        r[Col::OsnovicaPorez] = a.taxBase.toShortString();
        r[Col::Porez] = a.tax.toShortString();
        r[Col::OsnovicaDoprinosi] = a.contributionBase.toShortString();
        r[Col::PIO] = (a.employee.pio + a.employer.pio).toShortString();
        r[Col::ZDR] = (a.employee.zo + a.employer.zo).toShortString();
        r[Col::NEZ] = (a.employee.nez + a.employer.nez).toShortString();
        r[Col::NETO] = a.net.toShortString();
        r[Col::Obustave] = "0";
        r[Col::ID] = std::to_string(person.row.id_radnik);
        fill.rows.push_back(std::move(r));
    }
    return fill;
}

outputs::DeclarationRates orderRates(const OtherIncomeOrder& order) {
    const RowRates& r = order.rates;
    return {r.tax,
            r.employee.pio + r.employer.pio,
            r.employee.zo + r.employer.zo,
            r.employee.nez + r.employer.nez,
            r.minimumBase,
            Currency()};
}

} // namespace zarion::other_income
