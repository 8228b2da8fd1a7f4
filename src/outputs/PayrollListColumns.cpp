#include "outputs/PayrollListColumns.h"

#include "core/NumberFormat.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

std::string money(Currency value) {
    return format(value, NumberFormat::Plain2);
}

std::string plain(double value) {
    return format(value, NumberFormat::General);
}

// One amount column of the spreadsheet.
struct SheetAmount {
    const char* heading;
    Currency (*value)(const PayrollRow&);
};

const SheetAmount SheetAmounts[] = {
    {"BRUTO",
     [](const PayrollRow& r) {
         return r.calc.BRUTO;
     }},
    {"Neoporezivo",
     [](const PayrollRow& r) {
         return r.calc.Oslobodjenje;
     }},
    {"Porez",
     [](const PayrollRow& r) {
         return r.calc.porez_na_zaradu;
     }},
    {"PIO",
     [](const PayrollRow& r) {
         return r.calc.Doprinosi_PIO;
     }},
    {"ZO",
     [](const PayrollRow& r) {
         return r.calc.Doprinosi_zo;
     }},
    {"Nezaposlenost",
     [](const PayrollRow& r) {
         return r.calc.doprinosi_nezaposlenost;
     }},
    {"NETO",
     [](const PayrollRow& r) {
         return r.calc.NETO;
     }},
    {"PIO firma",
     [](const PayrollRow& r) {
         return r.calc.Doprinosi_PIO_F;
     }},
    {"ZO firma",
     [](const PayrollRow& r) {
         return r.calc.Doprinosi_zo_F;
     }},
    {"Nezaposlenost firma",
     [](const PayrollRow& r) {
         return r.calc.doprinosi_nezaposlenost_f;
     }},
    {"Dodatni doprinos 1",
     [](const PayrollRow& r) {
         return r.calc.doprinosi_ro_f;
     }},
    {"Dodatni doprinos 2",
     [](const PayrollRow& r) {
         return r.calc.doprinosi_ro_f2;
     }},
    {"Dodatni doprinos 3",
     [](const PayrollRow& r) {
         return r.calc.doprinosi_ro_f3;
     }},
    {"Solidarni porez",
     [](const PayrollRow& r) {
         return r.calc.solidarni_porez;
     }},
    {"Osnovica doprinosa",
     [](const PayrollRow& r) {
         return r.contributionBase();
     }},
    {"Obustave",
     [](const PayrollRow& r) {
         return r.deductions;
     }},
    {"Za isplatu",
     [](const PayrollRow& r) {
         return r.toPay();
     }},
};

} // namespace

std::vector<std::string> payrollListTexts(const PayrollRow& row) {
    const payroll::SalaryResult& c = row.calc;
    return {
        std::to_string(row.id_radnik),      // 0
        row.fullName(),                     // 1
        row.employee.radno_mesto,           // 2
        money(c.BRUTO),                     // 3
        money(c.NETO),                      // 4
        std::to_string(row.days),           // 5
        plain(c.broj_sati),                 // 6
        money(c.osnovna_bruto),             // 7
        plain(c.produzeni_rad_s),           // 8
        money(c.produzeni_rad_i),           // 9
        plain(c.rad_na_praznik_s),          // 10
        money(c.rad_na_praznik_i),          // 11
        plain(c.rad_nedeljom_s),            // 12
        money(c.rad_nedeljom_i),            // 13
        plain(c.nocni_rad_s),               // 14
        money(c.nocni_rad_i),               // 15
        money(c.minuli_rad),                // 16
        plain(c.bolovnje65_s),              // 17
        money(c.bolovnje65_i),              // 18
        plain(c.bolovanje100_s),            // 19
        money(c.bolovanje100_i),            // 20
        plain(c.godisnji_s),                // 21
        money(c.godisnji_i),                // 22
        money(c.topli_obrok),               // 23
        money(c.regres),                    // 24
        money(c.fiksna_plata),              // 25
        money(c.stimulacije),               // 26
        money(c.BRUTO),                     // 27
        money(c.porez_na_zaradu),           // 28
        money(c.Doprinosi_PIO),             // 29
        money(c.Doprinosi_zo),              // 30
        money(c.doprinosi_nezaposlenost),   // 31
        money(c.NETO),                      // 32
        money(c.Doprinosi_PIO_F),           // 33
        money(c.Doprinosi_zo_F),            // 34
        money(c.doprinosi_nezaposlenost_f), // 35
        money(c.doprinosi_ro_f),            // 36
        row.employee.Prezime,               // 37
        row.employee.Ime,                   // 38
        c.tekuci_Racun,                     // 39
        std::to_string(c.tip_obracuna),     // 40
        money(c.Oslobodjenje),              // 41
        std::to_string(row.employee.id_rj), // 42
        plain(row.effectiveHours()),        // 43
        std::to_string(c.god_staza),        // 44
        row.employee.sss,                   // 45
        plain(c.otezani_uslovi),            // 46
        std::to_string(row.Id_obracun),     // 47
        plain(c.ocena_radnog_ucinka),       // 48
        money(c.produzeni_rad_i),           // 49
        money(c.solidarni_porez),           // 50
        money(row.contributionBase()),      // 51
        std::to_string(row.serviceYears()), // 52
        money(c.doprinosi_ro_f2),           // 53
        money(c.doprinosi_ro_f3),           // 54
        plain(c.rad_nedeljomstvarno_s),     // 55
        money(c.rad_nedeljomstvarno_i),     // 56
        money(c.razlika_do_min),            // 57
        money(c.stimulacije_uredba),        // 58
        money(row.na_ruke),                 // 59
        plain(c.dezurstvo_s),               // 60
        money(c.dezurstvo_i),               // 61
        plain(c.produzeni_rad_s),           // 62
        money(c.produzeni_rad_i),           // 63
        plain(c.pripravnost_s),             // 64
        money(c.pripravnost_i),             // 65
        plain(c.pripravnostaktivna_s),      // 66
        money(c.pripravnostaktivna_i),      // 67
        plain(c.KOEFICIJENT),               // 68
        money(c.stimulacije),               // 69
        money(c.odvojeni),                  // 70
        money(c.fiksna_plata),              // 71
        std::string(),                      // 72
        money(row.linkedOtherNet),          // 73
        std::to_string(row.Id_obracun),     // 74
    };
}

