#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "employees/DeductionPricing.h"
#include "payroll/AdvanceLinks.h"
#include "payroll/IndividualCalculation.h"
#include "payroll/IndividualEntry.h"
#include "payroll/IndividualPosting.h"
#include "ui/CalculationWindow.h"

class QLineEdit;

namespace zarion {
struct AppContext;
namespace db {
class Database;
}
} // namespace zarion

namespace zarion::payroll {

struct IndividualForm;

// The individual calculation: one employee at a time from gross, from net or from the priced
// hours, with the month's rates overridable by a double-click, the M-4 days, the deductions,
// the advances linked to the month, cash in hand, and posting one employee or every ticked one.
class frmObracunJed : public QWidget, public ui::CalculationWindow {
    Q_OBJECT

public:
    // For the month chosen in the month chooser (CalcMonth, CalcYear).
    explicit frmObracunJed(AppContext& context, QWidget* parent = nullptr);
    // For another month (the pop-up command showing the calculation of another window's month).
    frmObracunJed(AppContext& context, int year, int month, QWidget* parent = nullptr);
    ~frmObracunJed() override;

    // Loads the employee whose number is in txtID_Radnik: the header, the posted calculation of
    // the month if there is one, its deductions and linked advances.
    void UcitajRadnika();
    // Shows the posted calculation of an employee (mnuPo); "Nije pronadjen obracun u bazi!"
    // when the month has none.
    bool showPosted(qint64 employeeId);

    void cmdObracun_Click();
    void cmdIzNEto_Click();
    void cmdNetoMetod_Click();
    void cmdKnkjizi_Click();
    void cmdSviODjednom_Click();
    void cmdAkonMinus_Click();
    // The advance picker for the employee on screen; the advances chosen join the list.
    void cmdAkontPLus_Click();
    void txtNaRuke_LostFocus();
    // The kind chooser: the kind chosen names the calculation and is the kind it runs as.
    void chooseKind();

    // ui::CalculationWindow
    CalculationKind calculationKind() const override { return CalculationKind::Final; }
    int month() const override;
    int year() const override;
    std::optional<std::pair<qint64, QString>> selectedEmployee() const override;
    void clearEmployeeNumber() override;
    void UcitajRadnike() override;

private:
    void connectCommands();
    void showEntry();
    void readEntry();
    void showKind(int kind);
    void showRates();
    void overrideRate(QLineEdit* box, const char* prompt, double& rate);
    void overrideAmount(QLineEdit* box, const char* prompt, std::optional<Currency>& amount);
    void overrideNonTaxable();
    void overrideAverage();
    void overrideBasicNet();
    void askM4Days();
    void showFigures(const IndividualFigures& figures);
    // What posting writes for the employee on screen: the figures, deductions and advances shown.
    IndividualPosting shownPosting() const;
    void priceDeductions();
    void showDeductions();
    void showAdvances();
    void showPayout();
    // An owner is calculated by the owner's salary window, whose figures come back here.
    void calculateOwner();
    void clearCalculation();
    std::vector<db::Database*> history();
    employees::VariableAmountAsker variableAmountAsker();

    AppContext& context_;
    int year_;
    int month_;
    std::unique_ptr<IndividualForm> c_;
    std::optional<IndividualMonth> monthData_;
    std::unique_ptr<db::Database> previousYear_;
    qint64 employeeId_ = 0;
    bool intoAccount_ = false;
    bool owner_ = false;
    std::string account_;
    IndividualEntry entry_;
    std::optional<IndividualFigures> figures_;
    std::vector<employees::DeductionRow> deductions_;
    std::vector<AdvanceLine> advances_;
    std::optional<int> m4Days_;
};

} // namespace zarion::payroll
