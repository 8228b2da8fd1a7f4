#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "compensation/SickLeaveCalculation.h"
#include "compensation/SickLeaveCases.h"
#include "core/CalculationKind.h"
#include "payroll/MonthParameters.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The month's compensation of the long leaves: the cases that overlap the month, the chosen
// one's posted calculation for review or a new one at the case's net, calculation from net or
// from gross, and posting (which adds or replaces the month's row).
class frmObracunBolovanje : public QWidget {
    Q_OBJECT
public:
    explicit frmObracunBolovanje(AppContext& context, LeaveKind kind = LeaveKind::SickLeave,
                                 QWidget* parent = nullptr);

    void setPeriod(int year, int month);
    void UcitajBolovanja();
    void chooseCase();
    void txtSati_Change();
    void txtMesecSati_DblClick();
    void cmdNeto_Click();
    void cmdBruto_Click();
    void cmdProknjizi_Click();
    void cmdTekuci_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* box(const char* name, bool editable = false);
    QWidget* amountsPanel();
    LeaveMonth leaveMonth() const;
    bool loadRates();
    void showRates();
    void showAmounts(const LeaveAmounts& amounts);
    void calculate(const char* routine, bool fromNet);
    void clearCalculation();
    int year() const;
    int month() const;
    CalculationKind calculationKind() const;

    AppContext& context_;
    LeaveKind kind_;
    std::vector<LeaveCase> cases_;
    std::optional<LeaveCase> chosen_;
    std::optional<LeaveAmounts> result_;
    payroll::MonthParameters rates_;
    bool currentRates_ = false;
    QComboBox* cmbMesec;
    QComboBox* cmbGodina;
    QTreeWidget* listZ;
    QLineEdit* txtID_Radnik;
    QLineEdit* txtIme;
    QLineEdit* txtNetoBolovanje;
    QLineEdit* txtDatumDo;
    QLineEdit* txtMesecSati;
    QLineEdit* txtSati;
    QLineEdit* txtTekuciRacun;
    QLineEdit* txtNeto;
    QLineEdit* txtBruto;
    std::vector<QLineEdit*> amounts_; // the calculated amounts, in the order of their fields
    QLabel* lblStope;
    QLabel* lblPredat; // the month's filed return, when there is one
    QPushButton* cmdNeto;
    QPushButton* cmdBruto;
    QPushButton* cmdProknjizi;
    QPushButton* cmdParametri;
    QPushButton* cmdTekuci;
};

} // namespace zarion::compensation
