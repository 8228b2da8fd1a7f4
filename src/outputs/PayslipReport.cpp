#include "outputs/PayslipReport.h"

#include <algorithm>

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "employees/EmployeeTexts.h"
#include "outputs/PayslipLines.h"
#include "report/Painter.h"

namespace zarion::outputs {
namespace {

constexpr double Left = 15;
constexpr double RateX = 85;
constexpr double HoursX = 150;
constexpr double AmountX = 195;
constexpr double Line = 4.3;
constexpr double Bottom = 278;

std::string twoDecimals(double value) {
    return withComma(value, NumberFormat::Plain2);
}

std::string monthYear(const Date& date) {
    return (date.month < 10 ? "0" : "") + std::to_string(date.month) + "." +
           std::to_string(date.year);
}

// One payslip drawn down the page, going on to a new page when it reaches the bottom.
class Payslip {
public:
    Payslip(report::Painter& p, const PayslipPrint& print, const PayrollList& list,
            const PayslipLookups& lookups, const PayrollRow& row)
        : p_(p)
        , print_(print)
        , list_(list)
        , lookups_(lookups)
        , row_(row)
        , variant_(payslipVariant(print.coefficientPricing, list.selection.payment)) {}

    void draw() {
        report::PrintHeader(p_, print_.company, print_.logo);
        title();
        employee();
        body();
        deductions();
        payment();
        footer();
    }

private:
    void next(double height = Line) {
        y_ += height;
        if (y_ > Bottom) {
            p_.NewPage();
            y_ = 15;
        }
    }

    void title() {
        const ListSelection& s = list_.selection;
        p_.setFont("yuoptimar", 11, true);
        p_.PrintCenteredWithin(payslipTitle(variant_, s.payment), 105, 39, 200);
        p_.setFont("yuoptimar", 9);
        std::string month =
            "Isplata za mesec: "_yu + std::to_string(s.month) + "/" + std::to_string(s.year);
        if (variant_ == PayslipVariant::Final)
            month += "  (Ukupni sta`: "_yu + std::to_string(row_.serviceYears()) + " god.)"_yu;
        p_.PrintCentered(month, 105, 45);
        y_ = 52;
    }

    void pair(const std::string& label, const std::string& value, double x) {
        p_.PrintLeft(label, x, y_);
        p_.PrintLeft(value, x + 38, y_);
    }

    void employee() {
        const ListedEmployee& e = row_.employee;
        const payroll::SalaryResult& c = row_.calc;
        const auto municipality = lookups_.municipalities.find(e.sifra_opstine);
        p_.setFont("yuoptimar", 8.5);
        pair("ID radnika:"_yu, std::to_string(row_.id_radnik), Left);
        pair("Radno mesto:"_yu, e.radno_mesto, 110);
        next();
        pair("Prezime i ime:"_yu, row_.fullName(), Left);
        pair("Koeficijent:"_yu, twoDecimals(c.KOEFICIJENT), 110);
        next();
        pair("JMBG:"_yu, e.JMBG, Left);
        pair("Godine sta`a:"_yu, std::to_string(row_.serviceYears()), 110);
        next();
        pair("Op{tina stanovanja:"_yu,
             municipality == lookups_.municipalities.end() ? std::string() : municipality->second,
             Left);
        pair("Kategorija osiguranika:"_yu, trim(employees::insuredKindEntry(e.vrsta)), 110);
        next();
        pair("Adresa stanovanja:"_yu, e.ADRESA, Left);
        next();
        if (variant_ == PayslipVariant::FirstPart || variant_ == PayslipVariant::Final) {
            p_.PrintLeft("Osn: "_yu + twoDecimals(c.KOEFICIJENT) + " Ruk: "_yu +
                             twoDecimals(c.funkcijski_dodatak) + " dr sci.: 0"_yu +
                             " Ote`.usl.: "_yu + twoDecimals(c.otezani_uslovi),
                         Left, y_);
            next();
        }
        next(2);
    }

    void body() {
        p_.setFont("yuoptimar", 9, true);
        p_.PrintLeft("Vrsta primanja  (%)"_yu, Left, y_);
        p_.PrintRight("^asovi"_yu, HoursX, y_);
        p_.PrintRight("Zarada"_yu, AmountX, y_);
        next();
        p_.HLine(Left, AmountX, y_ - 0.5);
        for (const PayslipLine& line : payslipLines(variant_, row_, list_.rates)) {
            const bool strong = line.kind != PayslipLine::Kind::Item;
            p_.setFont("yuoptimar", 9, strong);
            p_.PrintLeft(line.label, line.kind == PayslipLine::Kind::Item ? Left + 3 : Left, y_);
            p_.PrintLeft(line.rate, RateX, y_);
            p_.PrintRight(line.hours, HoursX, y_);
            if (line.amount)
                p_.PrintAmount(*line.amount, AmountX, y_);
            next();
        }
        p_.setFont("yuoptimar", 9);
    }

