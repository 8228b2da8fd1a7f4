#pragma once

#include <QDialog>
#include <vector>

#include "payroll/AdvanceLinks.h"

class QPushButton;
class QTreeWidget;

namespace zarion::other_income {

// The advance picker of the individual calculation: the employee's advances, newest first, with
// the columns "Datum", "ID" and "Iznos". A double-click chooses its line; "Dodaj" chooses the
// selected lines; Esc chooses none.
class frmIzborAkontacije : public QDialog {
    Q_OBJECT

public:
    frmIzborAkontacije(std::vector<payroll::AdvanceLine> advances, QWidget* parent = nullptr);

    const std::vector<payroll::AdvanceLine>& chosen() const { return chosen_; }

    void cmdDodaj_Click();

private:
    std::vector<payroll::AdvanceLine> advances_;
    std::vector<payroll::AdvanceLine> chosen_;
    QTreeWidget* listAkontacije;
    QPushButton* cmdDodaj;
};

} // namespace zarion::other_income
