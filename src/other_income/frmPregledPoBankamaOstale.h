#pragma once

#include <QWidget>
#include <vector>

#include "other_income/OtherIncomeBankList.h"

class QComboBox;

namespace zarion {
struct AppContext;
}
namespace zarion::outputs {
class BankListPanel;
}

namespace zarion::other_income {

// The bank lists of other income: the nets of the chosen other-income order by the recipients'
// banks, printed per bank and written as the banks' mass-payment files ("OZ_").
class frmPregledPoBankamaOstale : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledPoBankamaOstale(AppContext& context, QWidget* parent = nullptr);

    // Chooses the order in the list and shows its banks.
    void chooseOrder(std::int64_t id_noz);
    void UcitajBanke();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    std::vector<OtherIncomeOrder> orders_;
    QComboBox* cmbNalog;
    outputs::BankListPanel* panel_;
};

} // namespace zarion::other_income
