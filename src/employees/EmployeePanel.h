#pragma once

#include <QGroupBox>

#include "employees/AuxiliaryImport.h"
#include "employees/EmployeeRecord.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace zarion {
class Clock;
}

namespace zarion::employees {

// The edit panel of the employee register: a box for every field of radnici the operator keeps,
// with the code lists as "number - name" boxes. It reads and shows values only; the register
// window saves them.
class EmployeePanel : public QGroupBox {
public:
    EmployeePanel(const Clock& clock, QWidget* parent = nullptr);

    // Fills the unit, bank, municipality and occupation boxes from the code lists.
    void loadPickers(db::Database& db);
    // An empty panel for a new employee: employed today, active, open-ended, kind "01".
    void startNew();
    void showEmployee(const Employee& employee);
    // Fills the boxes with an employee taken over from the auxiliary database.
    void takeImported(const ImportedEmployee& imported);
    EmployeeForm form() const;
    void focusField(MissingField::Field field);

    QPushButton* cmdSnimi;
    QPushButton* cmdObustave;

private:
    QLineEdit* lineEdit(const char* name);
    QComboBox* comboBox(const char* name, bool editable = false);
    QDateEdit* dateEdit(const char* name);
    void statusChanged();
    void termChanged();

    const Clock& clock_;
    QFormLayout* employment_;
    QLineEdit* txtID_;
    QLineEdit* txtPrezime_;
    QLineEdit* txtIme_;
    QLineEdit* txtJMBG_;
    QLineEdit* txtLBO_;
    QLineEdit* txtLicnaKarta_;
    QLineEdit* txtAdresa_;
    QLineEdit* txtTelefon_;
    QComboBox* cmbPol_;
    QComboBox* cmbOpstina_;
    QComboBox* cmbSSS_;
    QComboBox* cmbRJ_;
    QComboBox* cmbRadnoMesto_;
    QLineEdit* txtKoeficijent_;
    QLineEdit* txtFunkcijskiDodatak_;
    QLineEdit* txtOtezaniUslovi_;
    QComboBox* cmbPlatniRazred_;
    QLineEdit* txtNeto_;
    QComboBox* cmbTipObracuna_;
    QComboBox* cmbVrsta_;
    QLineEdit* txtSifraVrstePrihoda_;
    QDateEdit* dtpDatum_;
    QLineEdit* txtPG_;
    QLineEdit* txtPM_;
    QLineEdit* txtPD_;
    QComboBox* cmbStatus_;
    QDateEdit* dtpDatumOdjave_;
    QComboBox* cmbOdredjeno_;
    QDateEdit* dtpDatumOdredjeno_;
    QLineEdit* txtBrojUgovora_;
    QLineEdit* txtAneks_;
    QComboBox* cmbBanka_;
    QLineEdit* txtTekuciRacun_;
    QCheckBox* chkIsplataPrekoRacuna_;
};

} // namespace zarion::employees
