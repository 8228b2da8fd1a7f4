#include "outputs/BankFileSettings.h"

#include "core/Text.h"
#include "report/CompanyHeader.h"

namespace zarion::outputs {

BankFileSettings loadBankFileSettings(db::Database& payroll, db::Database* companyMaster) {
    BankFileSettings settings;
    if (companyMaster)
        if (const auto company = report::readCompanyData(*companyMaster)) {
            settings.company = trim(trim(company->Naziv) + " " + trim(company->grad));
            settings.place = trim(company->grad);
        }
    db::Statement st = payroll.prepare("SELECT intesa_klijent, mesto_placanja FROM parametri3");
    if (st.step()) {
        settings.intesaClient = st.text(0);
        if (!st.text(1).empty())
            settings.place = st.text(1);
    }
    return settings;
}

BankFileContext bankFileContext(const BankFileSettings& settings, PaymentBank bank, PayoutKind kind,
                                const ListSelection& selection, const Date& today) {
    return {bank,
            kind,
            today,
            selection.year,
            selection.month,
            settings.company,
            settings.intesaClient};
}

} // namespace zarion::outputs
