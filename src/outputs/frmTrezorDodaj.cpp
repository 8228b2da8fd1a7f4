#include "outputs/frmTrezorDodaj.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/NumberFormat.h"
#include "core/Text.h"
#include "ui/Dialogs.h"

namespace zarion::outputs {

using namespace ui;

frmTrezorDodaj::frmTrezorDodaj(QWidget* parent)
    : QDialog(parent)
    , txtKonto(new QLineEdit(this))
    , txtDuguje(new QLineEdit(this))
    , txtPotrazuje(new QLineEdit(this))
    , cmdOK(new QPushButton("OK"_q, this))
    , cmdOtkazi(new QPushButton("Otka`i"_q, this)) {
    setObjectName("frmTrezorDodaj");
    setWindowTitle("Dodaj stavku"_q);
    txtKonto->setObjectName("txtKonto");
    txtDuguje->setObjectName("txtDuguje");
    txtPotrazuje->setObjectName("txtPotrazuje");
    cmdOK->setObjectName("cmdOK");
    cmdOtkazi->setObjectName("cmdOtkazi");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTrezorDodaj::cmdOK_Click);
    connect(cmdOtkazi, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow("Konto:"_q, txtKonto);
    form->addRow("Duguje:"_q, txtDuguje);
    form->addRow("Potra`uje:"_q, txtPotrazuje);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdOtkazi);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void frmTrezorDodaj::cmdOK_Click() {
    const std::string account = trim(fromQ(txtKonto->text()));
    if (account.empty()) {
        message(this, "Unesite konto!"_q, Icon::Exclamation);
        txtKonto->setFocus();
        return;
    }
    const auto debit = parseAmount(fromQ(txtDuguje->text()));
    const auto credit = parseAmount(fromQ(txtPotrazuje->text()));
    const bool onDebit = debit && *debit != Currency{};
    const bool onCredit = credit && *credit != Currency{};
    if (onDebit == onCredit) {
        message(this, "Unesite iznos duguje ili potra`uje (##0.00)!"_q, Icon::Exclamation);
        return;
    }
    line_ = {"Ru~no"_yu, onDebit ? account : std::string(), onCredit ? account : std::string(),
             (onDebit ? *debit : *credit).round2()};
    accept();
}

} // namespace zarion::outputs
