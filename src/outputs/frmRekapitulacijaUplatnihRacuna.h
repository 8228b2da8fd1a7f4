#pragma once

#include <QWidget>

#include "outputs/RecapitulationAccounts.h"

class QDateEdit;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "Rekapitulacija uplatnih računa": what a payout transfers where, line by line, and the
// payment orders printed straight from the lines. Every payout list opens it with one call:
//     openAccountsRecapitulation(this, context_, salaryAccountsSource(db, list));
class frmRekapitulacijaUplatnihRacuna : public QWidget {
    Q_OBJECT

public:
    frmRekapitulacijaUplatnihRacuna(AppContext& context, AccountsSource source,
                                    QWidget* parent = nullptr);

    void cmdStampa_Click();
    void cmdNalozi_Click(); // the orders of every line marked for printing
    void cmdNalog_Click();  // the order of the selected line
    void txtRacun_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLines();
    std::vector<AccountLine> markedLines() const;
    void printOrders(const std::vector<AccountLine>& lines);

    AppContext& context_;
    AccountsSource source_;
    std::vector<AccountLine> lines_;
    QTreeWidget* listR;
    QLineEdit* txtRacun;
    QDateEdit* dtDatum;
};

// Shows the recapitulation of the source beside `parent`, or the refusal of a source without its
// payment accounts.
void openAccountsRecapitulation(QWidget* parent, AppContext& context,
                                Outcome<AccountsSource> source);

} // namespace zarion::outputs
