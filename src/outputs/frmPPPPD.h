#pragma once

#include <QWidget>
#include <array>
#include <map>

#include "outputs/Declaration.h"
#include "outputs/DeclarationChecks.h"
#include "outputs/DeclarationProducer.h"
#include "outputs/PayrollList.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "PPP-PD": the return of one payout, row by row with a check box, the payer header, the totals
// of the checked rows, the export to XML after the checks, and the supervisor's overrides of the
// hours fund and the income code.
class frmPPPPD : public QWidget {
    Q_OBJECT

public:
    // Form_Load: the 25 columns and the payer data of podaci_ppppd.
    explicit frmPPPPD(AppContext& context, QWidget* parent = nullptr);

    // What a producer hands over: the rows, checked, the header of its month and the company,
    // the flags; `rates` are what the checks hold the amounts to.
    void fill(DeclarationFill fill, const DeclarationRates& rates);
    const Declaration& declaration();

    void cmdSvi_Click();
    void cmdNista_Click();
    void cmdSati_Click();
    void cmdSifra_Click();
    void cmdIZvoz_Click();
    void cmdNAlog_Click();
    void listPPPPD_DblClick(QTreeWidgetItem* item);

private:
    QLineEdit* edit(const char* name);
    QWidget* headerPanel();
    QWidget* totalsPanel();
    void showHeader(const DeclarationHeader& header);
    void readHeader();
    void showRows();
    void setAllChecked(bool checked);
    void rowChecked(QTreeWidgetItem* item);
    void showTotals();
    bool checkedBeforeExport();

    AppContext& context_;
    Declaration declaration_;
    DeclarationRates rates_;
    QComboBox* POD11;
    QComboBox* POD121;
    QLineEdit* POD122;
    QDateEdit* POD14;
    QComboBox* POD21;
    std::map<std::string, QLineEdit*> edits_; // POD22 … POD210
    QCheckBox* chkNajniza;
    QLabel* lblAkontacija;
    QLabel* lblKonacna;
    QTreeWidget* listPPPPD;
    std::array<QLineEdit*, 7> txtUk_{};
};

// Fills the return from the payroll list (asking for the relief percentages of new employees
// when one is listed) and shows it beside `from`.
void openPayrollDeclaration(QWidget* from, AppContext& context, const PayrollList& list);

} // namespace zarion::outputs
