#include "parameters/frmParametri_po_mesecima.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "parameters/CalculationMonth.h"
#include "parameters/MonthRows.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::parameters {

using ui::operator""_q;

frmParametri_po_mesecima::frmParametri_po_mesecima(db::Database& payrollDb, QWidget* parent)
    : QWidget(parent)
    , payrollDb_(payrollDb)
    , cmbGod(new QComboBox(this))
    , cmbMEsec(new QComboBox(this))
    , lblIzabraniM(new QLabel(this))
    , lblIzabraniG(new QLabel(this))
    , cmdSnimi(new QPushButton(QStringLiteral("Snimi"), this))
    , cmdPre2013(new QPushButton(QStringLiteral("Poslodavac pre 05/2013"), this))
    , cmdIzlaz(new QPushButton(QStringLiteral("Izlaz"), this)) {
    setObjectName(QStringLiteral("frmParametri_po_mesecima"));
    setWindowTitle(QStringLiteral("Parametri po mesecima"));
    cmbGod->setObjectName(QStringLiteral("cmbGod"));
    cmbMEsec->setObjectName(QStringLiteral("cmbMEsec"));
    lblIzabraniM->setObjectName(QStringLiteral("lblIzabraniM"));
    lblIzabraniG->setObjectName(QStringLiteral("lblIzabraniG"));
    cmdSnimi->setObjectName(QStringLiteral("cmdSnimi"));
    cmdPre2013->setObjectName(QStringLiteral("cmdPre2013"));
    cmdIzlaz->setObjectName(QStringLiteral("cmdIzlaz"));

    for (int year = FirstCalculationYear; year <= LastCalculationYear; ++year)
        cmbGod->addItem(QString::number(year));
    for (int month = 1; month <= 12; ++month)
        cmbMEsec->addItem(QString::number(month));
    cmbGod->setCurrentIndex(-1);
    cmbMEsec->setCurrentIndex(-1);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Godina:"), this));
    choice->addWidget(cmbGod);
    choice->addSpacing(12);
    choice->addWidget(new QLabel(QStringLiteral("Mesec:"), this));
    choice->addWidget(cmbMEsec);
    choice->addSpacing(24);
    choice->addWidget(new QLabel(QStringLiteral("Izabrani mesec:"), this));
    choice->addWidget(lblIzabraniM);
    choice->addWidget(new QLabel(QStringLiteral("/"), this));
    choice->addWidget(lblIzabraniG);
    choice->addStretch(1);

    // The boxes in two columns, in the order of the month's row.
    const std::vector<std::string> columns = monthRateColumns(payrollDb_);
    const int perColumn = static_cast<int>(columns.size() + 1) / 2;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(2, 24);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        auto* caption =
            new QLabel(ui::toQ(monthRateCaption(columns[static_cast<std::size_t>(i)])), this);
        caption->setObjectName(QStringLiteral("lblPar_%1").arg(i));
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtPar_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        caption->setBuddy(box);
        grid->addWidget(caption, i % perColumn, 3 * (i / perColumn));
        grid->addWidget(box, i % perColumn, 3 * (i / perColumn) + 1);
        lblPar.append(caption);
        txtPar.append(box);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPre2013);
    buttons->addStretch(1);
    buttons->addWidget(cmdSnimi);
    buttons->addWidget(cmdIzlaz);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(cmbGod, &QComboBox::activated, this, &frmParametri_po_mesecima::showChosenMonth);
    connect(cmbMEsec, &QComboBox::activated, this, &frmParametri_po_mesecima::showChosenMonth);
    connect(cmdSnimi, &QPushButton::clicked, this, &frmParametri_po_mesecima::cmdSnimi_Click);
    connect(cmdPre2013, &QPushButton::clicked, this, &frmParametri_po_mesecima::cmdPre2013_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &QWidget::close);
    ui::SelectAllOnFocus::installAll(this);
}

void frmParametri_po_mesecima::showChosenMonth() {
    if (cmbGod->currentIndex() < 0 || cmbMEsec->currentIndex() < 0)
        return;
    const int month = cmbMEsec->currentIndex() + 1;
    const int year = cmbGod->currentText().toInt();
    try {
        const auto rowId = findMonthRow(payrollDb_, month, year);
        if (!rowId) {
            clearMonth();
            ui::message(this, ui::toQ(monthNotFoundMessage(month, year)), ui::Icon::Exclamation);
            ui::message(this, ui::toQ(startTheMonthMessage()), ui::Icon::Information);
            return;
        }
        const std::vector<MonthRateField> fields = loadMonthRates(payrollDb_, *rowId);
        for (int i = 0; i < txtPar.size() && i < static_cast<int>(fields.size()); ++i) {
            lblPar[i]->setText(ui::toQ(fields[static_cast<std::size_t>(i)].caption));
            txtPar[i]->setText(ui::toQ(fields[static_cast<std::size_t>(i)].text));
        }
    } catch (const std::exception& error) {
        clearMonth();
        ui::showFailure(this, "showChosenMonth", error);
        return;
    }
    shownMonth_ = month;
    shownYear_ = year;
    lblIzabraniM->setText(QString::number(month));
    lblIzabraniG->setText(QString::number(year));
}

void frmParametri_po_mesecima::clearMonth() {
    const std::vector<std::string> columns = monthRateColumns(payrollDb_);
    for (int i = 0; i < txtPar.size(); ++i) {
        txtPar[i]->clear();
        lblPar[i]->setText(ui::toQ(columns[static_cast<std::size_t>(i)]));
    }
    shownMonth_ = 0;
    shownYear_ = 0;
    lblIzabraniM->clear();
    lblIzabraniG->clear();
}

void frmParametri_po_mesecima::cmdSnimi_Click() {
    std::vector<std::string> inputs;
    for (const QLineEdit* box : txtPar)
        inputs.push_back(ui::fromQ(box->text()));
    try {
        switch (saveMonthRates(payrollDb_, shownMonth_, shownYear_, inputs)) {
        case MonthSave::NoMonth:
            ui::message(this, ui::toQ(noMonthChosenMessage()), ui::Icon::Exclamation);
            return;
        case MonthSave::NoYear:
            ui::message(this, ui::toQ(noYearChosenMessage()), ui::Icon::Exclamation);
            return;
        case MonthSave::NotFound:
            ui::message(this, ui::toQ(monthNotFoundOnSaveMessage(shownMonth_, shownYear_)),
                        ui::Icon::Critical);
            return;
        case MonthSave::Saved:
            ui::message(this, ui::toQ(monthSavedMessage()), ui::Icon::Information);
            return;
        }
    } catch (const std::exception& error) {
        ui::showFailure(this, "cmdSnimi_Click", error);
    }
}

void frmParametri_po_mesecima::cmdPre2013_Click() {
    if (!ui::ask(this, ui::toQ(fillBefore2013Question())))
        return;
    try {
        fillEmployerRatesBefore2013(payrollDb_);
    } catch (const std::exception& error) {
        ui::showFailure(this, "cmdPre2013_Click", error);
        return;
    }
    ui::message(this, ui::toQ(fillBefore2013DoneMessage()), ui::Icon::Information);
    if (shownMonth_ > 0)
        showChosenMonth();
}

} // namespace zarion::parameters
