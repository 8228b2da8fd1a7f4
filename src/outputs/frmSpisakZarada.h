#pragma once

#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "outputs/PayrollList.h"
#include "outputs/PayslipReport.h"
#include "outputs/Registers.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "Spisak zarada": the calculated salaries of one month, payment and unit with the month's
// totals, and every printout and file made from them.
class frmSpisakZarada : public QWidget {
    Q_OBJECT

public:
    explicit frmSpisakZarada(AppContext& context, QWidget* parent = nullptr);

    void cmdPokazi_Click();
    void cmdObracun_Click();
    void cmdSvi_Click();
    void cmdStampPRed_Click();
    void cmdSpisak_Click();
    void cmdNoviSpisak_Click();
    void cmdSpisakZarada_Click();
    void cmdSpisakObustava_Click();
    void cmdSpeciFikacija_Click();
    void cmdExcel_Click();
    void cmdSnimi_Click();
    void cmdNAlog_Click();
    void cmdIZvoz_Click();
    void cmdPoreska_Porez_Click();
    void cmdPrijavaDoprinosi_Click();
    void cmdODP_Click();
    void cmdSredjvanje_Click();
    void cmdRekapitulacija_Click();
    void cmdRekapRacuna_Click();
    void cmdRekapKonta_Click();
    void cmdKnjizenje_Click();

private:
    QPushButton* button(const char* name, const char* caption, void (frmSpisakZarada::*slot)());
    QPushButton* later(const char* name, const char* caption, const char* what);
    QLineEdit* total(const char* name);
    QWidget* totalsPanel();
    QWidget* statusPanel();
    ListSelection selection() const;
    void fillUnits();
    void selectionChanged();
    void showList(const PayrollList& list);
    void showTotals(const PayrollTotals& totals);
    PayslipPrint payslipPrint(const PaymentStatus& status) const;
    PaymentStatus paymentStatus() const;
    void printSelected(const char* routine, const QTreeWidget* list,
                       const std::vector<PayrollRow>& rows);
    void printPayslips(const std::vector<const PayrollRow*>& rows, const PaymentStatus& status);
    ListPrint listPrint() const;
    const PayrollRow* selectedRow(const QTreeWidget* list,
                                  const std::vector<PayrollRow>& rows) const;

    AppContext& context_;
    QComboBox* cmbMEsec;
    QComboBox* cmbGod;
    QComboBox* cmbIsplata;
    QComboBox* cmbRJ;
    QLabel* lblMesec;
    QLabel* lblGodina;
    QLabel* lblISplata;
    QLabel* lblRJ;
    QTreeWidget* listSpisak;
    QTreeWidget* listPRE;
    std::map<std::string, QLineEdit*> totals_;
    QRadioButton* optIspl1;
    QRadioButton* optIspl2;
    QDateEdit* dtIspl1;
    QDateEdit* dtIspl2;
    QLineEdit* txtRazlog;
    QCheckBox* chkPiP;
    std::vector<QPushButton*> needList_; // enabled once a list is shown
    std::optional<PayrollList> list_;
};

} // namespace zarion::outputs
