#pragma once

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace zarion {
struct AppContext;
}

namespace zarion::parameters {

// The company's own data ("Podaci o firmi"): name, address, town and municipality, its numbers,
// bank account and responsible person. Saving checks the control digits, stores the data into
// the master database and closes; a refused field names itself and keeps the window open on it.
class frmPodaci : public QDialog {
    Q_OBJECT

public:
    explicit frmPodaci(AppContext& context, QWidget* parent = nullptr);

private:
    QLineEdit* addBox(const char* name, const QString& caption);
    void cmdSnimi_Click();

    AppContext& context_;
    QFormLayout* form_;
    QLineEdit* txtNaziv;
    QLineEdit* txtAdresa;
    QLineEdit* txtGrad;
    QComboBox* cmbOpstina;
    QLineEdit* txtMaticni;
    QLineEdit* txtRegistracioni;
    QLineEdit* txtPIB;
    QLineEdit* txtSifra;
    QLineEdit* txtPDV;
    QLineEdit* txtZiroRacun;
    QLineEdit* txtBanka;
    QLineEdit* txtTelefon;
    QLineEdit* txtVlasnik;
    QLineEdit* txtJMBG;
    QPushButton* cmdSnimi;
    QPushButton* cmdIzlaz;
};

} // namespace zarion::parameters
