#pragma once

#include <QDialog>
#include <memory>

#include "core/AppContext.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion::ui {

// The company register: lists the companies the operator may see, creates (F5), changes (F6)
// and removes (F9) them, and opens the chosen one (Enter). Accepted with CompanyId set.
class frmFirme : public QDialog {
    Q_OBJECT
public:
    frmFirme(AppContext& context, db::Database& registerDb, QWidget* parent = nullptr);
    ~frmFirme() override;

    void UcitajFirme();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showNew();
    void showSelected();
    void removeSelected();
    void openSelected();
    void cmdSnimi_Click();
    std::int64_t selectedId() const;
    // Runs a command on the register; a failure of it is shown, naming the register's file.
    void onRegister(void (frmFirme::*command)());

    AppContext& context_;
    db::Database& register_;
    QTreeWidget* listFirme_;
    QGroupBox* fraNovi_;
    QLineEdit* txtID_firma_;
    QLineEdit* txtFirma_;
    QLineEdit* txtGrad_;
    QPushButton* cmdSnimi_;
};

} // namespace zarion::ui
