#pragma once

#include <QWidget>

#include "outputs/BankFiles.h"
#include "ui/PeriodBoxes.h"

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

class BankListPanel;

// The month's net pay of one payment by the employees' banks: the banks with their totals and,
// for the chosen one, its employees. Prints the chosen bank's list and writes its mass-payment
// file in the format of Direktna, Komercijalna or Intesa.
class frmPregledPoBankama : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledPoBankama(AppContext& context, QWidget* parent = nullptr);

    void setSelection(int year, int month, Payment payment);
    void UcitajBanke();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ListSelection selection() const;

    AppContext& context_;
    ui::PeriodBoxes period_;
    BankListPanel* panel_;
};

} // namespace zarion::outputs
