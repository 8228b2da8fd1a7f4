#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <utility>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

struct StatementPeriod;

// Statements for one employee (number typed or chosen by name) over a period: the months with
// their gross, tax, contributions and net, the salary certificate and the annual certificate of
// withheld taxes and contributions (PPP-PO), both printed through the preview.
class frmIzvZaposleni : public QWidget {
    Q_OBJECT
public:
    explicit frmIzvZaposleni(AppContext& context, QWidget* parent = nullptr);

protected:
    // CTRL+T searches the employee by name, Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The employee and the period when both are good; otherwise the message was shown.
    std::optional<std::int64_t> chosenEmployee();
    std::optional<StatementPeriod> chosenPeriod();
    // Both, or nothing when either is refused (the refusal is shown).
    std::optional<std::pair<std::int64_t, StatementPeriod>> chosenEmployeeAndPeriod();
    void employeeChanged();
    void cmdPrikazi_Click();
    void cmdPotvrda_Click();
    void cmdPPPPO_Click();

    AppContext& context_;
    QLineEdit* txtID_Radnik_;
    QPushButton* cmdTrazi_;
    QLabel* lblRadnik_;
    QLineEdit* txtMesecOd_;
    QLineEdit* txtGodinaOd_;
    QLineEdit* txtMesecDo_;
    QLineEdit* txtGodinaDo_;
    QTreeWidget* listIzv_;
};

} // namespace zarion::employees
