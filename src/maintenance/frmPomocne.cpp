#include "maintenance/frmPomocne.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <optional>

#include "core/AppContext.h"
#include "core/startup/Paths.h"
#include "maintenance/AuxiliaryProcedures.h"
#include "maintenance/LastYearTakeOver.h"
#include "maintenance/frmBaze.h"
#include "ui/AskWholeNumber.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"

namespace zarion::ui {
namespace {

const QString DatabaseFilter = "Baze (*.db);;Sve datoteke (*)";

void addButton(QWidget* parent, QLayout* layout, const char* name, const QString& caption,
               void (frmPomocne::*handler)(), frmPomocne* window) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(32);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, window, handler);
}

} // namespace

frmPomocne::frmPomocne(AppContext& context, std::function<void()> closeProgram, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , closeProgram_(std::move(closeProgram))
    , chkBezObustava(new QCheckBox("Obra~unavaj zarade bez obustava"_q, this)) {
    setObjectName("frmPomocne");
    setWindowTitle("Pomo}ne procedure"_q);
    chkBezObustava->setObjectName("chkBezObustava");
    chkBezObustava->setChecked(context_.WithoutDeductions);
    connect(chkBezObustava, &QCheckBox::toggled, this, &frmPomocne::chkBezObustava_Click);

    auto* layout = new QVBoxLayout(this);
    auto* fraObracun = new QGroupBox("Obra~un zarada"_q, this);
    auto* obracun = new QVBoxLayout(fraObracun);
    obracun->addWidget(chkBezObustava);
    layout->addWidget(fraObracun);

    auto* fraGodina = new QGroupBox("Nova godina"_q, this);
    auto* godina = new QVBoxLayout(fraGodina);
    addButton(fraGodina, godina, "cmdUvozBaze", "Preuzmi bazu iz prethodne godine"_q,
              &frmPomocne::cmdUvozBaze_Click, this);
    layout->addWidget(fraGodina);

    auto* fraObracuni = new QGroupBox("Kona~ni obra~uni"_q, this);
    auto* obracuni = new QVBoxLayout(fraObracuni);
    addButton(fraObracuni, obracuni, "CmdKonUA", "Kona~ni u akontaciju - svi radnici"_q,
              &frmPomocne::CmdKonUA_Click, this);
    addButton(fraObracuni, obracuni, "cmdKonUAv", "Kona~ni u akontaciju - jedan radnik"_q,
              &frmPomocne::cmdKonUAv_Click, this);
    addButton(fraObracuni, obracuni, "Ob", "Obri{i obra~une bez radnika"_q, &frmPomocne::Ob_Click,
              this);
    layout->addWidget(fraObracuni);

    auto* fraBaza = new QGroupBox("Baza"_q, this);
    auto* baza = new QVBoxLayout(fraBaza);
    addButton(fraBaza, baza, "cmdBaze", "Sre|ivanje baze prema uzoru..."_q,
              &frmPomocne::cmdBaze_Click, this);
    layout->addWidget(fraBaza);
    layout->addStretch(1);
    // Wide enough for the longest caption with room on both sides, also as a child window.
    setMinimumWidth(400);
}

void frmPomocne::chkBezObustava_Click(bool checked) {
    context_.WithoutDeductions = checked;
}

void frmPomocne::cmdUvozBaze_Click() {
    maintenance::TakeOverResult result;
    try {
        result = maintenance::takeOverLastYear(context_);
    } catch (const std::exception& e) {
        message(this, toQ(e.what()), Icon::Critical);
        return;
    }
    message(this, toQ(result.message), result.copied ? Icon::Information : Icon::Exclamation);
    if (result.copied && closeProgram_)
        closeProgram_();
}

void frmPomocne::CmdKonUA_Click() {
    finalToAdvance(0);
}

void frmPomocne::cmdKonUAv_Click() {
    const auto employee = askWholeNumber(this, "Unesite ID radnika!"_q);
    if (employee && *employee > 0)
        finalToAdvance(*employee);
}

void frmPomocne::finalToAdvance(qint64 employeeId) {
    const bool deleteFinal =
        ask(this, "Da li `elite brisanje kona~nog posle prebacivanja u avansni?"_q);
    const auto year = askWholeNumber(this, "Unesite godinu!"_q);
    if (!year)
        return;
    const auto month = askWholeNumber(this, "Unesite mesec!"_q);
    if (!month)
        return;
    // the final rows change and the advance rows take them: a filed return of either stops it
    const bool finalFiled =
        trail::needsPermit(*context_.PayrollDb, CalculationKind::Final, *year, *month);
    const auto permit =
        permitChange(this, context_, finalFiled ? CalculationKind::Final : CalculationKind::Advance,
                     *year, *month);
    if (!permit)
        return;
    try {
        maintenance::convertFinalToAdvance(*context_.PayrollDb, *year, *month, deleteFinal,
                                           employeeId > 0 ? std::optional<std::int64_t>(employeeId)
                                                          : std::nullopt);
    } catch (const std::exception& e) {
        message(this, toQ(e.what()), Icon::Critical);
        return;
    }
    message(this, "Gotovo!"_q, Icon::Information);
}

void frmPomocne::Ob_Click() {
    try {
        maintenance::removeOrphanCalculations(*context_.PayrollDb);
    } catch (const std::exception& e) {
        message(this, toQ(e.what()), Icon::Critical);
        return;
    }
    message(this, "Gotovo!"_q, Icon::Information);
}

void frmPomocne::cmdBaze_Click() {
    const QString reference =
        openFileName(this, "Baza 1 (uzor)"_q,
                     toQ(startup::templatePath(context_.DataRoot).string()), DatabaseFilter);
    if (reference.isEmpty())
        return;
    const QString target = openFileName(
        this, "Baza 2"_q, context_.PayrollDb ? toQ(context_.PayrollDb->path().string()) : QString(),
        DatabaseFilter);
    if (target.isEmpty())
        return;
    auto* baze = new frmBaze(this);
    baze->setAttribute(Qt::WA_DeleteOnClose);
    baze->chooseDatabases(reference, target);
    baze->open();
}

} // namespace zarion::ui
