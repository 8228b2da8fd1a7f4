#pragma once

#include "employees/RegisterWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// The standing deductions: their definitions (F5 new, F6 change) and, for the selected one, the
// active employees and whether each takes part: set for all, remove from all, toggle one
// (double-click), a note per employee.
class frmObustaveProc : public RegisterWindow {
    Q_OBJECT

public:
    explicit frmObustaveProc(AppContext& context, QWidget* parent = nullptr);

    // Which employees the second list shows.
    enum class Shown { All, With, Without };

    void UcitajObustave();
    void UcitajRadnike();

    void cmdSnimi_Click();
    void cmdPostaviSvima_Click();
    void cmdUkloniSvima_Click();
    void cmdOpis_Click();
    void listRadnici_DoubleClick();

protected:
    void onNew() override;
    void onEdit() override;
    void onRemove() override {} // definitions are not removed here
    bool panelOpen() const override;
    void closePanel() override;

private:
    void showEmployees(Shown shown);
    // The selected deduction, or 0 with "Obustavu morate prethodno da snimite!" when it is a
    // new one not saved yet or none is selected.
    long long savedDeduction();

    AppContext& context_;
    Shown shown_ = Shown::All;
    long long editedId_ = 0; // the deduction the panel shows with "Ažuriraj"
    QTreeWidget* listObustave;
    QTreeWidget* listRadnici;
    QLabel* lblUkupno;
    QGroupBox* fraUnos;
    QLineEdit* txtNaziv;
    QLineEdit* txtProcenat;
    QComboBox* cmbTip;
    QLineEdit* txtTekuciRacun;
    QLineEdit* txtGrad;
    QLineEdit* txtKonto;
    QLineEdit* txtPoziv;
    QLabel* lblPoziv; // a reference under model 97 with wrong control digits
    QPushButton* cmdSnimi;
    QPushButton* cmdSvi;
    QPushButton* cmdSaObustavom;
    QPushButton* cmdBezObustave;
    QPushButton* cmdPostaviSvima;
    QPushButton* cmdUkloniSvima;
    QPushButton* cmdOpis;
};

} // namespace zarion::employees
