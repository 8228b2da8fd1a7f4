#pragma once

#include <cstdint>
#include <optional>

#include "employees/RegisterWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeView;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

class EmployeeListModel;
class EmployeePanel;
struct ListFilter;

// The employee register: the list with its filters (unit, type, term, inactive) and the count
// under it, owners in blue; the edit panel for a new (F5) or the selected (F6, Enter,
// double-click) employee; removal (F9, Delete) of an employee without calculations or
// deductions; CTRL+P turns the owner flag, CTRL+O writes one municipality into every employee,
// CTRL+T takes an employee over from the auxiliary database into the open panel; print, export
// to a worksheet and refresh.
class frmZaposleni : public RegisterWindow {
    Q_OBJECT
public:
    explicit frmZaposleni(AppContext& context, QWidget* parent = nullptr);
    ~frmZaposleni() override;

    // Fills the list anew with the filters as set, keeping the selected employee when shown.
    void UcitajRadnike();

protected:
    void onNew() override;
    void onEdit() override;
    void onRemove() override;
    bool panelOpen() const override;
    void closePanel() override;
    bool onOtherKey(QKeyEvent* event) override;

private:
    QWidget* buildList();
    ListFilter filter() const;
    std::int64_t selectedId() const;
    void select(std::int64_t id);
    void cmdSnimi_Click();
    void cmdObustave_Click();
    void importFromAuxiliary();
    void toggleOwner();
    void municipalityForAll();
    void cmdStampa_Click();
    void cmdExcel_Click();
    void cmdZanimanje_Click();

    AppContext& context_;
    EmployeeListModel* model_;
    QStackedWidget* stack_;
    QTreeView* listZ_;
    QComboBox* cmbRJFilter_;
    QComboBox* cmbTipFilter_;
    QComboBox* cmbOdredjenoFilter_;
    QCheckBox* chkNeaktivni_;
    QLabel* lblUkupno_;
    EmployeePanel* panel_;
    std::optional<std::int64_t> editing_; // the employee in the panel; none for a new one
};

} // namespace zarion::employees
