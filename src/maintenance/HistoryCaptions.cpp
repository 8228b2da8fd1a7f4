#include "maintenance/HistoryCaptions.h"

#include "core/Text.h"
#include "parameters/ColumnDescriptions.h"
#include "parameters/MonthRows.h"
#include "payroll/CalculationCaptions.h"

namespace zarion::maintenance {

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