std::vector<std::string> payrollListHeadings() {
    std::vector<std::string> headings(PayrollListColumnCount);
    const std::pair<int, const char*> named[] = {{0, "ID"},
                                                 {1, "Prezime i ime"},
                                                 {2, "Radno mesto"},
                                                 {3, "BRUTO"},
                                                 {4, "NETO"},
                                                 {5, "Dana"},
                                                 {6, "Sati"},
                                                 {7, "Osnovna bruto"},
                                                 {8, "Prod.rad s"},
                                                 {9, "Prod.rad"},
                                                 {10, "Praznik s"},
                                                 {11, "Praznik"},
                                                 {12, "Nedelja s"},
                                                 {13, "Nedelja"},
                                                 {14, "No}ni s"},
                                                 {15, "No}ni rad"},
                                                 {16, "Minuli rad"},
                                                 {17, "Bol.65 s"},
                                                 {18, "Bol.65"},
                                                 {19, "Bol.100 s"},
                                                 {20, "Bol.100"},
                                                 {21, "God.odmor s"},
                                                 {22, "God.odmor"},
                                                 {23, "Topli obrok"},
                                                 {24, "Regres"},
                                                 {25, "Fiksna plata"},
                                                 {26, "Stimulacije"},
                                                 {27, "BRUTO"},
                                                 {28, "Porez"},
                                                 {29, "PIO"},
                                                 {30, "ZO"},
                                                 {31, "Nezap."},
                                                 {32, "NETO"},
                                                 {33, "PIO firma"},
                                                 {34, "ZO firma"},
                                                 {35, "Nezap. firma"},
                                                 {36, "Dod.dopr. 1"},
                                                 {37, "Prezime"},
                                                 {38, "Ime"},
                                                 {39, "Teku}i ra~un"},
                                                 {40, "Tip obra~una"},
                                                 {41, "Neoporezivo"},
                                                 {42, "RJ"},
                                                 {43, "Efekt.sati"},
                                                 {44, "God.sta`a"},
                                                 {45, "Str.sprema"},
                                                 {46, "Ote`.uslovi"},
                                                 {47, "ID obra~una"},
                                                 {48, "Ocena"},
                                                 {49, "Prod.rad"},
                                                 {50, "Solidarni porez"},
                                                 {51, "Osnovica dopr."},
                                                 {52, "Sta`"},
                                                 {53, "Dod.dopr. 2"},
                                                 {54, "Dod.dopr. 3"},
                                                 {55, "Nedelja stv. s"},
                                                 {56, "Nedelja stv."},
                                                 {57, "Razlika do min."},
                                                 {58, "Stim. po uredbi"},
                                                 {59, "Na ruke"},
                                                 {60, "De`urstvo s"},
                                                 {61, "De`urstvo"},
                                                 {62, "Prekovremeni s"},
                                                 {63, "Prekovremeni"},
                                                 {64, "Pripravnost s"},
                                                 {65, "Pripravnost"},
                                                 {66, "Aktivna pripr. s"},
                                                 {67, "Aktivna pripr."},
                                                 {68, "Koeficijent"},
                                                 {69, "Stimulacije"},
                                                 {70, "Odvojeni"},
                                                 {71, "Fiksna plata"},
                                                 {73, "Ostala primanja NETO"},
                                                 {74, "ID obra~una"}};
    for (const auto& [column, text] : named)
        headings[static_cast<std::size_t>(column)] = yuscii(text);
    return headings;
}

std::vector<std::string> ownerListTexts(const PayrollRow& row) {
    const payroll::SalaryResult& c = row.calc;
    return {std::to_string(row.id_radnik),
            row.fullName(),
            "PREDUZETNIK",
            money(c.BRUTO),
            money(c.Oslobodjenje),
            money(c.porez_na_zaradu),
            money(c.Doprinosi_PIO),
            money(c.Doprinosi_zo),
            money(c.doprinosi_nezaposlenost),
            money(c.NETO),
            row.employee.Prezime,
            row.employee.Ime,
            std::to_string(row.employee.id_rj)};
}

std::vector<std::string> ownerListHeadings() {
    return {"ID", "Prezime i ime", "Vrsta", "BRUTO",   "Neoporezivo", "Porez", "PIO",
            "ZO", "Nezap.",        "NETO",  "Prezime", "Ime",         "RJ"};
}

report::SheetList payrollSheet(const PayrollList& list) {
    report::SheetList sheet;
    sheet.headings = {"JMBG", "Ime", "Prezime"};
    for (const SheetAmount& amount : SheetAmounts)
        sheet.headings.push_back(amount.heading);
    for (const PayrollRow* row : list.allRows()) {
        std::vector<std::string> cells{row->employee.JMBG, row->employee.Ime,
                                       row->employee.Prezime};
        for (const SheetAmount& amount : SheetAmounts)
            cells.push_back(money(amount.value(*row)));
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

} // namespace zarion::outputs
