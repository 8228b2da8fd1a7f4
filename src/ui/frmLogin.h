#pragma once

#include <QDialog>
#include <memory>

#include "core/AppContext.h"

class QLineEdit;
class QSpinBox;
class QPushButton;

namespace zarion::ui {

// The sign-in window: chooses the data root from the marker file, signs the operator in
// against the register and fixes the working year. Accepted when the operator is signed in.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(AppContext& context, QWidget* parent = nullptr);
    ~frmLogin() override;

private:
    void cmdOKClick();

    AppContext& context_;
    std::unique_ptr<db::Database> register_;
    QLineEdit* txtKorisnicko_;
    QLineEdit* txtPas_;
    QSpinBox* txtGodina_;
};

} // namespace zarion::ui
