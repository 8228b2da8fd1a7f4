#pragma once

#include <QWidget>
#include <memory>

#include "outputs/JournalEntry.h"
#include "outputs/JournalPosting.h"
#include "outputs/PayrollList.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "Nalog za knjiženje": the payroll list's month turned into a posting order, its items and
// their double-entry lines, booked into the general journal or the second ledger.
class frmNalogzaKnjizenje : public QWidget {
    Q_OBJECT

public:
    frmNalogzaKnjizenje(AppContext& context, PayrollList list, QWidget* parent = nullptr);

    void cmdKnjizi_Click();
    void cmdK2_Click();
    void cmdStampa_Click();
    void listK_DblClick(QTreeWidgetItem* item);

private:
    void fillJournalTypes();
    void showItems();
    void showLines();
    JournalOrder order() const;
    void post(const char* routine, Refused (*posting)(db::Database&, const JournalOrder&,
                                                      const std::vector<JournalLine>&));

    AppContext& context_;
    PayrollList list_;
    JournalEntry entry_;
    std::vector<JournalType> types_;
    QLabel* lblMesec;
    QLabel* lblGodina;
    QTreeWidget* listK;
    QTreeWidget* listN;
    QComboBox* cmbNalog;
    QLineEdit* txtPrefiks;
    QLineEdit* txtBroj;
    QLineEdit* txtOpis;
    QDateEdit* dtDatum;
    QPushButton* cmdK2;
};

} // namespace zarion::outputs
