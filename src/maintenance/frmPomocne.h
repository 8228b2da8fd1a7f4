#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;

namespace zarion {
struct AppContext;
}

namespace zarion::ui {

// The auxiliary procedures, behind the access code: calculating without deductions, taking over
// last year's database, turning a month's final calculations into advances (all employees or
// one), removing calculations without an employee, and the schema merge by hand.
class frmPomocne : public QWidget {
    Q_OBJECT

public:
    // `closeProgram` ends the program once last year's database has been taken over.
    frmPomocne(AppContext& context, std::function<void()> closeProgram, QWidget* parent = nullptr);

private:
    void chkBezObustava_Click(bool checked);
    void cmdUvozBaze_Click();
    void CmdKonUA_Click();
    void cmdKonUAv_Click();
    void Ob_Click();
    void cmdBaze_Click();
    // Final to advance for the month the operator names; employeeId 0 means every employee.
    void finalToAdvance(qint64 employeeId);

    AppContext& context_;
    std::function<void()> closeProgram_;
    QCheckBox* chkBezObustava;
};

} // namespace zarion::ui
