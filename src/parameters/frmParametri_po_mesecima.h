#pragma once

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zarion::db {
class Database;
}

namespace zarion::parameters {

// The rates a month was calculated with: choosing a year and a month shows the month's row,
// saving writes the boxes back into it, and one button fills the employer's rates of the months
// before May 2013 from the employee's.
class frmParametri_po_mesecima : public QWidget {
    Q_OBJECT

public:
    explicit frmParametri_po_mesecima(db::Database& payrollDb, QWidget* parent = nullptr);

private:
    void showChosenMonth();
    void clearMonth();
    void cmdSnimi_Click();
    void cmdPre2013_Click();

    db::Database& payrollDb_;
    int shownMonth_ = 0;
    int shownYear_ = 0;
    QComboBox* cmbGod;
    QComboBox* cmbMEsec;
    QLabel* lblIzabraniM;
    QLabel* lblIzabraniG;
    QList<QLabel*> lblPar;
    QList<QLineEdit*> txtPar;
    QPushButton* cmdSnimi;
    QPushButton* cmdPre2013;
    QPushButton* cmdIzlaz;
};

} // namespace zarion::parameters
