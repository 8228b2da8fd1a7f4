#include "compensation/JubileeDeclaration.h"

#include "core/NumberFormat.h"
#include "payroll/Settings.h"

namespace zarion::compensation {

using outputs::Col;

JubileeDeclaration::JubileeDeclaration(db::Database& payroll, AwardOrder order)
    : payroll_(payroll)
    , order_(std::move(order)) {}

Outcome<outputs::DeclarationFill> JubileeDeclaration::fill() {
    const auto payments = awardPayments(payroll_, order_.id_noz);
    if (payments.empty())
        return warning("Nema obracuna u izabranom nalogu!");
    outputs::DeclarationFill fill;
    fill.year = order_.Datum.year;
    fill.month = order_.Datum.month;
    const int fund =
        outputs::declarationHoursFund(fill.year, fill.month, payroll::loadSettings(payroll_));
    const auto plain2 = [](Currency amount) {
        return format(amount, NumberFormat::Plain2);
    };
    for (const AwardPayment& p : payments) {
        outputs::DeclarationRow r =
            outputs::recipientRow(p.JMBG, p.surname, p.firstName, p.municipality);
        const AwardFigures& f = p.figures;
        const Currency taxBase = f.gross > f.nonTaxable ? f.gross - f.nonTaxable : Currency();
        r[Col::SVP] = "101110000";
        r[Col::BrojKalendarskihDana] = "0";
        r[Col::BrojEfektivnihSati] = "0";
        r[Col::MesecniFondSati] = std::to_string(fund);
        r[Col::Bruto] = plain2(f.gross);
        r[Col::OsnovicaPorez] = taxBase.isZero() ? "0" : format(taxBase, NumberFormat::General);
        r[Col::Porez] = plain2(f.tax);
        r[Col::OsnovicaDoprinosi] = "0.00";
        r[Col::PIO] = "0";
        r[Col::ZDR] = "0";
        r[Col::NEZ] = "0";
        r[Col::NETO] = plain2(f.net);
        r[Col::Obustave] = "0";
        r[Col::ID] = std::to_string(p.ID_RADNIK);
        fill.rows.push_back(std::move(r));
    }
    return fill;
}

outputs::DeclarationRates jubileeRates(const AwardOrder& order) {
    outputs::DeclarationRates rates;
    rates.porez = order.porez_zarade;
    rates.lowestBase = order.minimalna_osnovica;
    return rates;
}

} // namespace zarion::compensation
