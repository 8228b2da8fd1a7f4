#pragma once

#include <QWidget>
#include <vector>

class QKeyEvent;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

struct DeductionRow;

// The pop-up of the batch calculation "Obustave za izabrani mesec": the deductions priced for
// one employee, and, when the month is paid in two parts, those of the second part in a second
// list. Its button opens the employee's deductions window.
class frmObustaveMEsec : public QWidget {
    Q_OBJECT

public:
    explicit frmObustaveMEsec(AppContext& context, QWidget* parent = nullptr);

    // Shows the employee's lines: the month's (or the first part's) and the second part's.
    void prikazi(long long employeeId, const std::vector<DeductionRow>& rows,
                 const std::vector<DeductionRow>& secondPart);

    void cmdObustave_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override; // Esc closes the pop-up

private:
    AppContext& context_;
    long long employeeId_ = 0;
    QLabel* lblRadnik;
    QTreeWidget* listObustave;
    QLabel* lblDrugiDeo;
    QTreeWidget* listObustave2;
    QPushButton* cmdObustave;
};

} // namespace zarion::employees
