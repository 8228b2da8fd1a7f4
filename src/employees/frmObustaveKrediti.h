#pragma once

#include "employees/RegisterWindow.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// The creditors of loans (credit accounts): F5 new, F6 change, with name, account and payment
// mode; a button opens the loans of the selected creditor; Ctrl+I exports the running loans of
// every creditor to a worksheet.
class frmObustaveKrediti : public RegisterWindow {
    Q_OBJECT

public:
    explicit frmObustaveKrediti(AppContext& context, QWidget* parent = nullptr);

    void UcitajKreditore();
    void cmdSnimi_Click();
    void cmdKrediti_Click();
    void izvozUExcel();

protected:
    void onNew() override;
    void onEdit() override;
    void onRemove() override {} // creditors are not removed here
    bool panelOpen() const override;
    void closePanel() override;
    bool onOtherKey(QKeyEvent* event) override;

private:
    AppContext& context_;
    long long editedId_ = 0; // the creditor the panel shows with "Ažuriraj"
    QTreeWidget* listKreditori;
    QGroupBox* fraUnos;
    QLineEdit* txtNaziv;
    QLineEdit* txtTekuciRacun;
    QComboBox* cmbNacin;
    QPushButton* cmdSnimi;
    QPushButton* cmdKrediti;
};

} // namespace zarion::employees
