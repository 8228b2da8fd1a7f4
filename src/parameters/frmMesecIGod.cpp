#include "parameters/frmMesecIGod.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "parameters/CalculationMonth.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::parameters {

using ui::operator""_q;

frmMesecIGod::frmMesecIGod(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , cmbGod(new QComboBox(this))
    , cmbMesec(new QComboBox(this))
    , optAkontacija(new QRadioButton(QStringLiteral("Akontacija"), this))
    , optKOnacni(new QRadioButton("Kona~ni obra~un"_q, this))
    , cmdPokreni(new QPushButton(QStringLiteral("Pokreni"), this)) {
    setObjectName(QStringLiteral("frmMesecIGod"));
    setWindowTitle("Mesec i godina obra~una"_q);
    cmbGod->setObjectName(QStringLiteral("cmbGod"));
    cmbMesec->setObjectName(QStringLiteral("cmbMesec"));
    optAkontacija->setObjectName(QStringLiteral("optAkontacija"));
    optKOnacni->setObjectName(QStringLiteral("optKOnacni"));
    cmdPokreni->setObjectName(QStringLiteral("cmdPokreni"));

    for (int year = FirstCalculationYear; year <= LastCalculationYear; ++year)
        cmbGod->addItem(QString::number(year));
    for (int month = 1; month <= 12; ++month)
        cmbMesec->addItem(QString::number(month));

    const MonthProposal proposal =
        proposeCalculationMonth(context_.clock.today(), paidInTwoParts(*context_.PayrollDb));
    if (cmbGod->findText(QString::number(proposal.year)) < 0)
        cmbGod->addItem(QString::number(proposal.year));
    cmbGod->setCurrentText(QString::number(proposal.year));
    cmbMesec->setCurrentIndex(proposal.month - 1);
    (proposal.final ? optKOnacni : optAkontacija)->setChecked(true);
    optAkontacija->setEnabled(proposal.kindChoosable);
    optKOnacni->setEnabled(proposal.kindChoosable);

    auto* kind = new QGroupBox("Vrsta obra~una"_q, this);
    auto* kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(optAkontacija);
    kindLayout->addWidget(optKOnacni);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Godina:"), cmbGod);
    form->addRow(QStringLiteral("Mesec:"), cmbMesec);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(kind);
    layout->addWidget(cmdPokreni, 0, Qt::AlignRight);

    connect(cmdPokreni, &QPushButton::clicked, this, &frmMesecIGod::cmdPokreni_Click);
    cmdPokreni->setDefault(true);
    cmdPokreni->setFocus();
}

void frmMesecIGod::cmdPokreni_Click() {
    const int month = cmbMesec->currentIndex() + 1;
    const int year = cmbGod->currentText().toInt();
    try {
        const MonthStart start = startCalculationMonth(*context_.PayrollDb, month, year);
        if (start.outcome == MonthStart::Outcome::NoCurrentParameters) {
            ui::message(this, ui::toQ(setParametersFirstMessage()), ui::Icon::Exclamation);
            return;
        }
        for (const std::string& column : start.changedColumns)
            ui::message(this, ui::toQ(parameterDiffersMessage(column)), ui::Icon::Information);
    } catch (const std::exception& error) {
        ui::showFailure(this, "cmdPokreni_Click", error);
        return;
    }
    context_.CalcMonth = month;
    context_.CalcYear = year;
    context_.CalcFinal = !optAkontacija->isChecked();
    accept();
}

bool chooseCalculationMonth(QWidget* parent, AppContext& context) {
    context.CalcYear = 0;
    try {
        frmMesecIGod chooser(context, parent);
        chooser.exec();
    } catch (const std::exception& error) {
        ui::showFailure(parent, "chooseCalculationMonth", error);
    }
    return context.CalcYear != 0;
}

} // namespace zarion::parameters
