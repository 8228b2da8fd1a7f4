#include "ui/frmFirme.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/startup/CompanyRegister.h"
#include "core/startup/DatabaseDoor.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::ui {
namespace {
constexpr int IdColumn = 4; // the fifth column carries the company number
}

frmFirme::frmFirme(AppContext& context, db::Database& registerDb, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , register_(registerDb)
    , listFirme_(new QTreeWidget(this))
    , fraNovi_(new QGroupBox(this))
    , txtID_firma_(new QLineEdit(fraNovi_))
    , txtFirma_(new QLineEdit(fraNovi_))
    , txtGrad_(new QLineEdit(fraNovi_))
    , cmdSnimi_(new QPushButton(fraNovi_)) {
    setObjectName("frmFirme");
    setWindowTitle("Firme"_q);

    listFirme_->setObjectName("listFirme");
    listFirme_->setHeaderLabels({"FIRMA", "GRAD", "ID", "Slovo", "ID", "CV", "PUT", "BOJA"});
    listFirme_->setRootIsDecorated(false);
    listFirme_->setUniformRowHeights(true);
    listFirme_->setAllColumnsShowFocus(true);
    listFirme_->setColumnWidth(0, 300);
    listFirme_->setColumnWidth(1, 150);
    for (int c = 2; c < 7; ++c)
        listFirme_->setColumnWidth(c, 55);
    listFirme_->installEventFilter(this);
    connect(listFirme_, &QTreeWidget::itemDoubleClicked, this, [this] { openSelected(); });

    fraNovi_->setObjectName("fraNovi");
    txtID_firma_->setObjectName("txtID_firma");
    txtID_firma_->setReadOnly(true);
    txtFirma_->setObjectName("txtFirma");
    txtGrad_->setObjectName("txtGrad");
    cmdSnimi_->setObjectName("cmdSnimi");
    connect(cmdSnimi_, &QPushButton::clicked, this,
            [this] { onRegister(&frmFirme::cmdSnimi_Click); });
    auto* form = new QFormLayout(fraNovi_);
    form->addRow("ID:"_q, txtID_firma_);
    form->addRow("Firma:"_q, txtFirma_);
    form->addRow("Grad:"_q, txtGrad_);
    form->addRow(QString(), cmdSnimi_);
    SelectAllOnFocus::installAll(fraNovi_);

    auto* hint = new QLabel(
        "Enter - otvori firmu   F5 - nova   F6 - izmena   F9 - brisanje   Esc - izlaz"_q, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listFirme_);
    layout->addWidget(fraNovi_);
    layout->addWidget(hint);
    resize(820, 480);

    onRegister(&frmFirme::UcitajFirme);
}

frmFirme::~frmFirme() = default;

void frmFirme::onRegister(void (frmFirme::*command)()) {
    try {
        (this->*command)();
    } catch (const std::exception& failure) {
        showRefusal(this, startup::databaseRefusal(register_.path(), failure));
    }
}

void frmFirme::UcitajFirme() {
    listFirme_->clear();
    for (const auto& row : startup::listCompanies(register_, context_.CompanyAccess)) {
        auto* item = new QTreeWidgetItem(listFirme_);
        const std::string columns[] = {
            row.name, row.town, row.shownId, row.sd, std::to_string(row.id),
            row.cv,   row.put,  row.boja};
        for (int c = 0; c < 8; ++c)
            item->setText(c, toQ(columns[c]));
    }
    if (listFirme_->topLevelItemCount() > 0)
        listFirme_->setCurrentItem(listFirme_->topLevelItem(0));
    txtID_firma_->clear();
    txtFirma_->clear();
    txtGrad_->clear();
    fraNovi_->hide();
    listFirme_->setFocus();
}

std::int64_t frmFirme::selectedId() const {
    const auto* item = listFirme_->currentItem();
    return item ? item->text(IdColumn).toLongLong() : 0;
}

bool frmFirme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listFirme_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            openSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmFirme::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F5:
        showNew();
        return;
    case Qt::Key_F6:
        onRegister(&frmFirme::showSelected);
        return;
    case Qt::Key_F9:
    case Qt::Key_Delete:
        onRegister(&frmFirme::removeSelected);
        return;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (fraNovi_->isVisible())
            onRegister(&frmFirme::cmdSnimi_Click);
        else
            openSelected();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmFirme::showNew() {
    cmdSnimi_->setText("Snimi"_q);
    txtID_firma_->clear();
    txtFirma_->clear();
    txtGrad_->clear();
    fraNovi_->show();
    txtFirma_->setFocus();
}

void frmFirme::showSelected() {
    if (listFirme_->topLevelItemCount() == 0)
        return;
    const auto company = startup::findCompany(register_, selectedId());
    if (!company) {
        message(this, "Greska kod pronalazenja firme u bazi!"_q, Icon::Critical);
        return;
    }
    cmdSnimi_->setText("A`uriraj"_q);
    txtID_firma_->setText(QString::number(selectedId()));
    txtFirma_->setText(toQ(company->name));
    txtGrad_->setText(toQ(company->town));
    fraNovi_->show();
    txtFirma_->setFocus();
}

void frmFirme::removeSelected() {
    if (listFirme_->topLevelItemCount() == 0)
        return;
    if (!ask(this, "Da li ste sigurni da zelite brisanje izabrane firme sa liste?"_q))
        return;
    if (!startup::removeCompany(register_, selectedId()))
        message(this, "Greska kod pronalazenja firme u bazi!"_q, Icon::Critical);
    UcitajFirme();
}

void frmFirme::openSelected() {
    if (listFirme_->topLevelItemCount() == 0) {
        message(this, "Niste otvorili nijednu firmu!"_q, Icon::Exclamation);
        return;
    }
    context_.CompanyId = selectedId();
    const auto* item = listFirme_->currentItem();
    context_.CompanyCaption = fromQ(item->text(0).trimmed() + " - " + item->text(1).trimmed());
    accept();
}

void frmFirme::cmdSnimi_Click() {
    const std::string name = fromQ(txtFirma_->text());
    const std::string town = fromQ(txtGrad_->text());
    if (cmdSnimi_->text() == "Snimi"_q) {
        const auto result =
            startup::createCompany(register_, context_.DataRoot, context_.WorkYear, name, town);
        if (!result.refusal.empty()) {
            message(this, toQ(result.refusal), Icon::Exclamation);
            return;
        }
        message(this, "Otvaranje nove firme je zavrseno!"_q, Icon::Information);
    } else if (!startup::updateCompany(register_, txtID_firma_->text().toLongLong(), name, town)) {
        message(this, "Greska kod pronalazenja firme u bazi!"_q, Icon::Critical);
    }
    UcitajFirme();
}

} // namespace zarion::ui
