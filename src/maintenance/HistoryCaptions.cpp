#include "maintenance/HistoryCaptions.h"

#include "core/Text.h"
#include "parameters/ColumnDescriptions.h"
#include "parameters/MonthRows.h"
#include "payroll/CalculationCaptions.h"

namespace zarion::maintenance {
namespace {

struct TableCaption {
    const char* table;
    const char* caption;
};

constexpr TableCaption TableCaptions[] = {
    {"radnici", "Zaposleni"},
    {"obustaveproc", "Stalne obustave"},
    {"obustave_radnici", "Obustave radnika"},
    {"podobustave", "Stavke obustava"},
    {"parametri", "Parametri obracuna"},
    {"parametri2", "Uplatni racuni"},
    {"parametri3", "Pozivi na broj"},
    {"parametri_vlasnik", "Upl.racuni - Vlasnik/Preduzetnik"},
    {"parametri_porodilje", "Upl.racuni - porodilje"},
    {"parametri_bolovanje", "Upl.racuni - bolovanje"},
    {"parametri_invalidi", "Upl.racuni - invalidi"},
    {"podaci_ppppd", "Podaci za PPP PD"},
    {"postavke", "Postavke programa"},
    {"parametri_po_mesecima", "Parametri po mesecima"},
    {"kurs", "Kurs strane valute"},
    {"obracuni", "Kona~ni obra~un zarade"},
    {"akontacija_obracuni", "Akontacija zarade"},
    {"bolovanja_obracuni", "Naknada za bolovanje ili porodiljsko"},
    {"invalidi_obracuni", "Naknada invalidu"},
    {"obracun_ostale_zarade", "Ostala primanja - obra~un lica"},
    {"nalozi_ostale_zarade", "Ostala primanja - nalog"},
    {"predati_meseci", "Predaja meseca"},
    {"aaverzija", "Verzija baze"},
};

// The registers' columns in the words of the windows that edit them, the month of a month's
// rates, and the gross and net of a compensation or of other income, which are not a salary's.
struct ColumnCaption {
    const char* table;
    const char* column;
    const char* caption;
};

constexpr ColumnCaption OwnCaptions[] = {
    {"radnici", "id_radnik", "ID"},
    {"radnici", "lbo", "LBO"},
    {"radnici", "licna_karta", "Li~na karta"},
    {"radnici", "ADRESA", "Adresa"},
    {"radnici", "telefon", "Telefon"},
    {"radnici", "funkcijski_dodatak", "Funkcijski dodatak"},
    {"radnici", "otezani_uslovi", "Ote`ani uslovi"},
    {"radnici", "pg", "Sta` (godina)"},
    {"radnici", "Pm", "Sta` (meseci)"},
    {"radnici", "Pd", "Sta` (dana)"},
    {"radnici", "Datum", "Datum zaposlenja"},
    {"radnici", "tekuci_Racun", "Teku}i ra~un"},
    {"radnici", "isplata_preko_racuna", "Isplata preko ra~una"},
    {"radnici", "nije_u_ro", "Nije u radnom odnosu"},
    {"radnici", "datum_odjave", "Datum odjave"},
    {"radnici", "id_rj", "Radna jedinica"},
    {"radnici", "sss", "Stru~na sprema"},
    {"radnici", "ID_BAnka", "Banka"},
    {"radnici", "pol", "Pol"},
    {"radnici", "sifra_opstine", "Op{tina"},
    {"radnici", "vrsta", "Vrsta osiguranika"},
    {"radnici", "sifra_vrste_prihoda", "[ifra vrste prihoda"},
    {"radnici", "platni_razred", "Platni razred"},
    {"radnici", "na_odredjeno", "Radni odnos na odre|eno"},
    {"radnici", "datum_na_odredjeno", "Odre|eno do"},
    {"radnici", "broj_ugovora", "Broj ugovora"},
    {"radnici", "aneks", "Aneks"},
    {"radnici", "vlasnik", "Vlasnik/preduzetnik"},
    {"radnici", "Kontrolni", "Kontrolni broj"},
    {"obustave_radnici", "id_or", "ID"},
    {"obustave_radnici", "id_obustava", "Kreditna partija"},
    {"obustave_radnici", "ID_RADNIK", "Radnik"},
    {"obustave_radnici", "POCETAK", "Po~etak otplate"},
    {"obustave_radnici", "kraj", "Kraj otplate"},
    {"obustave_radnici", "valuta", "Valuta"},
    {"obustave_radnici", "Iznos", "Iznos rate"},
    {"obustave_radnici", "prvi_deo", "Prvi deo"},
    {"obustave_radnici", "drugi_deo", "Drugi deo"},
    {"obustave_radnici", "ukupno_meseci", "Ukupno meseci"},
    {"obustave_radnici", "sifra_placanja", "[ifra pla}anja"},
    {"obustave_radnici", "model", "Model"},
    {"obustave_radnici", "POziv_na_broj", "Poziv na broj"},
    {"obustave_radnici", "Opis", "Opis"},
    {"obustaveproc", "id_obustava_proc", "ID"},
    {"obustaveproc", "obustava", "Naziv"},
    {"obustaveproc", "procenat", "Procenat/Iznos"},
    {"obustaveproc", "Tip", "Tip"},
    {"obustaveproc", "tekuci_Racun", "Teku}i ra~un"},
    {"obustaveproc", "zbirno_placanje", "Na~in pla}anja"},
    {"obustaveproc", "grad", "Grad"},
    {"obustaveproc", "konto", "Konto"},
    {"obustaveproc", "poziv", "Poziv na broj"},
    {"obustaveproc", "obrisana", "Obrisana"},
    {"podobustave", "id_obustava_proc", "Obustava"},
    {"podobustave", "Opis", "Opis"},
    {"podobustave", "Iznos", "Iznos"},
    {"parametri_po_mesecima", "id_ppm", "ID"},
    {"parametri_po_mesecima", "MEsec", "Mesec"},
    {"parametri_po_mesecima", "GODINA", "Godina"},
    {"bolovanja_obracuni", "BRUTO", "BRUTO NAKNADA"},
    {"bolovanja_obracuni", "NETO", "NETO NAKNADA"},
    {"invalidi_obracuni", "BRUTO", "BRUTO NAKNADA"},
    {"invalidi_obracuni", "NETO", "NETO NAKNADA"},
    {"obracun_ostale_zarade", "BRUTO", "BRUTO"},
    {"obracun_ostale_zarade", "NETO", "NETO"},
    {"nalozi_ostale_zarade", "BRUTO", "BRUTO"},
    {"nalozi_ostale_zarade", "NETO", "NETO"},
};

std::string ownCaption(std::string_view table, std::string_view column) {
    for (const ColumnCaption& known : OwnCaptions)
        if (equalsIgnoreCase(table, known.table) && equalsIgnoreCase(column, known.column))
            return yuscii(known.caption);
    return {};
}

} // namespace

std::string historyTableCaption(std::string_view table) {
    for (const TableCaption& known : TableCaptions)
        if (equalsIgnoreCase(table, known.table))
            return yuscii(known.caption);
    return std::string(table);
}

std::string historyColumnCaption(std::string_view table, std::string_view column) {
    if (std::string own = ownCaption(table, column); !own.empty())
        return own;
    if (equalsIgnoreCase(table, "parametri_po_mesecima"))
        return parameters::monthRateCaption(std::string(column));
    const std::string_view described =
        parameters::ColumnDescriptions::standard().description(table, column);
    return described.empty() ? payroll::columnCaption(column) : std::string(described);
}

std::vector<trail::ColumnChange> captionedChanges(const trail::HistoryEntry& entry) {
    std::vector<trail::ColumnChange> changes = entry.changes;
    for (trail::ColumnChange& change : changes)
        change.column = historyColumnCaption(entry.table, change.column);
    return changes;
}

} // namespace zarion::maintenance
