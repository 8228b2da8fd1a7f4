#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace zarion::ui {

// The message window: a text with "Da"/"Ne" or "OK", optionally closing itself after a time.
class frmMSG : public QDialog {
    Q_OBJECT

public:
    enum Answer { Ok = 0, Da = 1, Ne = 2 };

    explicit frmMSG(QWidget* parent = nullptr);

    // Sets the text, the buttons (Da/Ne or OK) and the timer (seconds; 0 = no timer).
    void prepare(const QString& text, int seconds, bool askYesNo);
    // 1 after "Da", 2 after "Ne", 0 after OK or when the timer closed the window.
    int answer() const { return answer_; }

private:
    void answerWith(Answer answer);

    QLabel* lblPoruka;
    QPushButton* cmdDA;
    QPushButton* cmdNE;
    QPushButton* cmdOK;
    QTimer* Timer1;
    int answer_ = Ok;
};

} // namespace zarion::ui
