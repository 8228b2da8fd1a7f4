#pragma once

#include <QWidget>
#include <vector>

#include "compensation/DisabledCompensation.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The disabled persons of the II and III category with their compensations, and the control
// parameters the compensations are adjusted with.
class frmInvalidi : public QWidget {
    Q_OBJECT

public:
    explicit frmInvalidi(AppContext& context, QWidget* parent = nullptr);

    void UcitajInvalide();
    void cmdDodaj_Click();
    void listI_DblClick(QTreeWidgetItem* item);
    void cmdSnimiParametre_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showControl();

    AppContext& context_;
    QTreeWidget* listI;
    QLineEdit* txtID_Radnik;
    QComboBox* cmbKategorija;
    QLineEdit* txtM2003;
    QLineEdit* txtP2003;
    QLineEdit* txtProcenat;
    QLineEdit* txtUskladjen;
    QLineEdit* txtDZO;
    QLineEdit* txtTekuciZO;
};

} // namespace zarion::compensation
