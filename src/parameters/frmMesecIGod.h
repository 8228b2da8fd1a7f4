#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace zarion {
struct AppContext;
}

namespace zarion::parameters {

// The month chooser shown before a month is calculated: year, month, advance or final. Starting
// fixes the month's rates (the first start copies the current parameters; a later one names each
// parameter changed since) and sets CalcMonth, CalcYear and CalcFinal; closing without starting
// leaves them as they were.
class frmMesecIGod : public QDialog {
    Q_OBJECT

public:
    explicit frmMesecIGod(AppContext& context, QWidget* parent = nullptr);

private:
    void cmdPokreni_Click();

    AppContext& context_;
    QComboBox* cmbGod;
    QComboBox* cmbMesec;
    QRadioButton* optAkontacija;
    QRadioButton* optKOnacni;
    QPushButton* cmdPokreni;
};

// Sets CalcYear to 0 and shows the month chooser; true when a month was started (the caller
// reads CalcMonth, CalcYear and CalcFinal), false when the chooser was closed without starting.
bool chooseCalculationMonth(QWidget* parent, AppContext& context);

} // namespace zarion::parameters
