#include "compensation/frmPregledOdmora.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/BenefitWidgets.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

QComboBox* periodBox(QWidget* parent, const char* name, bool years, int value) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    years ? fillYears(box) : fillMonths(box);
    box->setCurrentText(QString::number(value));
    return box;
}

} // namespace

frmPregledOdmora::frmPregledOdmora(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , listO(makeList(this, "listO", {"Zaposleni"_q, "ID"_q, "Sati GO"_q, "Dana GO"_q}))
    , lblUkupno(new QLabel(this)) {
    setObjectName("frmPregledOdmora");
    setWindowTitle("Godisnji odmori"_q);
    const int year = context_.WorkYear != 0 ? context_.WorkYear : context_.clock.today().year;
    cmbOdMesec = periodBox(this, "cmbOdMesec", false, 1);
    cmbOdGodina = periodBox(this, "cmbOdGodina", true, year);
    cmbDoMesec = periodBox(this, "cmbDoMesec", false, 12);
    cmbDoGodina = periodBox(this, "cmbDoGodina", true, year);
    lblUkupno->setObjectName("lblUkupno");
    listO->setColumnWidth(0, 240);
    QPushButton* cmdPrikazi = commandButton(this, "Prika`i"_q, "cmdPrikazi");
    QPushButton* cmdStampa = commandButton(this, "[tampa"_q, "cmdStampa");

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Od meseca:"_q, this));
    top->addWidget(cmbOdMesec);
    top->addWidget(cmbOdGodina);
    top->addWidget(new QLabel("do meseca:"_q, this));
    top->addWidget(cmbDoMesec);
    top->addWidget(cmbDoGodina);
    top->addWidget(cmdPrikazi);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblUkupno, 1);
    bottom->addWidget(cmdStampa);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listO, 1);
    layout->addLayout(bottom);
    resize(700, 500);

    connect(cmdPrikazi, &QPushButton::clicked, this, &frmPregledOdmora::cmdPrikazi_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmPregledOdmora::cmdStampa_Click);
    cmdPrikazi_Click();
}

MonthSpan frmPregledOdmora::span() const {
    return {cmbOdGodina->currentText().toInt(), cmbOdMesec->currentText().toInt(),
            cmbDoGodina->currentText().toInt(), cmbDoMesec->currentText().toInt()};
}

void frmPregledOdmora::cmdPrikazi_Click() {
    listO->clear();
    rows_.clear();
    lblUkupno->clear();
    guarded(this, "cmdPrikazi_Click", [&] {
        auto taken = leaveTaken(*context_.PayrollDb, span());
        if (!taken) {
            showRefusal(this, taken.refusal());
            return;
        }
        rows_ = std::move(taken).value();
        double hours = 0;
        for (const LeaveTaken& r : rows_) {
            QTreeWidgetItem* item =
                addRow(listO,
                       {r.name, std::to_string(r.id_radnik),
                        format(r.hours, NumberFormat::Grouped2), leaveDays(r.days())},
                       r.id_radnik);
            item->setTextAlignment(2, Qt::AlignRight);
            item->setTextAlignment(3, Qt::AlignRight);
            hours += r.hours;
        }
        lblUkupno->setText("Ukupno sati: "_q + toQ(format(hours, NumberFormat::Grouped2)) +
                           "   Ukupno dana: "_q + toQ(leaveDays(hours / 8)));
    });
}

void frmPregledOdmora::cmdStampa_Click() {
    guarded(this, "cmdStampa_Click", [&] {
        preview(this, context_,
                leaveOverviewReport(companyOf(context_), context_.logoPath(), span(), rows_));
    });
}

void frmPregledOdmora::keyPressEvent(QKeyEvent* event) {
    if (!closedOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
