#pragma once

#include <QWidget>

#include "ui/PeriodBoxes.h"

namespace zarion {
struct AppContext;
}
namespace zarion::outputs {
class BankListPanel;
}

namespace zarion::compensation {

// The bank lists of the salary compensations: the month's sick leave over 30 days or maternity
// leave by the recipients' banks, printed per bank and written as the banks' mass-payment files
// ("NZ_").
class frmPregledPoBankamaNaknade : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledPoBankamaNaknade(AppContext& context, QWidget* parent = nullptr);

    // The month and the part: 0 sick leave over 30 days, 1 maternity leave.
    void setSelection(int year, int month, int part);
    void UcitajBanke();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    ui::PeriodBoxes period_;
    outputs::BankListPanel* panel_;
};

} // namespace zarion::compensation
