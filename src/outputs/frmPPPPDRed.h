#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "outputs/Declaration.h"

class QLineEdit;

namespace zarion::outputs {

// The row editor of the return: the row's 25 values in boxes under their captions, the
// recipient's surname and name in the title. OK hands the edited row back.
class frmPPPPDRed : public QDialog {
    Q_OBJECT

public:
    using Accepted = std::function<void(const DeclarationRow&)>;
    frmPPPPDRed(const DeclarationRow& row, Accepted accepted, QWidget* parent);

    void accept() override; // cmdOK_Click
    // Opens the income type code editor on the row's code and days.
    void composeIncomeCode();

private:
    DeclarationRow row_;
    Accepted accepted_;
    std::array<QLineEdit*, DeclarationColumns> boxes_{};
};

} // namespace zarion::outputs
