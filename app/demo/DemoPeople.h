#pragma once

#include <array>

#include "core/Dates.h"

namespace zarion::demo {

// The demo company's organisational units and banks, in the order the people below refer to them.
inline constexpr std::array<const char*, 4> demoUnits{"Uprava", "Proizvodnja", "Prodaja",
                                                      "Magacin"};

struct DemoBank {
    const char* name;
    const char* prefix; // the bank's three digits that open every account it keeps
};
inline constexpr std::array<DemoBank, 3> demoBanks{{
    {"Banca Intesa a.d. Beograd", "160"},
    {"Direktna Banka a.d. Kragujevac", "150"},
    {"NLB Komercijalna banka a.d. Beograd", "205"},
}};

enum class Engagement { Regular, Owner, PartTime, FixedTerm };

// One employee of the demo register. The hire date is kept as years before the demo year, so the
// register reads the same whichever year the demo is made for.
struct DemoPerson {
    const char* surname;
    const char* name;
    bool female;
    Date born;
    int yearsEmployed;
    int hiredMonth;
    int hiredDay;
    int unit; // index into demoUnits
    const char* job;
    double coefficient;
    const char* education;
    int bank; // index into demoBanks
    const char* street;
    const char* municipality; // a name of the opstine table
    int priorYears;
    int priorMonths;
    Engagement engagement = Engagement::Regular;
};

// surname, name, female, born, years employed, hired month and day, unit, job, coefficient,
// education, bank, street, municipality, prior service years and months, engagement
// clang-format off
inline constexpr std::array<DemoPerson, 25> demoPeople{{
    {"Đorđević", "Marko", false, {1971, 3, 14}, 16, 3, 1, 0, "Direktor", 4.5, "VII-1",
     0, "Krunska 24", "Vračar", 6, 4, Engagement::Owner},
    {"Šćepanović", "Jelena", true, {1979, 7, 22}, 14, 9, 1, 0, "Šef računovodstva", 3.2, "VII-1",
     1, "Cvijićeva 88", "Palilula", 5, 2},
    {"Živković", "Nenad", false, {1984, 11, 3}, 12, 2, 15, 1, "Rukovodilac razvoja", 4.0, "VII-1",
     0, "Jurija Gagarina 45", "Novi Beograd", 3, 0},
    {"Čolić", "Milica", true, {1990, 2, 9}, 7, 4, 1, 1, "Programer", 3.0, "VII-1",
     2, "Ustanička 120", "Voždovac", 2, 6},
    {"Petrović", "Stefan", false, {1993, 5, 30}, 5, 10, 1, 1, "Programer", 2.8, "VII-1",
     0, "Požeška 67", "Čukarica", 1, 3},
    {"Jovanović", "Ana", true, {1988, 9, 17}, 9, 1, 15, 1, "Viši programer", 3.6, "VII-1",
     1, "Bulevar kralja Aleksandra 210", "Zvezdara", 3, 8},
    {"Nikolić", "Dušan", false, {1982, 12, 1}, 11, 6, 1, 1, "Sistem administrator", 2.6, "VI",
     2, "Glavna 15", "Zemun", 4, 0},
    {"Ilić", "Tijana", true, {1996, 4, 25}, 3, 9, 15, 1, "Tester", 2.0, "VI",
     0, "Nemanjina 30", "Savski venac", 0, 0},
    {"Marković", "Vladimir", false, {1975, 8, 8}, 15, 5, 1, 2, "Rukovodilac prodaje", 3.4, "VII-1",
     0, "Dositejeva 9", "Stari grad", 8, 1},
    {"Stojanović", "Ivana", true, {1991, 1, 19}, 6, 2, 1, 2, "Komercijalista", 2.2, "VI",
     1, "Njegoševa 12", "Vračar", 1, 0},
    {"Kovačević", "Miloš", false, {1987, 6, 12}, 8, 11, 1, 2, "Komercijalista", 2.2, "IV",
     2, "Patrijarha Dimitrija 21", "Rakovica", 5, 5},
    {"Lukić", "Snežana", true, {1968, 10, 5}, 17, 1, 10, 0, "Knjigovođa", 2.0, "IV",
     0, "Ruzveltova 41", "Palilula", 15, 3},
    {"Pavlović", "Bojan", false, {1985, 3, 28}, 10, 3, 1, 3, "Magacioner", 1.3, "III",
     1, "Vojislava Ilića 77", "Zvezdara", 4, 0},
    {"Savić", "Dragana", true, {1978, 12, 20}, 4, 9, 1, 0, "Administrativni radnik", 1.5, "IV",
     2, "Bulevar Mihajla Pupina 10", "Novi Beograd", 12, 7, Engagement::PartTime},
    {"Đukić", "Nikola", false, {1998, 7, 7}, 1, 7, 1, 1, "Mlađi programer", 1.9, "VI",
     0, "Vojvode Stepe 155", "Voždovac", 0, 0, Engagement::FixedTerm},
    {"Milošević", "Katarina", true, {1983, 2, 14}, 9, 6, 1, 1, "Projekt menadžer", 3.3, "VII-1",
     1, "Gospodara Vučića 50", "Voždovac", 4, 0},
    {"Todorović", "Zoran", false, {1965, 9, 30}, 13, 4, 1, 3, "Rukovodilac magacina", 1.8, "IV",
     0, "Cara Dušana 112", "Zemun", 20, 0},
    {"Stanković", "Marija", true, {1994, 11, 11}, 4, 2, 15, 1, "Dizajner", 2.4, "VI",
     2, "Mileševska 18", "Vračar", 1, 2},
    {"Ćirić", "Goran", false, {1972, 4, 4}, 12, 8, 1, 3, "Vozač", 1.2, "III",
     1, "Kneza Višeslava 60", "Čukarica", 14, 0},
    {"Bošković", "Nataša", true, {1989, 8, 26}, 7, 3, 1, 2, "Menadžer prodaje", 2.7, "VII-1",
     0, "Omladinskih brigada 90", "Novi Beograd", 3, 4},
    {"Gajić", "Dejan", false, {1980, 1, 15}, 10, 10, 1, 3, "Magacioner", 1.1, "III",
     2, "Bulevar oslobođenja 133", "Voždovac", 6, 0},
    {"Ristić", "Jovana", true, {1997, 6, 3}, 2, 5, 1, 2, "Komercijalista", 1.7, "IV",
     1, "Takovska 28", "Palilula", 0, 8},
    {"Tomić", "Aleksandar", false, {1986, 10, 21}, 8, 4, 15, 1, "Viši programer", 3.8, "VII-1",
     0, "Resavska 44", "Savski venac", 4, 1},
    {"Mitrović", "Danijela", true, {1992, 3, 9}, 5, 1, 15, 0, "Pravnik", 2.5, "VII-1",
     2, "Kralja Petra 19", "Stari grad", 2, 0},
    {"Žarković", "Đorđe", false, {1999, 12, 18}, 2, 11, 1, 1, "Tester", 1.6, "VI",
     0, "Ivana Milutinovića 7", "Vračar", 0, 0},
}};
// clang-format on

} // namespace zarion::demo
