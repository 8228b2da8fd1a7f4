#include "other_income/frmUplRacuniOstale.h"

#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/Text.h"
#include "other_income/IncomeKinds.h"
#include "parameters/frmPodesavanja.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;

namespace {

struct KindAccounts {
    std::string payout;
    std::string tax;
};

KindAccounts accountsOf(db::Database& payrollDb, int kind) {
    db::Statement st = payrollDb.prepare("SELECT isplatni_racun, racun_porez_na_plate FROM "
                                         "uplatni_racuni_ostale WHERE id_ostale = ? LIMIT 1");
    st.bind(1, kind);
    if (!st.step())
        return {};
    return {trim(st.text(0)), trim(st.text(1))};
}

} // namespace

frmUplRacuniOstale::frmUplRacuniOstale(db::Database& payrollDb, QWidget* parent)
    : QWidget(parent)
    , payrollDb_(payrollDb)
    , listVrste(makeList(this, "listVrste",
                         {"Vrsta prihoda"_q, "Ra~un za isplatu"_q, "Ra~un poreza"_q})) {
    setObjectName("frmUplRacuniOstale");
    setWindowTitle("Uplatni ra~uni - ostale zarade"_q);
    listVrste->setColumnWidth(0, 360);
    listVrste->setColumnWidth(1, 190);
    listVrste->setToolTip("Enter, F6 ili dvoklik: ra~uni izabrane vrste prihoda"_q);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listVrste);
    connect(listVrste, &QTreeWidget::itemDoubleClicked, this, &frmUplRacuniOstale::editChosenKind);
    resize(780, 380);
    UcitajVrste();
}

void frmUplRacuniOstale::UcitajVrste() {
    guarded(this, "UcitajVrste", [&] {
        const long long chosen = currentNumber(listVrste);
        listVrste->clear();
        for (const IncomeKind& kind : incomeKinds()) {
            const KindAccounts accounts = accountsOf(payrollDb_, kind.tip_noz);
            QTreeWidgetItem* row =
                addRow(listVrste, {kind.text, accounts.payout, accounts.tax}, kind.tip_noz);
            if (accounts.payout.empty())
                colourRow(row, Qt::red);
        }
        selectNumber(listVrste, chosen != 0 ? chosen : incomeKinds().front().tip_noz);
    });
}

void frmUplRacuniOstale::editChosenKind() {
    const long long kind = currentNumber(listVrste);
    if (kind == 0)
        return;
    guarded(this, "editChosenKind", [&] {
        parameters::frmPodesavanja editor(payrollDb_, "uplatni_racuni_ostale", {"id_ostale", kind},
                                          toQ(incomeKindText(static_cast<int>(kind))), this);
        editor.exec();
    });
    UcitajVrste();
}

void frmUplRacuniOstale::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        closeWindow(this);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F6:
        editChosenKind();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace zarion::other_income
