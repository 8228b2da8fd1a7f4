#pragma once

#include <QDialog>

#include "outputs/Treasury.h"

class QLineEdit;
class QPushButton;

namespace zarion::outputs {

// A journal line added by hand to a treasury batch: the account and the amount on the debit or
// on the credit side.
class frmTrezorDodaj : public QDialog {
    Q_OBJECT

public:
    explicit frmTrezorDodaj(QWidget* parent = nullptr);

    // The line typed, once the operator confirmed it.
    const TreasuryJournalLine& line() const { return line_; }

    void cmdOK_Click();

private:
    TreasuryJournalLine line_;
    QLineEdit* txtKonto;
    QLineEdit* txtDuguje;
    QLineEdit* txtPotrazuje;
    QPushButton* cmdOK;
    QPushButton* cmdOtkazi;
};

} // namespace zarion::outputs
