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

} // namespace

std::string historyTableCaption(std::string_view table) {
    for (const TableCaption& known : TableCaptions)
        if (equalsIgnoreCase(table, known.table))
            return yuscii(known.caption);
    return std::string(table);
}

std::string historyColumnCaption(std::string_view table, std::string_view column) {
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
