#include "employees/frmObustaveProc.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumericText.h"
#include "employees/DeductionDefinitions.h"
#include "employees/DeductionParticipation.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

namespace {
enum ParticipantColumn { Name, Id, Note, TakesPart };
}

frmObustaveProc::frmObustaveProc(AppContext& context, QWidget* parent)
    : RegisterWindow(parent)
    , context_(context)
    , listObustave(
          ui::makeList(this, "listObustave",
                       {"Naziv obustave"_q, "Procenat/Iznos"_q, "TIP"_q, "Teku}i ra~un"_q}))
    , listRadnici(
          ui::makeList(this, "listRadnici", {"Prezime i ime"_q, "ID"_q, "Opis"_q, "Obustava"_q}))
    , lblUkupno(new QLabel(this))
    , fraUnos(new QGroupBox(this))
    , txtNaziv(new QLineEdit(fraUnos))
    , txtProcenat(new QLineEdit(fraUnos))
    , cmbTip(new QComboBox(fraUnos))
    , txtTekuciRacun(new QLineEdit(fraUnos))
    , txtGrad(new QLineEdit(fraUnos))
    , txtKonto(new QLineEdit(fraUnos))
    , txtPoziv(new QLineEdit(fraUnos))
    , cmdSnimi(new QPushButton(fraUnos))
    , cmdSvi(new QPushButton("Svi"_q, this))
    , cmdSaObustavom(new QPushButton("Sa obustavom"_q, this))
    , cmdBezObustave(new QPushButton("Bez obustave"_q, this))
    , cmdPostaviSvima(new QPushButton("Postavi svima"_q, this))
    , cmdUkloniSvima(new QPushButton("Ukloni svima"_q, this))
    , cmdOpis(new QPushButton("Opis"_q, this)) {
    setObjectName("frmObustaveProc");
    setWindowTitle("Stalne obustave"_q);

    listObustave->setColumnWidth(0, 200);
    listObustave->setColumnWidth(1, 105);
    listObustave->setColumnWidth(2, 40);
    listRadnici->setColumnWidth(Name, 220);
    listRadnici->setColumnWidth(Id, 50);
    listRadnici->setColumnWidth(Note, 200);
    lblUkupno->setObjectName("lblUkupno");

    fraUnos->setObjectName("fraUnos");
    txtNaziv->setObjectName("txtNaziv");
    txtProcenat->setObjectName("txtProcenat");
    cmbTip->setObjectName("cmbTip");
    for (const auto& text : standingTypeTexts())
        cmbTip->addItem(toQ(text));
    txtTekuciRacun->setObjectName("txtTekuciRacun");
    txtGrad->setObjectName("txtGrad");
    txtKonto->setObjectName("txtKonto");
    txtPoziv->setObjectName("txtPoziv");
    cmdSnimi->setObjectName("cmdSnimi");
    auto* form = new QFormLayout(fraUnos);
    form->addRow("Naziv:"_q, txtNaziv);
    form->addRow("Procenat/Iznos:"_q, txtProcenat);
    form->addRow("Tip:"_q, cmbTip);
    form->addRow("Teku}i ra~un:"_q, txtTekuciRacun);
    form->addRow("Grad:"_q, txtGrad);
    form->addRow("Konto:"_q, txtKonto);
    form->addRow("Poziv na broj:"_q, txtPoziv);
    form->addRow(QString(), cmdSnimi);
    fraUnos->hide();

    cmdSvi->setObjectName("cmdSvi");
    cmdSaObustavom->setObjectName("cmdSaObustavom");
    cmdBezObustave->setObjectName("cmdBezObustave");
    cmdPostaviSvima->setObjectName("cmdPostaviSvima");
    cmdUkloniSvima->setObjectName("cmdUkloniSvima");
    cmdOpis->setObjectName("cmdOpis");

    connect(cmdSnimi, &QPushButton::clicked, this, &frmObustaveProc::cmdSnimi_Click);
    connect(cmdSvi, &QPushButton::clicked, this, [this] { showEmployees(Shown::All); });
    connect(cmdSaObustavom, &QPushButton::clicked, this, [this] { showEmployees(Shown::With); });
    connect(cmdBezObustave, &QPushButton::clicked, this, [this] { showEmployees(Shown::Without); });
    connect(cmdPostaviSvima, &QPushButton::clicked, this, &frmObustaveProc::cmdPostaviSvima_Click);
    connect(cmdUkloniSvima, &QPushButton::clicked, this, &frmObustaveProc::cmdUkloniSvima_Click);
    connect(cmdOpis, &QPushButton::clicked, this, &frmObustaveProc::cmdOpis_Click);
    watchList(listObustave);
    connect(listObustave, &QTreeWidget::currentItemChanged, this, [this] { UcitajRadnike(); });
    connect(listObustave, &QTreeWidget::itemDoubleClicked, this, [this] { onEdit(); });
    connect(listRadnici, &QTreeWidget::itemDoubleClicked, this,
            &frmObustaveProc::listRadnici_DoubleClick);

    auto* left = new QVBoxLayout;
    left->addWidget(listObustave, 1);
    left->addWidget(fraUnos);
    left->addWidget(new QLabel("F5 - Nova obustava   F6 - A`uriranje   Esc - Izlaz"_q, this));

    auto* filters = new QHBoxLayout;
    filters->addWidget(cmdSvi);
    filters->addWidget(cmdSaObustavom);
    filters->addWidget(cmdBezObustave);
    filters->addStretch();
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdPostaviSvima);
    commands->addWidget(cmdUkloniSvima);
    commands->addWidget(cmdOpis);
    commands->addStretch();
    commands->addWidget(lblUkupno);
    auto* right = new QVBoxLayout;
    right->addLayout(filters);
    right->addWidget(listRadnici, 1);
    right->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    SelectAllOnFocus::installAll(this);
    resize(1100, 560);

    UcitajObustave();
}