    void deductions() {
        const auto found = lookups_.deductions.find(row_.Id_obracun);
        if (found == lookups_.deductions.end())
            return;
        next(2);
        p_.setFontBold(true);
        p_.PrintLeft(variant_ == PayslipVariant::FirstPart ? "OBUSTAVE NA PRVI DEO ZARADE"_yu
                                                           : "OBUSTAVE NA ZARADU"_yu,
                     Left, y_);
        p_.setFontBold(false);
        next();
        for (const DeductionLine& d : found->second) {
            p_.PrintLeft(d.creditor, Left + 3, y_);
            p_.PrintAmount(d.amount, AmountX, y_);
            next();
            p_.setFontSize(7.5);
            if (d.loan)
                p_.PrintLeft(
                    "Period otplate: "_yu + monthYear(d.from) + " do: "_yu + monthYear(d.to) +
                        "   Mese~na rata: "_yu + format(d.instalment, NumberFormat::Grouped2) +
                        "   Ukupan iznos kredita: "_yu + format(d.total, NumberFormat::Grouped2) +
                        "   Preostalo: "_yu + format(d.remaining, NumberFormat::Grouped2),
                    Left + 6, y_);
            else
                p_.PrintLeft("Stalna obustava"_yu, Left + 6, y_);
            p_.setFontSize(9);
            next();
        }
        p_.setFontBold(true);
        p_.PrintLeft("UKUPNO OBUSTAVA"_yu, Left, y_);
        p_.PrintAmount(row_.deductions, AmountX, y_);
        p_.setFontBold(false);
        next();
    }

    void payment() {
        next(2);
        p_.setFontBold(true);
        if (row_.paidInCash()) {
            p_.PrintLeft("UKUPNO ZA ISPLATU PREKO BLAGAJNE"_yu, Left, y_);
        } else {
            std::string account = "Teku}i ra~un "_yu + row_.calc.tekuci_Racun;
            const auto bank = lookups_.banks.find(row_.employee.ID_BAnka);
            if (variant_ == PayslipVariant::FirstPart && bank != lookups_.banks.end())
                account += " - " + bank->second;
            p_.PrintLeft(account, Left, y_);
        }
        p_.PrintAmount(row_.toPay(), AmountX, y_);
        next();
        p_.setFontBold(false);
        const PaymentStatus& status = print_.status;
        if (status.paid) {
            p_.PrintLeft("DATUM ISPLATE "_yu + toDisplayText(status.paidOn), Left, y_);
            next();
        } else {
            p_.setFontBold(true);
            p_.PrintLeft("NEISPLA]ENA NETO ZARADA"_yu, Left, y_);
            p_.PrintAmount(row_.calc.NETO, AmountX, y_);
            p_.setFontBold(false);
            next();
            p_.PrintLeft("Datum dospelosti neispla}ene zarade "_yu + toDisplayText(status.due),
                         Left, y_);
            next();
            p_.PrintLeft("Obave{tenje o razlozima zbog kojih zarada nije ispla}ena"_yu, Left, y_);
            next();
            p_.PrintLeft(status.reason, Left + 3, y_);
            next();
        }
    }

    void footer() {
        next(6);
        if (variant_ == PayslipVariant::Salary) {
            p_.PrintLeft(row_.paidInCash()
                             ? "Obra~un i isplatu primio radnik: ______________________"_yu
                             : "Obra~un primio radnik: ______________________"_yu,
                         Left, y_);
        } else {
            p_.PrintLeft("Primio radnik:______________________"_yu, Left, y_);
            p_.PrintLeft("dana:__________________"_yu, 80, y_);
        }
        if (print_.stamp.empty()) {
            p_.PrintLeft("Odgovorno lice: ______________________"_yu, 125, y_);
        } else {
            p_.PrintLeft("Odgovorno lice:"_yu, 125, y_);
            p_.PaintPicture(print_.stamp, 150, y_ - 4, 40, 20);
        }
    }

    report::Painter& p_;
    const PayslipPrint& print_;
    const PayrollList& list_;
    const PayslipLookups& lookups_;
    const PayrollRow& row_;
    PayslipVariant variant_;
    double y_ = 0;
};

} // namespace

report::Document payslips(const PayslipPrint& print, const PayrollList& list,
                          const PayslipLookups& lookups,
                          const std::vector<const PayrollRow*>& rows) {
    report::Painter p(report::Orientation::Portrait, "Platni listi"_yu);
    bool first = true;
    for (const PayrollRow* row : rows) {
        if (!std::exchange(first, false))
            p.NewPage();
        Payslip(p, print, list, lookups, *row).draw();
    }
    return p.take();
}

std::vector<const PayrollRow*> unitByUnit(const PayrollList& list) {
    std::vector<const PayrollRow*> rows;
    for (const PayrollRow& row : list.employees)
        rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(), [](const PayrollRow* a, const PayrollRow* b) {
        return a->employee.id_rj < b->employee.id_rj;
    });
    return rows;
}

} // namespace zarion::outputs
