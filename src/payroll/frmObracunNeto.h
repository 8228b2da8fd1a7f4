#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "payroll/BatchCalculation.h"
#include "payroll/BatchMonth.h"
#include "payroll/BatchRun.h"
#include "ui/CalculationWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::payroll {

// The batch calculation of a month, net-based, for the advance or the final calculation: the
// employee list (red: not yet posted) with its counters, calculate and post one employee,
// calculate all with a progress bar, the overrides by double-click, the month's deductions, and
// the re-posting runs Ctrl+A and Ctrl+J under the access code.
class frmObracunNeto : public QWidget, public ui::CalculationWindow {
    Q_OBJECT

public:
    // Opens the month chosen in the working context (CalcYear, CalcMonth, CalcFinal).
    explicit frmObracunNeto(AppContext& context, QWidget* parent = nullptr);
    ~frmObracunNeto() override;

    // Rebuilds the employee list and its counters.
    void UcitajRadnike() override;

    // What the pop-up commands (mnuPo, mnuOO) ask of the window.
    CalculationKind calculationKind() const override { return period_.kind; }
    int month() const override { return period_.month; }
    int year() const override { return period_.year; }
    std::optional<std::pair<qint64, QString>> selectedEmployee() const override;
    void clearEmployeeNumber() override;

    void txtID_Radnik_Change();
    void cmdIzNEto_Click();
    void cmdKnjizi_Click();
    void cmdAUTO_Click();
    void cmdTromesecni_Click();
    void cmdCena_Click();
    void cmdObustave_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    bool monthReady();
    std::int64_t employeeId() const;
    void showEntries();
    void readEntries();
    void showCalculation();
    void listRezultat_DoubleClick(QTreeWidgetItem* item);
    void listObustave_DoubleClick(QTreeWidgetItem* item);
    void recalculate();
    // Runs a batch over the list with the progress bar; the one message at the end.
    void runBatch(const QString& caption,
                  const std::function<BatchRunReport(const ProgressCallback&)>& run,
                  const QString& done);
    void repost(bool employerPensionOnly);
    // What the window's options say for every employee: the minimum and the deductions.
    BatchOptions monthOptions() const;
    employees::VariableAmountAsker variableAmountAsker();

    AppContext& context_;
    CalculationPeriod period_;
    std::unique_ptr<db::Database> previousYear_;
    std::optional<BatchMonth> month_;
    std::string monthFailure_;
    std::optional<SalaryInput> input_;
    BatchOptions overrides_; // A and seniority typed over for the employee on screen
    std::optional<BatchCalculation> calculation_;

    QLabel* lblMesec;
    QLabel* lblGodina;
    QLabel* lblVrsta;
    QTreeWidget* listZ;
    QLabel* lblNeobracunato;
    QLabel* lblObracunato;
    QLabel* lblUkupno;
    QLineEdit* txtID_Radnik;
    QLabel* lblRadnik;
    QLabel* lblPredat; // the month's filed return, when there is one
    QTableWidget* tblUlaz;
    QCheckBox* chkBezMinNeto;
    QTreeWidget* listRezultat;
    QTreeWidget* listObustave;
    QLabel* lblObustave;
    QLabel* lblZaIsplatu;
    QPushButton* cmdIzNEto;
    QPushButton* cmdKnjiziAkontaciju;
    QPushButton* cmdKnjiziKonacni;
    QPushButton* cmdAUTO;
    QPushButton* cmdTromesecni;
    QPushButton* cmdCena;
    QPushButton* cmdObustave;
};

} // namespace zarion::payroll
