#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zarion::ui {

// The frame of the small input dialogs: a caption set by the caller, one input box and OK.
// Enter is OK, Esc closes without an answer; the box selects its text when it gets the focus.
class InputDialog : public QDialog {
    Q_OBJECT

public:
    void setCaption(const QString& caption);
    QString caption() const;

protected:
    InputDialog(const QString& name, QWidget* input, QWidget* parent);

private:
    QLabel* lblNatpis;
    QPushButton* cmdOK;
};

} // namespace zarion::ui
