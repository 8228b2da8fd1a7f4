#include "compensation/frmPregledPoBankamaNaknade.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "compensation/ListMonth.h"
#include "compensation/SickLeaveList.h"
#include "core/AppContext.h"
#include "outputs/BankListPanel.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

constexpr LeaveKind Parts[] = {LeaveKind::SickLeave, LeaveKind::Maternity};

QStringList partCaptions() {
    QStringList captions;
    for (const LeaveKind kind : Parts)
        captions << toQ(leavePartName(kind));
    return captions;
}

} // namespace

frmPregledPoBankamaNaknade::frmPregledPoBankamaNaknade(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , period_(this, partCaptions())
    , panel_(new outputs::BankListPanel(context, outputs::PayoutKind::Compensations, this)) {
    setObjectName("frmPregledPoBankamaNaknade");
    setWindowTitle("Pregled po bankama - Naknade zarade"_q);
    ListMonth opening = workingMonth(context_);
    guarded(this, "Form_Load", [&] { opening = anyLeaveListMonth(context_); });
    setSelection(opening.year, opening.month, opening.kind == LeaveKind::Maternity ? 1 : 0);
    period_.whenChanged(this, [this] { UcitajBanke(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period_.row());
    layout->addWidget(panel_, 1);
    resize(900, 600);
}

void frmPregledPoBankamaNaknade::setSelection(int year, int month, int part) {
    period_.choose(year, month, part);
    UcitajBanke();
}

void frmPregledPoBankamaNaknade::UcitajBanke() {
    std::optional<outputs::BankList> list;
    guarded(this, "UcitajBanke", [&] {
        const LeaveKind kind = Parts[period_.payment() == 1 ? 1 : 0];
        if (auto loaded = leaveBankList(*context_.PayrollDb, kind, period_.year(), period_.month()))
            list = std::move(loaded).value(); // a month without rates has nothing to pay
    });
    panel_->setList(std::move(list));
}

void frmPregledPoBankamaNaknade::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
