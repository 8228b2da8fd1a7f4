#include "employees/frmObustaveMEsec.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "employees/DeductionPricing.h"
#include "employees/EmployeeSearch.h"
#include "employees/frmObustaveRadnik.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

namespace {

QTreeWidget* deductionList(QWidget* parent, const QString& name) {
    auto* list = ui::makeList(parent, name,
                              {"IDO"_q, "Kreditor"_q, "Iznos din"_q, "Valuta"_q, "Kurs"_q,
                               "Teku}i ra~un"_q, "Partija"_q, "ID_OR"_q});
    const int widths[] = {45, 200, 90, 50, 70, 175, 130};
    for (int c = 0; c < 7; ++c)
        list->setColumnWidth(c, widths[c]);
    return list;
}

void fill(QTreeWidget* list, const std::vector<DeductionRow>& rows) {
    list->clear();
    for (const DeductionRow& row : rows)
        ui::addRow(list,
                   {std::to_string(row.id_obustava), row.kreditor,
                    format(row.Iznos, NumberFormat::Grouped2), row.valuta,
                    format(row.Kurs, NumberFormat::Grouped4), row.tekuci_Racun, row.POziv_na_broj,
                    std::to_string(row.id_or)},
                   row.id_or);
}

} // namespace

frmObustaveMEsec::frmObustaveMEsec(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , context_(context)
    , lblRadnik(new QLabel(this))
    , listObustave(deductionList(this, "listObustave"))
    , lblDrugiDeo(new QLabel("II deo"_q, this))
    , listObustave2(deductionList(this, "listObustave2"))
    , cmdObustave(new QPushButton("Obustave radnika"_q, this)) {
    setObjectName("frmObustaveMEsec");
    setWindowTitle("Obustave za izabrani mesec"_q);
    lblRadnik->setObjectName("lblRadnik");
    cmdObustave->setObjectName("cmdObustave");
    connect(cmdObustave, &QPushButton::clicked, this, &frmObustaveMEsec::cmdObustave_Click);

    bool twoParts = false;
    ui::guarded(this, "Form_Load", [&] { twoParts = paidInTwoParts(*context_.PayrollDb); });
    lblDrugiDeo->setVisible(twoParts);
    listObustave2->setVisible(twoParts);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblRadnik);
    layout->addWidget(listObustave, 1);
    layout->addWidget(lblDrugiDeo);
    layout->addWidget(listObustave2, 1);
    layout->addWidget(cmdObustave, 0, Qt::AlignRight);
    resize(890, twoParts ? 420 : 260);
}

void frmObustaveMEsec::prikazi(long long employeeId, const std::vector<DeductionRow>& rows,
                               const std::vector<DeductionRow>& secondPart) {
    employeeId_ = employeeId;
    ui::guarded(this, "prikazi", [&] {
        lblRadnik->setText(QString::number(employeeId) + " - "_q +
                           toQ(employeeName(*context_.PayrollDb, employeeId)).trimmed());
    });
    fill(listObustave, rows);
    fill(listObustave2, secondPart);
}

void frmObustaveMEsec::cmdObustave_Click() {
    auto* window = new frmObustaveRadnik(context_);
    window->setEmployee(employeeId_);
    ui::showBeside(this, window);
}

void frmObustaveMEsec::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::employees
