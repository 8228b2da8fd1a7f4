#include "ui/frmMSG.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zarion::ui {

frmMSG::frmMSG(QWidget* parent)
    : QDialog(parent)
    , lblPoruka(new QLabel(this))
    , cmdDA(new QPushButton(QStringLiteral("Da"), this))
    , cmdNE(new QPushButton(QStringLiteral("Ne"), this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("frmMSG"));
    setWindowTitle(QStringLiteral("Tarlen"));
    lblPoruka->setObjectName(QStringLiteral("lblPoruka"));
    lblPoruka->setWordWrap(true);
    lblPoruka->setAlignment(Qt::AlignCenter);
    cmdDA->setObjectName(QStringLiteral("cmdDA"));
    cmdNE->setObjectName(QStringLiteral("cmdNE"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);

    connect(cmdDA, &QPushButton::clicked, this, [this] { answerWith(Da); });
    connect(cmdNE, &QPushButton::clicked, this, [this] { answerWith(Ne); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { answerWith(Ok); });
    connect(Timer1, &QTimer::timeout, this, &QDialog::reject);
    connect(this, &QDialog::finished, Timer1, &QTimer::stop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDA);
    buttons->addWidget(cmdNE);
    buttons->addWidget(cmdOK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPoruka, 1);
    layout->addLayout(buttons);
    setMinimumSize(360, 140);
}

void frmMSG::prepare(const QString& text, int seconds, bool askYesNo) {
    answer_ = Ok;
    lblPoruka->setText(text);
    cmdDA->setVisible(askYesNo);
    cmdNE->setVisible(askYesNo);
    cmdOK->setVisible(!askYesNo);
    (askYesNo ? cmdDA : cmdOK)->setDefault(true);
    if (seconds != 0)
        Timer1->start(seconds * 1000);
    else
        Timer1->stop();
}

void frmMSG::answerWith(Answer answer) {
    answer_ = answer;
    accept();
}

} // namespace zarion::ui
