#include "outputs/frmPregledPoBankama.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "outputs/BankListPanel.h"
#include "outputs/BankListReport.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using namespace ui;

namespace {

// The payments in the order of their numbers.
QStringList paymentCaptions() {
    QStringList captions;
    for (const Payment payment : {Payment::Whole, Payment::First, Payment::Final})
        captions << toQ(paymentCaption(payment));
    return captions;
}

} // namespace

frmPregledPoBankama::frmPregledPoBankama(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , period_(this, paymentCaptions())
    , panel_(new BankListPanel(context, PayoutKind::Salaries, this)) {
    setObjectName("frmPregledPoBankama");
    setWindowTitle("Pregled po bankama - Redovna zarada"_q);

    const Date today = context_.clock.today();
    setSelection(context_.WorkYear != 0 ? context_.WorkYear : today.year, today.month,
                 Payment::Whole);
    period_.whenChanged(this, [this] { UcitajBanke(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period_.row());
    layout->addWidget(panel_, 1);
    resize(900, 600);
}

void frmPregledPoBankama::setSelection(int year, int month, Payment payment) {
    period_.choose(year, month, static_cast<int>(payment));
    UcitajBanke();
}

ListSelection frmPregledPoBankama::selection() const {
    return {period_.year(), period_.month(), static_cast<Payment>(period_.payment()), 0};
}

void frmPregledPoBankama::UcitajBanke() {
    std::optional<BankList> list;
    ui::guarded(this, "UcitajBanke", [&] {
        if (auto loaded = loadBankList(*context_.PayrollDb, selection()))
            list = std::move(loaded).value(); // a month without rates has nothing to pay
    });
    panel_->setList(std::move(list));
}

void frmPregledPoBankama::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::outputs
