#pragma once

#include <QWidget>
#include <vector>

#include "compensation/MaternityAccount.h"
#include "compensation/SickLeaveCases.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// Maternity leave: the register of cases over a period, the case being edited, the refund list
// "Obrazac NZ1" of the month and the account the compensations are paid from. The month's
// compensation is calculated and posted in the calculation window in maternity mode.
class frmPorodiljsko : public QWidget {
    Q_OBJECT

public:
    explicit frmPorodiljsko(AppContext& context, QWidget* parent = nullptr);

    void UcitajBolovanja();
    void cmdNovo_Click();
    void cmdSnimi_Click();
    void cmdObrisi_Click();
    void cmdNZ1_Click();
    void cmdSnimiRacun_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCase(const LeaveCase& entry);
    void showEmployee();
    const LeaveCase* chosenCase() const;
    int month() const;
    int year() const;

    AppContext& context_;
    std::vector<LeaveCase> cases_;
    std::int64_t editedId_ = 0;
    QDateEdit* dtOd;
    QDateEdit* dtDo;
    QTreeWidget* listB;
    QLineEdit* txtID_Radnik;
    QLabel* lblIme;
    QDateEdit* dtOtvaranje;
    QDateEdit* dtZatvaranje;
    QLineEdit* txtNeto;
    QComboBox* cmbMesec;
    QComboBox* cmbGodina;
    QLineEdit* txtRacun;
    QLineEdit* txtPoziv;
};

} // namespace zarion::compensation
