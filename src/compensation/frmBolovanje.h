#pragma once

#include <cstdint>
#include <vector>

#include "compensation/SickLeaveCases.h"
#include "employees/RegisterWindow.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The register of long leaves: the cases that overlap the chosen interval (the working year at
// first), F5 a new case (open until 31.12.2099), F6 or Enter the selected one, F9 removes it.
class frmBolovanje : public employees::RegisterWindow {
    Q_OBJECT
public:
    explicit frmBolovanje(AppContext& context, LeaveKind kind = LeaveKind::SickLeave,
                          QWidget* parent = nullptr);

    void UcitajBolovanja();
    void cmdSnimi_Click();

protected:
    void onNew() override;
    void onEdit() override;
    void onRemove() override;
    bool panelOpen() const override;
    void closePanel() override;

private:
    const LeaveCase* selectedCase() const;
    void showCase(const LeaveCase& leave);

    AppContext& context_;
    LeaveKind kind_;
    std::vector<LeaveCase> cases_;
    std::int64_t editedId_ = 0;
    QDateEdit* dtOd;
    QDateEdit* dtDo;
    QTreeWidget* listBolovanja;
    QGroupBox* fraBolovanje;
    QComboBox* cmbRadnik;
    QDateEdit* dtOtvaranje;
    QDateEdit* dtZatvaranje;
    QLineEdit* txtNeto;
    QPushButton* cmdSnimi;
};

} // namespace zarion::compensation
