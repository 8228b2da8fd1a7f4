#include "maintenance/HealthFundReport.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/Text.h"
#include "payroll/Exact.h"

namespace zarion::maintenance {
namespace {

using payroll::Exact;

// Columns of the sheet that take a figure of the calculation as it stands.
constexpr std::array<std::pair<const char*, const char*>, 31> CopiedColumns{{
    {"7", "radni_staz"},
    {"8", "cena_Rada"},
    {"9", "broj_sati"},
    {"10", "godisnji_s"},
    {"13", "placeno_odsustvo_s"},
    {"14", "dezurstvo_s"},
    {"15", "produzeni_rad_s"},
    {"16", "rad_na_praznik_s"},
    {"17", "nocni_rad_s"},
    {"18", "rad_nedeljom_s"},
    {"19", "pripravnost_s"},
    {"20", "osnovna_bruto"},
    {"21", "godisnji_i"},
    {"24", "placeno_odsustvo_i"},
    {"25", "dezurstvo_i"},
    {"26", "produzeni_rad_i"},
    {"27", "rad_na_praznik_i"},
    {"28", "nocni_rad_i"},
    {"29", "rad_nedeljom_i"},
    {"30", "pripravnost_i"},
    {"31", "stimulacije"},
    {"32", "topli_obrok"},
    {"33", "regres"},
    {"34", "bolovnje65_i"},
    {"35", "bolovanje100_i"},
    {"36", "placeno_odsustvo_i"},
    {"38", "ukupno_obaveza"},
    {"39", "porez_na_zaradu"},
    {"41", "BRUTO"},
    {"42", "ukupno_doprinosa_F"},
    {"43", "ukupno_doprinosa"},
}};

// Hours of the month the price of work is given for.
const Exact MonthHours = Exact::whole(174);

struct SheetRow {
    std::int64_t rowid;
    std::string jmbg;
    std::string surname;
    std::string name;
};

std::vector<SheetRow> sheetRows(db::Database& payroll) {
    auto st = payroll.prepare("SELECT rowid, JMBG, Prezime, Ime FROM izvestaj ORDER BY rowid");
    std::vector<SheetRow> rows;
    while (st.step())
        rows.push_back({st.integer(0), st.text(1), st.text(2), st.text(3)});
    return rows;
}

// The figures of one calculation, by sheet column.
std::vector<std::pair<std::string, double>> figures(const db::Statement& calc) {
    std::vector<std::pair<std::string, double>> out;
    for (const auto& [column, field] : CopiedColumns)
        out.emplace_back(column, calc.number(field));

    const Exact price = calc.money("cena_Rada");
    const Exact coefficient = Exact::decimal(calc.number("KOEFICIJENT"));
    const Exact k = coefficient + Exact::decimal(calc.number("funkcijski_dodatak")) +
                    Exact::decimal(calc.number("otezani_uslovi"));
    const Currency basicForHours =
        (k * price * Exact::decimal(calc.number("broj_sati")) / MonthHours).round2();
    out.emplace_back("5", (price * coefficient / MonthHours).round2().toDouble());
    out.emplace_back("6", k.toDouble());
    out.emplace_back("37", (calc.money("osnovna_bruto") - basicForHours).round0().toDouble());
    out.emplace_back("40", (calc.money("BRUTO") - calc.money("Oslobodjenje")).toDouble());
    out.emplace_back("44",
                     (calc.money("ukupno_doprinosa") + calc.money("porez_na_zaradu")).toDouble());
    out.emplace_back("45", calc.number("NETO"));
    return out;
}

void writeFigures(db::Database& payroll, std::int64_t rowid,
                  const std::vector<std::pair<std::string, double>>& values) {
    std::string sql = "UPDATE izvestaj SET ";
    for (std::size_t i = 0; i < values.size(); ++i)
        sql += (i ? ", \"" : "\"") + values[i].first + "\" = ?";
    sql += " WHERE rowid = ?";
    auto st = payroll.prepare(sql);
    int index = 0;
    for (const auto& value : values)
        st.bind(++index, value.second);
    st.bind(++index, rowid);
    st.run();
}

} // namespace

HealthFundFill fillHealthFundReport(db::Database& payroll, int year, int month) {
    db::Transaction tx(payroll);
    HealthFundFill done;
    for (const SheetRow& row : sheetRows(payroll)) {
        auto calc = payroll.prepare(
            "SELECT obracuni.*, radnici.JMBG AS jmbg_radnika FROM obracuni, radnici"
            " WHERE obracuni.ID_RADNIK = radnici.id_radnik AND obracuni.GODINA = ?"
            " AND obracuni.MEsec = ? AND trim(radnici.JMBG) = ? ORDER BY obracuni.Id_obracun");
        calc.bindAll(year, month, row.jmbg);
        if (calc.step()) {
            writeFigures(payroll, row.rowid, figures(calc));
            ++done.filled;
        } else {
            payroll.run("UPDATE izvestaj SET napomena = ? WHERE rowid = ?",
                        "Nije pronadjen obracun za: "_yu + row.surname + " " + row.name, row.rowid);
            ++done.notFound;
        }
    }
    tx.commit();
    return done;
}

} // namespace zarion::maintenance
