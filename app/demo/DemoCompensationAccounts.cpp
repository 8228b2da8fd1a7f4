#include "demo/DemoCompensationAccounts.h"

#include <string>
#include <utility>

#include "core/Text.h"

namespace zarion::demo {

void fillCompensationAccounts(db::Database& payroll) {
    const std::pair<const char*, const char*> settings[] = {
        {"parametri_bolovanje", "racun_za_isplatu_bolovanje"},
        {"parametri_porodilje", "racun_za_isplatu_porodiljsko"},
        {"parametri_invalidi", "racun_za_isplatu"}};
    for (const auto& [table, payoutAccount] : settings) {
        // Every other column names a revenue's code, account, reference or model as parametri2
        // keeps it for the salaries.
        std::string revenues;
        for (const db::ColumnInfo& column : payroll.columns(table))
            if (!equalsIgnoreCase(column.name, "racun_za_isplatu"))
                revenues += ", " + column.name;
        payroll.run(std::string("INSERT INTO ") + table + " (racun_za_isplatu" + revenues +
                    ") SELECT " + payoutAccount + revenues + " FROM parametri2");
    }
}

} // namespace zarion::demo
