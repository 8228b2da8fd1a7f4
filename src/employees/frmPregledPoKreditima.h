#pragma once

#include <QWidget>

#include "employees/LoanCreditorOverview.h"
#include "ui/PeriodBoxes.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// What was withheld for the creditors in one payment of a month: the creditors with their
// totals and, for the chosen one, the employees. Prints the list of the chosen creditor, the
// transfer orders for every creditor of the list, and writes the chamber's text file.
class frmPregledPoKreditima : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledPoKreditima(AppContext& context, QWidget* parent = nullptr);

    void setPeriod(int year, int month, bool firstPart);
    void UcitajKreditore();
    void UcitajRadnike();

    void cmdStampaj_Click();
    void cmdNalozi_Click();
    void cmdKomora_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    OverviewPeriod chosenPeriod() const;

    AppContext& context_;
    ui::PeriodBoxes period_;
    QTreeWidget* listKreditori;
    QLabel* lblUkupno;
    QTreeWidget* listRadnici;
    QPushButton* cmdStampaj;
    QPushButton* cmdNalozi;
    QPushButton* cmdKomora;
};

} // namespace zarion::employees
