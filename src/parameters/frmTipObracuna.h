#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zarion::parameters {

// Chooses the kind of salary calculation. On closing it writes the chosen kind as the two
// captions of the calculation window that opened it (its heading and its kind line).
class frmTipObracuna : public QDialog {
    Q_OBJECT

public:
    frmTipObracuna(QLabel* heading, QLabel* kind, QWidget* parent = nullptr);

    void done(int result) override;

private:
    QLabel* heading_;
    QLabel* kind_;
    QComboBox* cmbTip;
    QPushButton* cmdOK;
};

} // namespace zarion::parameters
