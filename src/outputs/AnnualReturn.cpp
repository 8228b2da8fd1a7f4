#include "outputs/AnnualReturn.h"

#include <fstream>
#include <map>
#include <stdexcept>

#include "core/Dates.h"
#include "core/FileForms.h"
#include "core/NumberFormat.h"
#include "core/SerbianOrder.h"
#include "core/Text.h"
#include "outputs/ByPerson.h"

namespace zarion::outputs {
namespace {

constexpr const char* CalculationColumns =
    "ID_RADNIK, BRUTO, BRUTO - COALESCE(Oslobodjenje, 0) AS oporezivo, porez_na_zaradu, "
    "Doprinosi_PIO, Doprinosi_zo, doprinosi_nezaposlenost";

std::string calculationsSql() {
    std::string union_;
    for (const char* table : {"obracuni", "bolovanja_obracuni", "invalidi_obracuni"}) {
        if (!union_.empty())
            union_ += " UNION ALL ";
        union_ += std::string("SELECT ") + CalculationColumns + " FROM " + table +
                  " WHERE GODINA * 100 + MEsec >= ? AND GODINA * 100 + MEsec <= ?";
    }
    return "SELECT ID_RADNIK, SUM(BRUTO), SUM(oporezivo), SUM(porez_na_zaradu), "
           "SUM(Doprinosi_PIO), SUM(Doprinosi_zo), SUM(doprinosi_nezaposlenost) FROM (" +
           union_ + ") GROUP BY ID_RADNIK";
}

constexpr const char* OtherIncomeSql =
    "SELECT o.ID_RADNIK, SUM(o.BRUTO), SUM(o.OSnovica_porez), SUM(o.POrez_iznos), "
    "SUM(o.Doprinosi_PIO), SUM(o.Doprinosi_zo), SUM(o.Doprinosi_nez) "
    "FROM obracun_ostale_zarade o INNER JOIN nalozi_ostale_zarade n ON o.id_noz = n.id_noz "
    "WHERE COALESCE(n.obrisan, 0) = 0 AND n.Datum >= ? AND n.Datum <= ? GROUP BY o.ID_RADNIK";

void addAmounts(ReturnRow& row, const ReturnRow& more) {
    row.BRUTO += more.BRUTO;
    row.Oporezivo += more.Oporezivo;
    row.Porez += more.Porez;
    row.PIO += more.PIO;
    row.ZDR += more.ZDR;
    row.NEZ += more.NEZ;
}

// The six amounts of the statement's row from the column `first` on: gross, taxable, tax, PIO,
// health, unemployment.
ReturnRow amountsFrom(const db::Statement& st, int first) {
    ReturnRow amounts;
    amounts.BRUTO = st.money(first);
    amounts.Oporezivo = st.money(first + 1);
    amounts.Porez = st.money(first + 2);
    amounts.PIO = st.money(first + 3);
    amounts.ZDR = st.money(first + 4);
    amounts.NEZ = st.money(first + 5);
    return amounts;
}

// Sums the amounts of the statement's rows (the person's id, then the six amounts) per person.
void sumInto(std::map<std::int64_t, ReturnRow>& people, db::Statement& st) {
    while (st.step()) {
        ReturnRow& person = people[st.integer(0)];
        person.id_radnik = st.integer(0);
        addAmounts(person, amountsFrom(st, 1));
    }
}

void sortByName(std::vector<ReturnRow>& part) {
    sortSerbian(part, [](const ReturnRow& row) { return row.name(); });
}

std::string amountField(Currency amount) {
    return format(amount, NumberFormat::Plain2);
}

} // namespace

ReturnPeriod wholeYear(int year) {
    return {year, 1, year, 12};
}

std::string ReturnRow::name() const {
    return trim(Prezime + " " + Ime);
}

AnnualReturn collectAnnualReturn(db::Database& payroll, const ReturnPeriod& period) {
    std::map<std::int64_t, ReturnRow> people;
    db::Statement calculations = payroll.prepare(calculationsSql());
    const int from = Period(period.fromYear, period.fromMonth);
    const int to = Period(period.toYear, period.toMonth);
    calculations.bindAll(from, to, from, to, from, to);
    sumInto(people, calculations);
    db::Statement other = payroll.prepare(OtherIncomeSql);
    other.bindAll(Date{period.fromYear, period.fromMonth, 1},
                  Date{period.toYear, period.toMonth, DaysInMonth(period.toMonth, period.toYear)});
    sumInto(people, other);

    AnnualReturn annual;
    for (auto& [id, row] : people) {
        db::Statement person = payroll.prepare(
            "SELECT Ime, Prezime, JMBG, ADRESA, nije_u_ro FROM radnici WHERE id_radnik = ?");
        person.bindAll(id);
        if (!person.step())
            continue;
        row.Ime = person.text(0);
        row.Prezime = person.text(1);
        row.JMBG = person.text(2);
        row.Adresa = person.text(3);
        (person.flag(4) ? annual.outside : annual.employed).push_back(row);
    }
    sortByName(annual.employed);
    sortByName(annual.outside);
    return annual;
}

void addReturnRows(std::vector<ReturnRow>& part, const std::vector<ReturnRow>& more) {
    addByPerson(part, more, addAmounts);
}

std::vector<ReturnRow> predecessorIncome(db::Database& payroll) {
    db::Statement st = payroll.prepare(
        "SELECT Ime, Prezime, matbroj, SUM(B), SUM(OZ), SUM(p2), SUM(p3), SUM(p4), SUM(p5) "
        "FROM ostalestariprogram GROUP BY Ime, Prezime, pime, matbroj");
    std::vector<ReturnRow> rows;
    while (st.step()) {
        ReturnRow row = amountsFrom(st, 3);
        row.Ime = st.text(0);
        row.Prezime = st.text(1);
        row.JMBG = st.text(2);
        rows.push_back(row);
    }
    return rows;
}

ReturnRow returnTotals(const std::vector<ReturnRow>& part) {
    ReturnRow total;
    for (const ReturnRow& row : part)
        addAmounts(total, row);
    return total;
}

Outcome<report::CompanyData> returnPayer(const std::optional<report::CompanyData>& company) {
    if (!company || company->Naziv.empty() || company->PIB.empty() || company->maticni.empty() ||
        company->grad.empty() || company->ADRESA.empty())
        return warning("Popunite osnovne podatke!");
    return *company;
}

void writeReturnPart(const std::filesystem::path& file, const report::CompanyData& payer,
                     const std::vector<ReturnRow>& part) {
    const FileForm form = fileForm(OutsideFile::AnnualReturn);
    const auto field = [&](const std::string& text) {
        return separatedField(YusciiToPlain(trim(text)), form);
    };
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("Ne mogu da upisem fajl " + file.string());
    out << field(payer.PIB) << ';' << field(payer.Naziv) << ';' << field(payer.maticni) << ';'
        << field(payer.grad) << ';' << field(payer.ADRESA) << ';' << field(payer.telefon) << ';'
        << part.size() << form.lineEnd;
    for (const ReturnRow& row : part)
        out << field(row.JMBG) << ';' << field(row.Ime) << ';' << field(row.Prezime) << ';'
            << amountField(row.Oporezivo) << ';' << amountField(row.Porez) << ';'
            << amountField(row.PIO) << ';' << amountField(row.ZDR) << ';' << amountField(row.NEZ)
            << form.lineEnd;
    if (!out.flush())
        throw std::runtime_error("Ne mogu da upisem fajl " + file.string());
}

std::vector<std::filesystem::path> writeReturnFiles(const std::filesystem::path& folder,
                                                    const report::CompanyData& payer,
                                                    const AnnualReturn& annual) {
    const std::filesystem::path second = folder / "ppp_deo2.txt";
    const std::filesystem::path third = folder / "ppp_deo3.txt";
    writeReturnPart(second, payer, annual.employed);
    writeReturnPart(third, payer, annual.outside);
    return {second, third};
}

} // namespace zarion::outputs
