#include "other_income/frmPregledPoBankamaOstale.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "outputs/BankListPanel.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::other_income {

using namespace ui;

frmPregledPoBankamaOstale::frmPregledPoBankamaOstale(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbNalog(new QComboBox(this))
    , panel_(new outputs::BankListPanel(context, outputs::PayoutKind::OtherIncome, this)) {
    setObjectName("frmPregledPoBankamaOstale");
    setWindowTitle("Pregled po bankama - Ostale zarade"_q);
    cmbNalog->setObjectName("cmbNalog");
    cmbNalog->setMinimumWidth(420);
    guarded(this, "Form_Load", [&] {
        orders_ = otherIncomeOrders(*context_.PayrollDb);
        for (const OtherIncomeOrder& order : orders_)
            cmbNalog->addItem(toQ(orderCaption(order)), QVariant::fromValue(order.id_noz));
    });
    connect(cmbNalog, &QComboBox::currentIndexChanged, this,
            &frmPregledPoBankamaOstale::UcitajBanke);

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel("Nalog:"_q, this));
    chooser->addWidget(cmbNalog);
    chooser->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooser);
    layout->addWidget(panel_, 1);
    resize(900, 600);
    UcitajBanke();
}

void frmPregledPoBankamaOstale::chooseOrder(std::int64_t id_noz) {
    cmbNalog->setCurrentIndex(cmbNalog->findData(QVariant::fromValue(id_noz)));
    UcitajBanke();
}

void frmPregledPoBankamaOstale::UcitajBanke() {
    std::optional<outputs::BankList> list;
    if (cmbNalog->currentIndex() >= 0)
        guarded(this, "UcitajBanke", [&] {
            auto loaded =
                loadOtherIncomeBankList(*context_.PayrollDb, cmbNalog->currentData().toLongLong());
            if (!loaded) {
                showRefusal(this, loaded.refusal());
                return;
            }
            list = std::move(loaded).value();
        });
    panel_->setList(std::move(list));
}

void frmPregledPoBankamaOstale::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::other_income
