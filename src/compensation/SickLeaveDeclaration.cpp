#include "compensation/SickLeaveDeclaration.h"

#include <cstdio>

#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "payroll/Exact.h"

namespace zarion::compensation {
namespace {

using outputs::Col;

std::string plain2(Currency amount) {
    return format(amount, NumberFormat::Plain2);
}

// The base the contributions were taken from: the gross, or the minimum base when the pension
// contribution shows a larger one.
Currency contributionBase(const payroll::SalaryResult& c, double pensionRate) {
    if (pensionRate == 0 || c.Doprinosi_PIO.isZero())
        return c.BRUTO;
    const Currency base = (payroll::Exact(c.Doprinosi_PIO) * payroll::Exact::whole(100) /
                           payroll::Exact::decimal(pensionRate))
                              .round2();
    return base - c.BRUTO > Currency::fromUnits(1) ? base : c.BRUTO;
}

} // namespace

std::string leaveIncomeCode(LeaveKind kind) {
    return kind == LeaveKind::Maternity ? "101206000" : "101204000";
}

LeaveListProducer::LeaveListProducer(const outputs::PayrollList& list, LeaveKind kind,
                                     const payroll::Settings& settings)
    : list_(list)
    , kind_(kind)
    , settings_(settings) {}

Outcome<outputs::DeclarationFill> LeaveListProducer::fill() {
    const outputs::ListSelection& s = list_.selection;
    outputs::DeclarationFill fill{s.year, s.month, {}, false, false};
    const int fund = outputs::declarationHoursFund(s.year, s.month, settings_);
    for (const outputs::PayrollRow& p : list_.employees) {
        const outputs::ListedEmployee& e = p.employee;
        const payroll::SalaryResult& c = p.calc;
        outputs::DeclarationRow r =
            outputs::recipientRow(e.JMBG, e.Prezime, e.Ime, e.sifra_opstine);
        r[Col::SVP] = leaveIncomeCode(kind_);
        r[Col::BrojKalendarskihDana] = std::to_string(DaysInMonth(s.month, s.year));
        r[Col::BrojEfektivnihSati] = shortestDecimal(c.broj_sati);
        r[Col::MesecniFondSati] = std::to_string(fund);
        r[Col::Bruto] = plain2(c.BRUTO);
        const Currency taxBase = c.BRUTO - c.Oslobodjenje;
        r[Col::OsnovicaPorez] = taxBase.isNegative() ? "0" : plain2(taxBase);
        r[Col::Porez] = plain2(c.porez_na_zaradu);
        r[Col::OsnovicaDoprinosi] = plain2(contributionBase(c, list_.rates.Doprinosi_PIO));
        r[Col::PIO] = plain2(c.Doprinosi_PIO + c.Doprinosi_PIO_F);
        r[Col::ZDR] = plain2(c.Doprinosi_zo + c.Doprinosi_zo_F);
        r[Col::NEZ] = plain2(c.doprinosi_nezaposlenost + c.doprinosi_nezaposlenost_f);
        r[Col::NETO] = plain2(c.NETO);
        r[Col::Obustave] = plain2(c.solidarni_porez);
        r[Col::ID] = std::to_string(p.id_radnik);
        fill.rows.push_back(std::move(r));
    }
    return fill;
}

std::string leavePurpose(int year, int month) {
    char text[40];
    std::snprintf(text, sizeof text, "Naknada zarade za: %02d %d", month, year);
    return text;
}

} // namespace zarion::compensation