void frmObustaveProc::UcitajObustave() {
    ui::guarded(this, "UcitajObustave", [&] {
        const long long selected = ui::currentNumber(listObustave);
        const QSignalBlocker block(listObustave);
        listObustave->clear();
        for (const auto& d : standingDeductions(*context_.PayrollDb))
            ui::addRow(listObustave,
                       {d.obustava, deductionValueText(d), std::to_string(d.Tip), d.tekuci_Racun},
                       d.id_obustava_proc);
        ui::selectNumber(listObustave, selected);
    });
    UcitajRadnike();
}

void frmObustaveProc::UcitajRadnike() {
    ui::guarded(this, "UcitajRadnike", [&] {
        const long long selected = ui::currentNumber(listRadnici);
        listRadnici->clear();
        const long long deduction = ui::currentNumber(listObustave);
        if (deduction != 0) {
            for (const auto& p : participants(*context_.PayrollDb, deduction)) {
                if ((shown_ == Shown::With && !p.takesPart) ||
                    (shown_ == Shown::Without && p.takesPart))
                    continue;
                auto* item = ui::addRow(
                    listRadnici, {p.name, std::to_string(p.id_radnik), p.Opis, {}}, p.id_radnik);
                item->setData(TakesPart, Qt::CheckStateRole,
                              p.takesPart ? Qt::Checked : Qt::Unchecked);
                item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
            }
        }
        ui::selectNumber(listRadnici, selected);
        lblUkupno->setText("Ukupno prikazano zaposlenih: "_q +
                           QString::number(listRadnici->topLevelItemCount()));
    });
}

void frmObustaveProc::onNew() {
    cmdSnimi->setText("Snimi"_q);
    for (QLineEdit* box : {txtNaziv, txtProcenat, txtTekuciRacun, txtGrad, txtKonto, txtPoziv})
        box->clear();
    cmbTip->setCurrentIndex(0);
    fraUnos->show();
    txtNaziv->setFocus();
}

void frmObustaveProc::onEdit() {
    const long long id = ui::currentNumber(listObustave);
    if (id == 0)
        return;
    ui::guarded(this, "onEdit", [&] {
        const auto d = findDeduction(*context_.PayrollDb, id);
        if (!d) {
            message(this, "Greska kod pronalazenja obustave u bazi!"_q, Icon::Critical);
            return;
        }
        editedId_ = id;
        cmdSnimi->setText("A`uriraj"_q);
        txtNaziv->setText(toQ(d->obustava));
        txtProcenat->setText(QString::number(d->procenat, 'g', 15));
        cmbTip->setCurrentIndex(d->Tip >= 0 && d->Tip < cmbTip->count() ? d->Tip : 0);
        txtTekuciRacun->setText(toQ(d->tekuci_Racun));
        txtGrad->setText(toQ(d->grad));
        txtKonto->setText(toQ(d->konto));
        txtPoziv->setText(toQ(d->poziv));
        fraUnos->show();
        txtNaziv->setFocus();
    });
}

bool frmObustaveProc::panelOpen() const {
    return !fraUnos->isHidden();
}

void frmObustaveProc::closePanel() {
    fraUnos->hide();
    listObustave->setFocus();
}

