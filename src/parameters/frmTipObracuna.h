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
    // Offers the kinds with `current` chosen.
    frmTipObracuna(QLabel* heading, QLabel* kind, QWidget* parent = nullptr, int current = 0);

    void done(int result) override;
    int chosenType() const;

private:
    QLabel* heading_;
    QLabel* kind_;
    QComboBox* cmbTip;
    QPushButton* cmdOK;
};

} // namespace zarion::parameters
