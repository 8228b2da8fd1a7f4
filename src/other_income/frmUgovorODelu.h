#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "other_income/OtherIncomeOrders.h"
#include "other_income/OtherIncomePersons.h"
#include "other_income/OtherIncomePrints.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}
namespace zarion::payroll {
class DoubleClickBox;
}

namespace zarion::other_income {

// The order-and-person window of other income, advances (frmAkontacije) and severance
// (frmOtpremnine): the orders of the chosen kind, the order editor, the people paid under the
// chosen order calculated from gross or net with the order's rates (a double-click overrides one
// for the row), posting and deleting a row, and the printouts and the return of the order.
class frmUgovorODelu : public QWidget {
    Q_OBJECT

public:
    frmUgovorODelu(AppContext& context, int kind, QWidget* parent = nullptr);

    int kind() const { return kind_; }
    // Fills the orders of the chosen kind and chooses the newest.
    void UcitajNaloge();
    // Loads the chosen order's rates and people.
    void cmbNalog_Click();
    void cmdNovi_Click();
    void cmdIzmeni_Click();
    void cmdObrisiNalog_Click();
    // Loads the person whose number is typed, asking whether to start a new row when the order
    // already pays him.
    void UcitajRadnika();
    void txtBruto_Change();
    void txtNeto_Change();
    void cmdKnjizi_Click();
    void listO_DblClick(QTreeWidgetItem* item);

    void cmdSpisak_Click();
    void cmdDoprinosi_Click();
    void cmdPoreska_Click();
    void cmdSpecifikacija_Click();
    void cmdPPPPD_Click();
    void cmdNalozi_Click();
    void cmdRekapRacuna_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void connectCommands();
    void openEditor(const OtherIncomeOrder& order);
    void showRates();
    void overrideRate(payroll::DoubleClickBox* box, const char* prompt, double& rate);
    void showAmounts();
    // Calculates the row again from what was typed last, after a rate changed.
    void recalculate();
    void clearRow();
    void UcitajRadnike();
    bool severance() const;
    std::optional<PaidOrder> paidOrder();
    outputs::ListPrint listPrint() const;

    AppContext& context_;
    int kind_;
    std::vector<OtherIncomeOrder> orders_;
    std::optional<OtherIncomeOrder> order_;
    RowRates rates_; // the order's rates with the overrides of the row
    PersonRow row_;
    bool newRow_ = false;
    bool fromNet_ = false; // the net was typed last

    QLabel* lblNaslov;
    QLabel* lblTip;
    QComboBox* cmbTip;
    QComboBox* cmbNalog;
    QPushButton* cmdNovi;
    QPushButton* cmdIzmeni;
    QPushButton* cmdObrisiNalog;
    payroll::DoubleClickBox* txtPorez;
    payroll::DoubleClickBox* txtNormirani;
    payroll::DoubleClickBox* txtNeoporezivi;
    payroll::DoubleClickBox* txtMinimalna;
    payroll::DoubleClickBox* txtPIO;
    payroll::DoubleClickBox* txtZO;
    payroll::DoubleClickBox* txtNEZ;
    payroll::DoubleClickBox* txtPIOF;
    payroll::DoubleClickBox* txtZOF;
    payroll::DoubleClickBox* txtNEZF;
    QLineEdit* txtID_Radnik;
    QPushButton* cmdTrazi;
    QLabel* lblIme;
    QLineEdit* txtSati;
    QLineEdit* txtDani;
    QLineEdit* txtBruto;
    QLineEdit* txtNeto;
    QLabel* lblObracun;
    QLabel* lblPredat; // the order's month filed, when it is
    QPushButton* cmdKnjizi;
    QTreeWidget* listO;
    QLabel* lblUkupno;
    QPushButton* cmdSpisak;
    QPushButton* cmdDoprinosi;
    QPushButton* cmdPoreska;
    QPushButton* cmdSpecifikacija;
    QPushButton* cmdPPPPD;
    QPushButton* cmdNalozi;
    QPushButton* cmdRekapRacuna;
};

} // namespace zarion::other_income
