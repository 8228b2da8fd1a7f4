#include "maintenance/frmBaze.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::ui {
namespace {

const QString DatabaseFilter = "Baze (*.db);;Sve datoteke (*)";

void addMissing(QTreeWidget* list, const startup::MissingItem& item) {
    addRow(list,
           {item.table, item.field, item.type, item.size, item.wholeTable ? "Tabela" : "Polje"});
}

} // namespace

frmBaze::frmBaze(QWidget* parent)
    : QDialog(parent)
    , lblBaza1_(new QLabel(this))
    , lblBaza2_(new QLabel(this))
    , listB1_(makeList(this, "listB1",
                       {"Tabela", "Polje", "Tip", "Vel.", "Tabela ili polje", "Attrib"}))
    , listB2_(
          makeList(this, "listB2",
                   {"Tabela", "Polje", "Tip", "Vel", "Tabela ili polje", "Attrib", "Allow Zero"})) {
    setObjectName("frmBaze");
    setWindowTitle("Sre|ivanje baze"_q);
    lblBaza1_->setObjectName("lblBaza1");
    lblBaza2_->setObjectName("lblBaza2");

    auto* cmdBaza1 = new QPushButton("Baza 1..."_q, this);
    cmdBaza1->setObjectName("cmdBaza1");
    auto* cmdBaza2 = new QPushButton("Baza 2..."_q, this);
    cmdBaza2->setObjectName("cmdBaza2");
    auto* cmdSrediTabele = new QPushButton("Sredi tabele"_q, this);
    cmdSrediTabele->setObjectName("cmdSrediTabele");
    auto* cmdKopirajQuerije = new QPushButton("Kopiraj querije"_q, this);
    cmdKopirajQuerije->setObjectName("cmdKopirajQuerije");
    connect(cmdBaza1, &QPushButton::clicked, this, &frmBaze::cmdBaza1_Click);
    connect(cmdBaza2, &QPushButton::clicked, this, &frmBaze::cmdBaza2_Click);
    connect(cmdSrediTabele, &QPushButton::clicked, this, &frmBaze::cmdSrediTabele_Click);
    connect(cmdKopirajQuerije, &QPushButton::clicked, this, &frmBaze::cmdKopirajQuerije_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(cmdBaza1, 0, 0);
    grid->addWidget(lblBaza1_, 0, 1);
    grid->addWidget(cmdBaza2, 1, 0);
    grid->addWidget(lblBaza2_, 1, 1);
    grid->addWidget(new QLabel("Tabele i polja baze 1:"_q, this), 2, 0, 1, 2);
    grid->addWidget(listB1_, 3, 0, 1, 2);
    grid->addWidget(new QLabel("Nedostaje u bazi 2:"_q, this), 4, 0, 1, 2);
    grid->addWidget(listB2_, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSrediTabele);
    buttons->addWidget(cmdKopirajQuerije);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(860, 620);
}

frmBaze::~frmBaze() = default;

void frmBaze::chooseDatabases(const QString& referencePath, const QString& targetPath) {
    try {
        reference_ = db::Database::open(fromQ(referencePath));
        target_ = db::Database::open(fromQ(targetPath));
    } catch (const db::Error& e) {
        message(this, toQ(e.what()), Icon::Critical);
        return;
    }
    lblBaza1_->setText(referencePath);
    lblBaza2_->setText(targetPath);
    listMissing();
}

void frmBaze::cmdBaza1_Click() {
    const QString path = openFileName(this, "Baza 1 (uzor)"_q, lblBaza1_->text(), DatabaseFilter);
    if (!path.isEmpty())
        lblBaza1_->setText(path);
    if (!lblBaza1_->text().isEmpty() && !lblBaza2_->text().isEmpty())
        chooseDatabases(lblBaza1_->text(), lblBaza2_->text());
}

void frmBaze::cmdBaza2_Click() {
    const QString path = openFileName(this, "Baza 2"_q, lblBaza2_->text(), DatabaseFilter);
    if (!path.isEmpty())
        lblBaza2_->setText(path);
    if (!lblBaza1_->text().isEmpty() && !lblBaza2_->text().isEmpty())
        chooseDatabases(lblBaza1_->text(), lblBaza2_->text());
}

void frmBaze::listMissing() {
    listB1_->clear();
    listB2_->clear();
    for (const auto& table : reference_->tables())
        for (const auto& column : reference_->columns(table))
            addMissing(listB1_, {table, column.name, column.declType, {}, false});
    missing_ = startup::listMissing(*reference_, *target_);
    for (const auto& item : missing_)
        addMissing(listB2_, item);
}

bool frmBaze::bothOpen() {
    if (reference_ && target_)
        return true;
    message(this, "Izaberite obe baze!"_q, Icon::Exclamation);
    return false;
}

void frmBaze::cmdSrediTabele_Click() {
    if (!bothOpen())
        return;
    try {
        db::Transaction tx(*target_);
        startup::completeSchema(*reference_, *target_, missing_);
        tx.commit();
    } catch (const db::Error& e) {
        message(this, toQ(e.what()), Icon::Critical);
        return;
    }
    message(this, "Zavrseno je sredjivanje tabela"_q, Icon::Information);
    listMissing();
}

void frmBaze::cmdKopirajQuerije_Click() {
    if (!bothOpen())
        return;
    message(this, "Baza 2 ima ukupno "_q + QString::number(target_->views().size()) + " Querija"_q,
            Icon::Information);
    try {
        db::Transaction tx(*target_);
        startup::copyViews(*reference_, *target_);
        tx.commit();
    } catch (const db::Error& e) {
        message(this, toQ(e.what()), Icon::Critical);
        return;
    }
    message(this, "Zavrseno je brisanje Querija"_q, Icon::Information);
    message(this, "Zavrseno je kopiranje Querija!"_q, Icon::Information);
}

} // namespace zarion::ui