void frmObustaveProc::cmdSnimi_Click() {
    ui::guarded(this, "cmdSnimi_Click", [&] {
        DeductionDefinition d;
        d.id_obustava_proc = cmdSnimi->text() == "A`uriraj"_q ? editedId_ : 0;
        d.obustava = fromQ(txtNaziv->text());
        d.procenat = numericValue(fromQ(txtProcenat->text()));
        d.Tip = cmbTip->currentIndex();
        d.tekuci_Racun = fromQ(txtTekuciRacun->text());
        d.grad = fromQ(txtGrad->text());
        d.konto = fromQ(txtKonto->text());
        d.poziv = fromQ(txtPoziv->text());
        const DefinitionSave saved = saveStandingDeduction(*context_.PayrollDb, d);
        if (!saved.ok()) {
            message(this, toQ(saved.refusal), saved.missing ? Icon::Critical : Icon::Information);
            using Field = DefinitionSave::Field;
            if (saved.focus == Field::Name)
                txtNaziv->setFocus();
            else if (saved.focus == Field::Account)
                txtTekuciRacun->setFocus();
            else if (saved.focus == Field::Value)
                txtProcenat->setFocus();
            return;
        }
        closePanel();
        UcitajObustave();
        ui::selectNumber(listObustave, saved.id);
    });
}

long long frmObustaveProc::savedDeduction() {
    const bool unsavedNew = !fraUnos->isHidden() && cmdSnimi->text() == "Snimi"_q;
    const long long id = unsavedNew ? 0 : ui::currentNumber(listObustave);
    if (id == 0)
        message(this, "Obustavu morate prethodno da snimite!"_q, Icon::Exclamation);
    return id;
}

void frmObustaveProc::cmdPostaviSvima_Click() {
    const long long id = savedDeduction();
    if (id == 0)
        return;
    const QString name = listObustave->currentItem()->text(0);
    if (!ask(this,
             "Da li ste sigurni da zelite da obustavu: "_q + name + " postavite SVIM radnicima?"_q))
        return;
    ui::guarded(this, "cmdPostaviSvima_Click", [&] {
        setForAll(*context_.PayrollDb, id);
        message(this, "Postavljanje obustave svim radnicima je uspe{no zavr{eno!"_q,
                Icon::Information);
    });
    UcitajRadnike();
}

void frmObustaveProc::cmdUkloniSvima_Click() {
    const long long id = savedDeduction();
    if (id == 0)
        return;
    const QString name = listObustave->currentItem()->text(0);
    if (!ask(this,
             "Da li ste sigurni da zelite da obustavu: "_q + name + " uklonite SVIM radnicima?"_q))
        return;
    ui::guarded(this, "cmdUkloniSvima_Click", [&] {
        removeFromAll(*context_.PayrollDb, id);
        message(this, "Brisanje obustave svim radnicima je uspe{no zavr{eno!"_q,
                Icon::Information);
    });
    UcitajRadnike();
}

void frmObustaveProc::listRadnici_DoubleClick() {
    const long long deduction = savedDeduction();
    const QTreeWidgetItem* row = listRadnici->currentItem();
    if (deduction == 0 || row == nullptr)
        return;
    const long long employee = ui::currentNumber(listRadnici);
    const QString name = listObustave->currentItem()->text(0);
    const bool taking = row->data(TakesPart, Qt::CheckStateRole).toInt() == Qt::Checked;
    const QString question = (taking ? "Da li ste sigurni da zelite da iskljucite obustavu: "_q
                                     : "Da li ste sigurni da zelite da ukljucite obustavu: "_q) +
                             name + ", za radnika: "_q + row->text(Name);
    if (!ask(this, question))
        return;
    ui::guarded(this, "listRadnici_DoubleClick", [&] {
        db::Database& db = *context_.PayrollDb;
        if (!taking)
            addParticipation(db, deduction, employee);
        else if (!removeParticipation(db, deduction, employee))
            message(this, "Greska!"_q, Icon::Critical);
    });
    UcitajRadnike();
}

void frmObustaveProc::cmdOpis_Click() {
    const long long deduction = savedDeduction();
    const QTreeWidgetItem* row = listRadnici->currentItem();
    if (deduction == 0 || row == nullptr)
        return;
    const long long employee = ui::currentNumber(listRadnici);
    const auto note = askText(this, "Unesite opis"_q);
    if (!note)
        return;
    ui::guarded(this, "cmdOpis_Click", [&] {
        if (!setNote(*context_.PayrollDb, deduction, employee, fromQ(*note)))
            message(this,
                    "Obustava "_q + listObustave->currentItem()->text(0) +
                        " za izabranog radnika nije aktivna!"_q,
                    Icon::Exclamation);
    });
    UcitajRadnike();
}

void frmObustaveProc::showEmployees(Shown shown) {
    shown_ = shown;
    UcitajRadnike();
}

} // namespace zarion::employees
