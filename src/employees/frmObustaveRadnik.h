#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// One employee's deductions: every standing deduction with the inactive ones in red (activate,
// deactivate), and his loans (new loan, change the selected one). The employee is typed in
// txtID_Radnik, searched by name (Ctrl+T) or passed in.
class frmObustaveRadnik : public QWidget {
    Q_OBJECT

public:
    explicit frmObustaveRadnik(AppContext& context, QWidget* parent = nullptr);

    void setEmployee(long long employeeId);
    void UcitajObustave();
    void UcitajKredite();

    void cmdAktiviraj_Click();
    void cmdDeaktiviraj_Click();
    void cmdNoviKredit_Click();
    void cmdIzmeniKredit_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The employee shown, or 0 after "Niste izabrali radnika!".
    long long chosenEmployee();
    void refresh();

    AppContext& context_;
    QLineEdit* txtID_Radnik;
    QLabel* lblRadnik;
    QPushButton* cmdTrazi;
    QTreeWidget* listObustave;
    QLabel* lblNapomena;
    QPushButton* cmdAktiviraj;
    QPushButton* cmdDeaktiviraj;
    QTreeWidget* listKrediti;
    QPushButton* cmdNoviKredit;
    QPushButton* cmdIzmeniKredit;
};

} // namespace zarion::employees
