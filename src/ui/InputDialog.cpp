#include "ui/InputDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/SelectAllOnFocus.h"

namespace zarion::ui {

InputDialog::InputDialog(const QString& name, QWidget* input, QWidget* parent)
    : QDialog(parent)
    , lblNatpis(new QLabel(this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("Tarlen"));
    lblNatpis->setObjectName(QStringLiteral("lblNatpis"));
    lblNatpis->setWordWrap(true);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNatpis);
    layout->addWidget(input);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    setMinimumWidth(320);

    SelectAllOnFocus::install(input);
    input->setFocus();
}

void InputDialog::setCaption(const QString& caption) {
    lblNatpis->setText(caption);
}

QString InputDialog::caption() const {
    return lblNatpis->text();
}

} // namespace zarion::ui
