#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// One loan: employee (Ctrl+T searches by name), creditor, repayment period, currency, the
// instalment and its two parts (shown when the month is paid in two parts), payment code, model,
// reference and note; the number of months and the total value follow every change. Saving
// accepts the dialog so the window that opened it refreshes; Ctrl+Delete deletes a loan no
// calculation has withheld yet.
class frmKrediti : public QDialog {
    Q_OBJECT

public:
    explicit frmKrediti(AppContext& context, QWidget* parent = nullptr);

    // An empty loan for the employee (0: none yet) and creditor (0: the first one).
    void newLoan(long long employeeId, long long creditorId);
    // The saved loan; false, after "Greska kod pronalazenja kredita u bazi!", when it is gone.
    bool openLoan(long long id_or);

    void cmdSnimi_Click();
    void obrisiKredit();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showEmployee();
    void showCreditor();
    void recount();
    void txtRata_Change();
    void txtDeo_Change();
    // Puts the focus on the box a refusal of the save (LoanSave::Outcome) points at.
    void focusOn(int refusal);

    AppContext& context_;
    long long id_or_ = 0;
    bool twoParts_ = false;
    QLineEdit* txtID_Radnik;
    QLabel* lblRadnik;
    QComboBox* cmbKreditor;
    QLabel* lblRacun;
    QLabel* lblNacin;
    QComboBox* cmbPocMesec;
    QComboBox* cmbPocGodina;
    QComboBox* cmbKrajMesec;
    QComboBox* cmbKrajGodina;
    QComboBox* cmbValuta;
    QLineEdit* txtRata;
    QLabel* lblPrviDeo;
    QLineEdit* txtPrviDeo;
    QLabel* lblDrugiDeo;
    QLineEdit* txtDrugiDeo;
    QLineEdit* txtSifraPlacanja;
    QLineEdit* txtModel;
    QLineEdit* txtPoziv;
    QLineEdit* txtOpis;
    QLabel* lblMeseci;
    QLabel* lblUkupno;
    QPushButton* cmdSnimi;
};

} // namespace zarion::employees
