#include "outputs/ReturnFiling.h"

#include "core/NumericText.h"
#include "core/trail/FiledMonths.h"

namespace zarion::outputs {

void recordReturnFiled(db::Database& payroll, const Declaration& declaration,
                       const std::vector<std::filesystem::path>& written) {
    const int year = static_cast<int>(wholeValue(declaration.header.POD122));
    const int month = static_cast<int>(wholeValue(declaration.header.POD121.substr(0, 2)));
    const int payment = trail::declaredPayment(declaration.advance, declaration.finalPart);
    db::Transaction tx(payroll);
    trail::recordExport(payroll, "PPP-PD, deo " + std::to_string(payment), written, year, month);
    trail::markFiled(payroll, year, month, payment, written);
    tx.commit();
}

} // namespace zarion::outputs
