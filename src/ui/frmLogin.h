#pragma once

#include <QDialog>
#include <memory>

#include "core/AppContext.h"

class QLineEdit;
class QSpinBox;
class QPushButton;

namespace zarion::ui {

// The sign-in window: signs the operator in against the register and fixes the working year.
// Accepted when the operator is signed in.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    frmLogin(AppContext& context, db::Database& registerDb, QWidget* parent = nullptr);
    ~frmLogin() override;

private:
    void cmdOKClick();

    AppContext& context_;
    db::Database& register_;
    QLineEdit* txtKorisnicko_;
    QLineEdit* txtPas_;
    QSpinBox* txtGodina_;
};

} // namespace zarion::ui
