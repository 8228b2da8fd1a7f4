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

// The banks that keep the employees' current accounts: the list, an edit panel for a new (F5)
// or the selected (F6) bank, and removal (F9) of a bank no employee uses.
class frmBanke : public RegisterWindow {
    Q_OBJECT
public:
    explicit frmBanke(AppContext& context, QWidget* parent = nullptr);

    void UcitajBanke();

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
    QTreeWidget* listBanke_;
    QGroupBox* fraBanka_;
    QLineEdit* txtID_;
    QLineEdit* txtBanka_;
    QLineEdit* txtTekuciRacun_;
    QLineEdit* txtPoziv_;
    QPushButton* cmdSnimi_;
};

} // namespace zarion::employees
