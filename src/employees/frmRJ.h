#pragma once

#include <cstdint>

#include "employees/RegisterWindow.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// The organisational units: the list, an edit panel for a new (F5) or the selected (F6) unit,
// and removal (F9) of a unit no employee belongs to.
class frmRJ : public RegisterWindow {
    Q_OBJECT
public:
    explicit frmRJ(AppContext& context, QWidget* parent = nullptr);

    void UcitajRJ();

protected:
    void onNew() override;
    void onEdit() override;
    void onRemove() override;
    bool panelOpen() const override;
    void closePanel() override;

private:
    void cmdSnimi_Click();
    std::int64_t selectedId() const;

    AppContext& context_;
    QTreeWidget* listRJ_;
    QGroupBox* fraRJ_;
    QLineEdit* txtID_;
    QLineEdit* txtNaziv_;
    QPushButton* cmdSnimi_;
};

} // namespace zarion::employees
