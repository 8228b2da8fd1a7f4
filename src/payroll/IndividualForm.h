#pragma once

#include <QLineEdit>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The controls of the individual calculation window and their layout.
namespace zarion::payroll {

// A field the operator changes by a double-click, answering the field's prompt.
class DoubleClickBox : public QLineEdit {
public:
    DoubleClickBox(QWidget* parent, const char* name)
        : QLineEdit(parent) {
        setObjectName(name);
        setReadOnly(true);
        setAlignment(Qt::AlignRight);
    }
    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The controls, each with the system's name as its objectName.
struct IndividualForm {
    QLabel* lblMesec;
    QLabel* lblGodina;
    QLabel* lblVrsta;
    QLabel* lblTip;
    QLabel* lblTipBroj;
    QPushButton* cmdTip; // the calculation kind chooser
    QTreeWidget* listZ;
    QPushButton* cmdCheck;
    QPushButton* cmdUnCheck;
    QPushButton* cmdSviODjednom;

    QLineEdit* txtID_Radnik;
    QLabel* lblPrezime;
    QLabel* lblIme;
    QLabel* lblPredat; // the month's filed return, when there is one
    QLabel* lblJMBG;
    QLabel* lblRadnoMesto;
    QLabel* lblKoeficijent;
    QLabel* lblStaz;
    QLabel* lblDatum;
    QLabel* lblTekuciRacun;
    QCheckBox* chkIsplataPrekoRacuna;
    QCheckBox* chkVlasnik;

    DoubleClickBox* txtPIO;
    DoubleClickBox* txtPIO_F;
    DoubleClickBox* txtZO;
    DoubleClickBox* txtZO_F;
    DoubleClickBox* txtNEZ;
    DoubleClickBox* txtNEZ_F;
    DoubleClickBox* txtNeoporezivi;
    DoubleClickBox* txtPorez;
    DoubleClickBox* txtProsek;
    DoubleClickBox* lblM4;

    // hours and their amounts, in the order of the form
    QLineEdit* txtBrojSati;
    QLineEdit* txtProduzeni;
    QLineEdit* txtNocni;
    QLineEdit* txtPraznik;
    QLineEdit* txtNedelja;
    QLineEdit* txtBolovanje65;
    QLineEdit* txtBolovanje100;
    QLineEdit* txtGodisnji;
    QLineEdit* txtOsnovnaIznos;
    QLineEdit* txtProduzeniIznos;
    QLineEdit* txtNocniIznos;
    QLineEdit* txtPraznikIznos;
    QLineEdit* txtNedeljaIznos;
    QLineEdit* txtBolovanje65Iznos;
    QLineEdit* txtBolovanje100Iznos;
    DoubleClickBox* txtGodisnjiIznos;
    DoubleClickBox* txtMinuliIznos;
    QLineEdit* txtTopliObrok;
    QLineEdit* txtRegres;
    QLineEdit* txtFiksna;
    QLineEdit* txtStimulacije;
    QLineEdit* txtOsnovnaBruto;
    DoubleClickBox* txtOsnovnaNeto;

    QLineEdit* txtBruto;
    QLineEdit* txtPorezIznos;
    QLineEdit* txtPIOIznos;
    QLineEdit* txtZOIznos;
    QLineEdit* txtNEZIznos;
    QLineEdit* txtUkupnoDoprinosa;
    QLineEdit* txtNeto;
    QLineEdit* txtPIO_FIznos;
    QLineEdit* txtZO_FIznos;
    QLineEdit* txtNEZ_FIznos;
    QLabel* lblRO[3];
    QLineEdit* txtRO[3];
    QLineEdit* txtUkupnoDoprinosaF;
    QLineEdit* txtUkupnaObaveza;

    QTreeWidget* listObustave;
    QLabel* lblObustaveUkupno;
    QLineEdit* txtZaIsplatu;
    QLineEdit* txtNaRuke;
    QPushButton* cmdNetoMetod;
    QTreeWidget* listAkontacije;
    QLabel* lblAkontacijeUkupno;
    QPushButton* cmdAkontPLus;
    QPushButton* cmdAkonMinus;

    QPushButton* cmdObracun;
    QPushButton* cmdIzNEto;
    QPushButton* cmdKnkjizi;
};

// Creates the controls as children of the window, named as the system names them, and lays
// them out: the employee list on the left; the kind, the employee, the month's rates, the hours
// with their amounts, the figures, the payout and the advances on the right.
void buildIndividualForm(QWidget* window, IndividualForm& form);

} // namespace zarion::payroll
