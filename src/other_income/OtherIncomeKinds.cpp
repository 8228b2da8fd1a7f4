#include "other_income/OtherIncomeKinds.h"

#include "core/Text.h"

namespace zarion::other_income {

namespace {

const std::string AnyIncome = "Vrsta prihoda: _______________________";

} // namespace

const std::vector<OtherIncomeKind>& otherIncomeKinds() {
    static const std::vector<OtherIncomeKind> kinds{

        {3, "mnuOZPrivremeni", "3 - Ugovor o privremenim i povremenim poslovima"_yu,
         "Ugovor o privremenim i povremenim poslovima"_yu,
         "Isplate po ugovoru o privremenim i povremenim poslovima"_yu,
         "Vrsta prihoda: PRIVREMENI I POVREMENI POSLOVI"_yu},
        {4, "mnuOSAutor", "4 - Autorska naknada"_yu, "Ugovor o autorskim naknadama"_yu,
         "Isplate po ugovoru o autorskim naknadama"_yu, "Vrsta prihoda: AUTORSKE NAKNADE"_yu},
        {5, "mnuOZDopunsi", "5 - Ugovor o dopunskom radu"_yu, "Ugovor o dopunskom radu"_yu,
         "Isplate po ugovoru o dopunskom radu"_yu, "Vrsta prihoda: UGOVOR O DOPUNSKOM RADU"_yu},
        {6, "mnuUgovoroDelu", "6 - Ugovor o delu"_yu, "Ugovor o delu"_yu,
         "Isplate po ugovoru o delu"_yu, "Vrsta prihoda: UGOVOR O DELU"_yu},
        {7, "mnuStrPr", "7 - Stru~na praksa"_yu, "Strucna praksa"_yu,
         "Isplate za stru~nu praksu"_yu, AnyIncome},
        {8, "mnuOZJR", "8 - Javni radovi"_yu, "Javni radovi"_yu, "Isplate za javne radove"_yu,
         AnyIncome},
        {9, "mnuOZZakup", "9 - Obracun zakupa"_yu, "Obracun zakupa"_yu, "Isplate za zakup"_yu,
         AnyIncome},
        {10, "mnuOZPT", "10 - Putni tro{kovi"_yu, "Obra~un putnih tro{kova"_yu, "Putni tro{kovi"_yu,
         AnyIncome},
        {11, "mnuOstPenzija", "11 - Otpremnina za odlazak u penziju"_yu,
         "Obra~un otpremnine za odlazak u penziju"_yu, "Otpremnina za odlazak u penziju"_yu,
         AnyIncome},
        {12, "mnuOstOdvojeni", "12 - Odvojeni `ivot"_yu, "Obracun naknade za odvojeni zivot"_yu,
         "aknada za odvojeni `ivot"_yu, AnyIncome},
        {13, "mnuOstDnevnice", "13 - Dnevnice"_yu, "Obra~un dnevnica za sl putovanje"_yu,
         "Dnevnice za sl.putovanje"_yu, AnyIncome},
        {99, "mnuAkont", "99 - Akontacije"_yu, "Akontacije"_yu, "Akontacije"_yu, AnyIncome},
    };
    return kinds;
}

const OtherIncomeKind* findKind(int number) {
    for (const OtherIncomeKind& kind : otherIncomeKinds())
        if (kind.number == number)
            return &kind;
    return nullptr;
}

std::vector<const OtherIncomeKind*> kindList(int windowKind) {
    std::vector<const OtherIncomeKind*> list;
    if (windowKind == SeveranceKind || windowKind == AdvanceKind)
        list.push_back(findKind(windowKind));
    for (const OtherIncomeKind& kind : otherIncomeKinds())
        if (kind.number != SeveranceKind && kind.number != AdvanceKind)
            list.push_back(&kind);
    return list;
}

bool withoutStandardizedCosts(int kind) {
    return kind == 10 || kind == 12 || kind == PerDiemKind;
}

bool insuredOnMinimumBase(int kind) {
    return kind == 7 || kind == 8;
}

} // namespace zarion::other_income
