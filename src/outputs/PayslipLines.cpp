#include "outputs/PayslipLines.h"

#include <utility>

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "payroll/CalculationCaptions.h"

namespace zarion::outputs {
namespace {

using Kind = PayslipLine::Kind;

std::string rateText(double rate) {
    return "(" + withComma(rate, NumberFormat::Plain2) + "%)";
}

std::string hoursText(double hours) {
    return hours == 0 ? std::string() : withComma(hours, NumberFormat::General);
}

// Collects the lines and keeps the sums the totals print.
class Body {
public:
    void heading(std::string label) {
        lines_.push_back({Kind::Heading, std::move(label), {}, {}, {}});
    }
    void item(std::string label, Currency amount, double hours = 0,
              std::optional<double> rate = {}) {
        lines_.push_back({Kind::Item, std::move(label), rate ? rateText(*rate) : std::string(),
                          hoursText(hours), amount});
        sum_ += amount;
    }
    void total(std::string label, Currency amount, std::optional<double> rate = {}) {
        lines_.push_back(
            {Kind::Total, std::move(label), rate ? rateText(*rate) : std::string(), {}, amount});
    }
    void hoursOnly(std::string label, double hours) {
        lines_.push_back({Kind::Item, std::move(label), {}, hoursText(hours), {}});
    }
    // The sum of the items since the last call.
    Currency takeSum() { return std::exchange(sum_, Currency()); }
    std::vector<PayslipLine> take() { return std::move(lines_); }

private:
    std::vector<PayslipLine> lines_;
    Currency sum_;
};

void employeeContributions(Body& b, const payroll::SalaryResult& c,
                           const payroll::MonthParameters& r) {
    b.item(payroll::payslipWords("Doprinosi_PIO"), c.Doprinosi_PIO, 0, r.Doprinosi_PIO);
    b.item(payroll::payslipWords("Doprinosi_zo"), c.Doprinosi_zo, 0, r.Doprinosi_zo);
    b.item(payroll::payslipWords("doprinosi_nezaposlenost"), c.doprinosi_nezaposlenost, 0,
           r.doprinosi_nezaposlenost);
    b.total(payroll::payslipWords("ukupno_doprinosa"), b.takeSum());
}

void employerContributions(Body& b, const payroll::SalaryResult& c,
                           const payroll::MonthParameters& r) {
    b.heading("DOPRINOSI NA TERET FIRME"_yu);
    b.item(payroll::payslipWords("Doprinosi_PIO_F"), c.Doprinosi_PIO_F, 0, r.Doprinosi_PIO_F);
    b.item(payroll::payslipWords("Doprinosi_zo_F"), c.Doprinosi_zo_F, 0, r.Doprinosi_zo_F);
    b.item(payroll::payslipWords("doprinosi_nezaposlenost_f"), c.doprinosi_nezaposlenost_f, 0,
           r.doprinosi_nezaposlenost_f);
    const struct {
        double rate;
        const std::string& name;
        Currency amount;
    } additional[] = {{r.doprinosi_ro, r.Naziv_doprinosi_ro, c.doprinosi_ro_f},
                      {r.doprinosi_ro2, r.Naziv_doprinosi_ro2, c.doprinosi_ro_f2},
                      {r.doprinosi_ro3, r.Naziv_doprinosi_ro3, c.doprinosi_ro_f3}};
    for (const auto& a : additional)
        if (a.rate > 0)
            b.item(a.name, a.amount, 0, a.rate);
    const Currency employer = b.takeSum();
    b.total(payroll::payslipWords("ukupno_doprinosa_F"), employer);
    b.total(payroll::payslipWords("ukupno_obaveza"), c.BRUTO + employer);
}

std::vector<PayslipLine> salaryLines(const PayrollRow& row, const payroll::MonthParameters& r) {
    const payroll::SalaryResult& c = row.calc;
    Body b;
    b.heading("REDOVNA PRIMANJA"_yu);
    b.item(payroll::payslipWords("osnovna_bruto"), c.osnovna_bruto, c.broj_sati);
    b.heading("DODACI NA ZARADU"_yu);
    b.item(payroll::payslipWords("produzeni_rad_i"), c.produzeni_rad_i, c.produzeni_rad_s,
           r.produzeni_rad);
    b.item(payroll::payslipWords("nocni_rad_i"), c.nocni_rad_i, c.nocni_rad_s, r.nocni_rad);
    b.item("Praznik i nedelja"_yu, c.rad_na_praznik_i + c.rad_nedeljom_i,
           c.rad_na_praznik_s + c.rad_nedeljom_s, r.rad_na_praznik);
    b.item(payroll::payslipWords("minuli_rad"), c.minuli_rad, 0, r.minuli_rad);
    b.heading("NAKNADE ZARADE"_yu);
    b.item(payroll::payslipWords("bolovnje65_i"), c.bolovnje65_i, c.bolovnje65_s);
    b.item(payroll::payslipWords("bolovanje100_i"), c.bolovanje100_i, c.bolovanje100_s);
    b.item(payroll::payslipWords("godisnji_i"), c.godisnji_i, c.godisnji_s);
    b.total("UKUPNO"_yu, b.takeSum());
    b.item(payroll::payslipWords("topli_obrok"), c.topli_obrok);
    b.item(payroll::payslipWords("regres"), c.regres);
    b.item(payroll::payslipWords("fiksna_plata"), c.fiksna_plata);
    b.item(payroll::payslipWords("stimulacije"), c.stimulacije);
    b.takeSum();
    b.total(payroll::payslipWords("BRUTO"), c.BRUTO);
    b.total(payroll::payslipWords("Oslobodjenje"), c.Oslobodjenje);
    b.total(payroll::payslipWords("porez_na_zaradu"), c.porez_na_zaradu, r.porez_zarade);
    employeeContributions(b, c, r);
    b.total(payroll::payslipWords("NETO"), c.NETO);
    employerContributions(b, c, r);
    return b.take();
}

// Coefficient pricing: the items of a public-sector pay, shown from net to gross.
std::vector<PayslipLine> publicSectorLines(const PayrollRow& row,
                                           const payroll::MonthParameters& r) {
    const payroll::SalaryResult& c = row.calc;
    Body b;
    b.heading("REDOVNA PRIMANJA"_yu);
    b.item(payroll::payslipWords("osnovna_bruto"), c.osnovna_bruto, c.broj_sati);
    b.item(payroll::payslipWords("razlika_do_min"), c.razlika_do_min);
    b.item("Rad na praznik - dnevni"_yu, c.rad_na_praznik_i, c.rad_na_praznik_s, r.rad_na_praznik);
    b.item(payroll::payslipWords("nocni_rad_i"), c.nocni_rad_i, c.nocni_rad_s, r.nocni_rad);
    b.item(payroll::payslipWords("rad_nedeljom_i"), c.rad_nedeljom_i + c.rad_nedeljomstvarno_i,
           c.rad_nedeljom_s + c.rad_nedeljomstvarno_s, r.rad_nedeljom);
    b.item(payroll::payslipWords("dezurstvo_i"), c.dezurstvo_i, c.dezurstvo_s, r.DEZURSTVO);
    b.item("Prekovremeni rad"_yu, c.produzeni_rad_i, c.produzeni_rad_s, r.produzeni_rad);
    b.item(payroll::payslipWords("pripravnost_i"), c.pripravnost_i + c.pripravnostaktivna_i,
           c.pripravnost_s + c.pripravnostaktivna_s, r.PRIPRAVNOST);
    b.item(payroll::payslipWords("minuli_rad"), c.minuli_rad, 0, r.minuli_rad);
    b.item(payroll::payslipWords("placeno_odsustvo_i"), c.placeno_odsustvo_i, c.placeno_odsustvo_s,
           r.placeno_odsustvo);
    b.item(payroll::payslipWords("bolovnje65_i"), c.bolovnje65_i, c.bolovnje65_s);
    b.item(payroll::payslipWords("bolovanje100_i"), c.bolovanje100_i, c.bolovanje100_s);
    b.item(payroll::payslipWords("godisnji_i"), c.godisnji_i, c.godisnji_s);
    b.item(payroll::payslipWords("stimulacije_uredba"), c.stimulacije_uredba);
    b.item(payroll::payslipWords("stimulacije"), c.stimulacije);
    b.item(payroll::payslipWords("topli_obrok"), c.topli_obrok);
    b.item(payroll::payslipWords("regres"), c.regres);
    b.takeSum();
    b.hoursOnly("Efektivno sati"_yu, row.effectiveHours());
    b.total("UKUPNO NETO"_yu, c.NETO);
    b.total(payroll::payslipWords("porez_na_zaradu"), c.porez_na_zaradu, r.porez_zarade);
    b.heading("DOPRINOSI NA TERET ZAPOSLENOG"_yu);
    employeeContributions(b, c, r);
    b.total("BRUTO PLATA"_yu, c.BRUTO);
    employerContributions(b, c, r);
    return b.take();
}

} // namespace

std::string withComma(double value, NumberFormat form) {
    std::string text = format(value, form);
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

PayslipVariant payslipVariant(bool coefficientPricing, Payment payment) {
    if (!coefficientPricing)
        return PayslipVariant::Salary;
    switch (payment) {
    case Payment::First:
        return PayslipVariant::FirstPart;
    case Payment::Final:
        return PayslipVariant::Final;
    default:
        return PayslipVariant::PublicSector;
    }
}

std::string payslipTitle(PayslipVariant variant, Payment payment) {
    switch (variant) {
    case PayslipVariant::PublicSector:
        return "OBRA^UN PLATE I DRUGIH PRIMANJA ZAPOSLENIH"_yu;
    case PayslipVariant::FirstPart:
        return "PRVI DEO PLATE"_yu;
    case PayslipVariant::Final:
        return "KONA^NI OBRA^UN - CEO MESEC"_yu;
    default:
        break;
    }
    const std::string title = "OBRA^UN ZARADA I DRUGIH PRIMANJA ZAPOSLENIH"_yu;
    switch (payment) {
    case Payment::First:
        return title + " - I Deo"_yu;
    case Payment::Final:
        return title + " - II Deo - Kona~na"_yu;
    default:
        return title + " - Kona~na"_yu;
    }
}

std::vector<PayslipLine> payslipLines(PayslipVariant variant, const PayrollRow& row,
                                      const payroll::MonthParameters& rates) {
    return variant == PayslipVariant::Salary ? salaryLines(row, rates)
                                             : publicSectorLines(row, rates);
}

} // namespace zarion::outputs
