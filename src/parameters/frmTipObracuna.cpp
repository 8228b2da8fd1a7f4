#include "parameters/frmTipObracuna.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "parameters/CalculationType.h"
#include "ui/Dialogs.h"

namespace zarion::parameters {

using ui::operator""_q;

frmTipObracuna::frmTipObracuna(QLabel* heading, QLabel* kind, QWidget* parent, int current)
    : QDialog(parent)
    , heading_(heading)
    , kind_(kind)
    , cmbTip(new QComboBox(this))
    , cmdOK(new QPushButton(QStringLiteral("U redu"), this)) {
    setObjectName(QStringLiteral("frmTipObracuna"));
    setWindowTitle("Tip obra~una"_q);
    cmbTip->setObjectName(QStringLiteral("cmbTip"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    for (int type = 0; type < CalculationTypeCount; ++type)
        cmbTip->addItem(ui::toQ(calculationTypeCaptions(type)->kind), type);
    cmbTip->setCurrentIndex(std::max(0, cmbTip->findData(current)));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmbTip);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

int frmTipObracuna::chosenType() const {
    return cmbTip->currentData().toInt();
}

void frmTipObracuna::done(int result) {
    if (const auto captions = calculationTypeCaptions(chosenType())) {
        heading_->setText(ui::toQ(captions->heading));
        kind_->setText(ui::toQ(captions->kind));
    }
    QDialog::done(result);
}

} // namespace zarion::parameters
