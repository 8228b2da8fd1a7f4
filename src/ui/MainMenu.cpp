#include "ui/MainMenu.h"

namespace zarion::ui {
namespace {

constexpr const char* Unos = "mnuUnos";
constexpr const char* Bolovanja = "mnuUnosBolovanja";
constexpr const char* ObracunLD = "mnuOLD";
constexpr const char* OstaleZarade = "mnuobrO";
constexpr const char* Pregled = "mnuPregled";
constexpr const char* PopUp = "mnuPopUp";

constexpr MenuEntry Menu[] = {
    {Unos, "Unos podataka", nullptr, MenuEntry::Group},
    {"mnuPodaci", "Podaci o firmi", Unos},
    {"mnuUnPar", "Parametri obracuna", Unos},
    {"mnuPoMes", "Parametri po mesecima", Unos},
    {"mnuPost", "Postavke programa", Unos},
    {"mnuOstali", "Uplatni racuni", Unos},
    {"mnuUplRB", "Upl.racuni - bolovanje", Unos},
    {"mnuUpRP", "Upl.racuni - porodilje", Unos},
    {"mnuUPRI", "Upl.racuni - invalidi", Unos},
    {"mnuUPLOSt", "Upl.racuni - ostale zarade", Unos},
    {"mnuUplVlasnik", "Upl.racuni - Vlasnik/Preduzetnik", Unos},
    {"mnuUBanke", "Banke", Unos},
    {"mnuZaposleni", "Zaposleni", Unos},
    {"mnuURJ", "Radne jedinice", Unos},
    {Bolovanja, "Bolovanja", Unos, MenuEntry::Group},
    {"mnuUB30", "Preko 30 dana", Bolovanja},
    {"mnuUBP", "Porodiljska", Bolovanja},
    {"mnuUnosInv", "Invalidi II i III kategorije", Unos},
    {"mnuProcObustave", "Stalne obustave", Unos},
    {"mnuKreditne", "Kreditori - Kreditne partije", Unos},
    {"mnuUOPK", "Obustave po kreditorima", Unos},
    {"mnuKurs", "Kurs strane valute", Unos},
    {"mnuGKNAlog", "Nalog za knjizenje", Unos},
    {"mnuPodPPPPD", "Podaci za PPP PD", Unos},
    {"mnuUPBR", "Pozivi na broj", Unos},

    {ObracunLD, "Obracun LD", nullptr, MenuEntry::Group},
    {"mnuPojOLD", "Pojedinacni obracun", ObracunLD},
    {"mnuObBol", "Bolovanje preko 30 dana", ObracunLD},
    {"mnuObPor", "Porodiljsko bolovanje", ObracunLD},
    {"mnuObrInvalida", "Naknade invalidima II i III kat.", ObracunLD},
    {OstaleZarade, "Ostale zarade", ObracunLD, MenuEntry::Group},
    {"mnuObrJub", "Jubilarne nagrade", OstaleZarade},
    {"mnuOGod", "Godisnje nagrade", OstaleZarade},
    {"mnuOZPrivremeni", "Ugovor o privremenim i poremenim poslovima", OstaleZarade},
    {"mnuOSAutor", "Autorske naknade", OstaleZarade},
    {"mnuOZDopunsi", "Ugovor o dopunskom radu", OstaleZarade},
    {"mnuUgovoroDelu", "Ugovor o delu", OstaleZarade},
    {"mnuStrPr", "Strucna praksa", OstaleZarade},
    {"mnuOZJR", "Javni radovi", OstaleZarade},
    {"mnuOZZakup", "Obracun zakupa", OstaleZarade},
    {"mnuOZPT", "Putni troskovi", OstaleZarade},
    {"mnuOstDnevnice", "Dnevnice", OstaleZarade},
    {"mnuOstPenzija", "Otpremnina za odlazak u penziju", OstaleZarade},
    {"mnuOstOdvojeni", "Naknada za odvojeni zivot", OstaleZarade},
    {"mnuAkont", "Akontacije", ObracunLD},

    {Pregled, "Pregled", nullptr, MenuEntry::Group},
    {"mnuSpisObr", "Spiskovi za obracun - Redovna zarada", Pregled},
    {"mnuSPB", "Spiskovi za obracun - Bolovanje ", Pregled},
    {"mnuSPP", "Spiskovi za obracun - Porodiljsko", Pregled},
    {"mnuSpisInv", "Spiskovi za obracun - Invalidi", Pregled},
    {"mnuPRK", "Rekapitulacija - Konta", Pregled},
    {"mnuPreBank", "Pregled po bankama - Redovna zarada", Pregled},
    {"mnuPreBannak", "Pregled po bankama - Naknade zarade", Pregled},
    {"mnuPrePoBOstale", "Pregled po bankama - Ostale zarade", Pregled},
    {"mnupreUmanj", "Pregled umanjenja NETO preko 60000", Pregled},
    {"mnuTrezor", "TREZOR - Zahtev", Pregled},
    {"mnuPreKre", "Pregled po kreditorima", Pregled},
    {"mnuPregledIzv", "Izvestaji po zaposlenima", Pregled},
    {"mnuPPP", "Pojedinacna poreska prijava", Pregled},
    {"mnuM4", "M4", Pregled},
    {"mnuM4Novi", "M4 - Novi", Pregled},
    {"mnuOPZ", "Obustave po zaposlenima", Pregled},
    {"mnuIRZZO", "Izvestaj za RZZO", Pregled},
    {"mnuPreGo", "Godisnji odmori", Pregled},
    {"mnuProsek", "Prosecne zarade", Pregled},
    {"mnuNalozi", "Nalozi za placanje", Pregled},
    {"mnuIstorija", "Istorija promena", Pregled},

    {"mnuStamp", "Izbor stampaca", nullptr},
    {"mnuPomocne", "Pomocne procedure", nullptr},
    {PopUp, "", nullptr, MenuEntry::HiddenGroup},
    {"mnuPo", "Pokazi obracun za izabranog radnika", PopUp},
    {"mnuOO", "Obrisi obracun za izabranog radnika", PopUp},
    {"mnuProzori", "Prozori", nullptr, MenuEntry::WindowList},
};

} // namespace

std::span<const MenuEntry> mainMenu() {
    return Menu;
}

} // namespace zarion::ui
