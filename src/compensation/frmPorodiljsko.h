#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "compensation/LeaveCompensation.h"
#include "compensation/MaternityCases.h"

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

// Maternity leave: the register of cases over a period, the case being edited, the month's
// compensation of the chosen case with its posting, the refund list "Obrazac NZ1" of the month
// and the account the compensations are paid from.
class frmPorodiljsko : public QWidget {
    Q_OBJECT

public:
    explicit frmPorodiljsko(AppContext& context, QWidget* parent = nullptr);

    void UcitajBolovanja();
    void cmdNovo_Click();
    void cmdSnimi_Click();
    void cmdObrisi_Click();
    void cmdObracunaj_Click();
    void cmdProknjizi_Click();
    void cmdNZ1_Click();
    void cmdSnimiRacun_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCase(const MaternityCase& entry);
    void showEmployee();
    void showFiled();
    void showFigures(const LeaveCompensationRow& row);
    const MaternityCase* chosenCase() const;
    int month() const;
    int year() const;

    AppContext& context_;
    std::vector<MaternityCase> cases_;
    std::int64_t editedId_ = 0;
    std::optional<LeaveCompensationRow> calculated_;
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
    QLineEdit* txtSati;
    QLabel* lblObracun;
    QLabel* lblPredat; // the month's filed return, when there is one
    QLineEdit* txtRacun;
    QLineEdit* txtPoziv;
};

} // namespace zarion::compensation
