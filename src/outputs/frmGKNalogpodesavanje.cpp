#include "outputs/frmGKNalogpodesavanje.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/startup/DatabaseFiles.h"
#include "outputs/BooksWindowKit.h"
#include "outputs/JournalPosting.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

frmGKNalogpodesavanje::frmGKNalogpodesavanje(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , cmbSema(new QComboBox(this))
    , cmbNalog(new QComboBox(this)) {
    setObjectName("frmGKNalogpodesavanje");
    setWindowTitle("Pode{avanje naloga za knji`enje"_q);
    cmbSema->setObjectName("cmbSema");
    cmbNalog->setObjectName("cmbNalog");
    const char* schemes[] = {"0 - Slobodno povezivanje konta", "1 - Predefinisana {ema 1",
                             "2 - Predefinisana {ema 2", "3 - Predefinisana {ema 3"};
    for (int scheme = 0; scheme < 4; ++scheme)
        cmbSema->addItem(toQ(yuscii(schemes[scheme])), scheme);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Konto duguje"_q, this), 0, 1);
    grid->addWidget(new QLabel("Konto potra`uje"_q, this), 0, 2);
    const auto& fields = journalItemFields();
    for (std::size_t i = 0; i < JournalItemCount; ++i) {
        const int row = static_cast<int>(i) + 1;
        debit_[i] = new QLineEdit(this);
        debit_[i]->setObjectName(QString("txt") + fields[i].debit);
        credit_[i] = new QLineEdit(this);
        credit_[i]->setObjectName(QString("txt") + fields[i].credit);
        grid->addWidget(new QLabel(toQ(yuscii(fields[i].label)), this), row, 0);
        grid->addWidget(debit_[i], row, 1);
        grid->addWidget(credit_[i], row, 2);
    }

    ui::guarded(this, "Form_Load", [&] {
        const JournalSettings settings = loadJournalSettings(*context_.PayrollDb);
        for (std::size_t i = 0; i < JournalItemCount; ++i) {
            debit_[i]->setText(toQ(settings.debit[i]));
            credit_[i]->setText(toQ(settings.credit[i]));
        }
        cmbSema->setCurrentIndex(settings.scheme ? static_cast<int>(*settings.scheme) : -1);
        cmbNalog->addItem(QString(), 0);
        const auto accountSchemes =
            startup::openAccountSchemes(context_.DataRoot, context_.WorkYear);
        for (const JournalType& type : journalTypes(*accountSchemes)) {
            cmbNalog->addItem(toQ(type.caption()), static_cast<qlonglong>(type.id));
            if (type.id == settings.journalType)
                cmbNalog->setCurrentIndex(cmbNalog->count() - 1);
        }
    });

    auto* choice = new QGridLayout;
    choice->addWidget(new QLabel("Tip knji`enja:"_q, this), 0, 0);
    choice->addWidget(cmbSema, 0, 1);
    choice->addWidget(new QLabel("Tip naloga:"_q, this), 1, 0);
    choice->addWidget(cmbNalog, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(commandButton(this, "cmdSnimi", "Snimi"_q, [this] { cmdSnimi_Click(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(choice);
    layout->addLayout(buttons);
}

void frmGKNalogpodesavanje::cmdSnimi_Click() {
    JournalSettings settings;
    for (std::size_t i = 0; i < JournalItemCount; ++i) {
        settings.debit[i] = ui::fromQ(debit_[i]->text());
        settings.credit[i] = ui::fromQ(credit_[i]->text());
    }
    if (cmbSema->currentIndex() >= 0)
        settings.scheme = static_cast<PostingScheme>(cmbSema->currentData().toInt());
    settings.journalType = cmbNalog->currentData().toLongLong();
    ui::guarded(this, "cmdSnimi_Click", [&] {
        if (const Refused refused = saveJournalSettings(*context_.PayrollDb, settings)) {
            ui::showRefusal(this, *refused);
            return;
        }
        ui::message(this, "Gotovo!"_q, ui::Icon::Information);
    });
}

} // namespace zarion::outputs
