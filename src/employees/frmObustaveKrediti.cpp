#include "employees/frmObustaveKrediti.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "employees/DeductionDefinitions.h"
#include "employees/LoanCreditorExport.h"
#include "employees/frmKrediti_po_kreditorima.h"
#include "report/Spreadsheet.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

frmObustaveKrediti::frmObustaveKrediti(AppContext& context, QWidget* parent)
    : RegisterWindow(parent)
    , context_(context)
    , listKreditori(ui::makeList(this, "listKreditori",
                                 {"ID"_q, "Naziv kreditne partije"_q, "Teku}i ra~un"_q}))
    , fraUnos(new QGroupBox(this))
    , txtNaziv(new QLineEdit(fraUnos))
    , txtTekuciRacun(new QLineEdit(fraUnos))
    , cmbNacin(new QComboBox(fraUnos))
    , cmdSnimi(new QPushButton(fraUnos))
    , cmdKrediti(new QPushButton("Krediti po kreditoru"_q, this)) {
    setObjectName("frmObustaveKrediti");
    setWindowTitle("Kreditori - Kreditne partije"_q);
    listKreditori->setColumnWidth(0, 50);
    listKreditori->setColumnWidth(1, 300);
    watchList(listKreditori);
    connect(listKreditori, &QTreeWidget::itemDoubleClicked, this, [this] { onEdit(); });

    fraUnos->setObjectName("fraUnos");
    txtNaziv->setObjectName("txtNaziv");
    txtTekuciRacun->setObjectName("txtTekuciRacun");
    cmbNacin->setObjectName("cmbNacin");
    for (const auto& text : paymentModeTexts())
        cmbNacin->addItem(toQ(text));
    cmdSnimi->setObjectName("cmdSnimi");
    cmdKrediti->setObjectName("cmdKrediti");
    auto* form = new QFormLayout(fraUnos);
    form->addRow("Naziv kreditne partije:"_q, txtNaziv);
    form->addRow("Teku}i ra~un:"_q, txtTekuciRacun);
    form->addRow("Na~in pla}anja:"_q, cmbNacin);
    form->addRow(QString(), cmdSnimi);
    fraUnos->hide();
    connect(cmdSnimi, &QPushButton::clicked, this, &frmObustaveKrediti::cmdSnimi_Click);
    connect(cmdKrediti, &QPushButton::clicked, this, &frmObustaveKrediti::cmdKrediti_Click);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(
        new QLabel("F5 - Novi kreditor   F6 - A`uriranje   CTRL+I - Izvoz u excel   Esc - Izlaz"_q,
                   this),
        1);
    bottom->addWidget(cmdKrediti);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listKreditori, 1);
    layout->addWidget(fraUnos);
    layout->addLayout(bottom);
    SelectAllOnFocus::installAll(this);
    resize(680, 480);

    UcitajKreditore();
}

void frmObustaveKrediti::UcitajKreditore() {
    ui::guarded(this, "UcitajKreditore", [&] {
        const long long selected = ui::currentNumber(listKreditori);
        listKreditori->clear();
        for (const auto& c : creditors(*context_.PayrollDb))
            ui::addRow(listKreditori,
                       {std::to_string(c.id_obustava_proc), c.obustava, c.tekuci_Racun},
                       c.id_obustava_proc);
        ui::selectNumber(listKreditori, selected);
    });
}

void frmObustaveKrediti::onNew() {
    editedId_ = 0;
    cmdSnimi->setText("Snimi"_q);
    txtNaziv->clear();
    txtTekuciRacun->clear();
    cmbNacin->setCurrentIndex(1);
    fraUnos->show();
    txtNaziv->setFocus();
}

void frmObustaveKrediti::onEdit() {
    const long long id = ui::currentNumber(listKreditori);
    if (id == 0)
        return;
    ui::guarded(this, "onEdit", [&] {
        const auto creditor = findDeduction(*context_.PayrollDb, id);
        if (!creditor) {
            message(this, "Greska kod pronalazenja obustave u bazi!"_q, Icon::Critical);
            return;
        }
        editedId_ = id;
        cmdSnimi->setText("A`uriraj"_q);
        txtNaziv->setText(toQ(creditor->obustava));
        txtTekuciRacun->setText(toQ(creditor->tekuci_Racun));
        cmbNacin->setCurrentIndex(creditor->zbirno_placanje ? 1 : 0);
        fraUnos->show();
        txtNaziv->setFocus();
    });
}

bool frmObustaveKrediti::panelOpen() const {
    return !fraUnos->isHidden();
}

void frmObustaveKrediti::closePanel() {
    fraUnos->hide();
    listKreditori->setFocus();
}

bool frmObustaveKrediti::onOtherKey(QKeyEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_I) {
        izvozUExcel();
        return true;
    }
    return false;
}

void frmObustaveKrediti::cmdSnimi_Click() {
    ui::guarded(this, "cmdSnimi_Click", [&] {
        db::Database& db = *context_.PayrollDb;
        DeductionDefinition creditor;
        if (cmdSnimi->text() == "A`uriraj"_q) {
            const auto stored = findDeduction(db, editedId_);
            if (!stored) {
                message(this, "Greska kod pronalazenja obustave u bazi!"_q, Icon::Critical);
                return;
            }
            creditor = *stored;
        }
        creditor.obustava = fromQ(txtNaziv->text());
        creditor.tekuci_Racun = fromQ(txtTekuciRacun->text());
        creditor.zbirno_placanje = cmbNacin->currentIndex() == 1;
        const DefinitionSave saved = saveCreditor(db, creditor);
        if (!saved.ok()) {
            message(this, toQ(saved.refusal), saved.missing ? Icon::Critical : Icon::Information);
            if (saved.focus == DefinitionSave::Field::Account)
                txtTekuciRacun->setFocus();
            else
                txtNaziv->setFocus();
            return;
        }
        closePanel();
        UcitajKreditore();
        ui::selectNumber(listKreditori, saved.id);
    });
}

void frmObustaveKrediti::cmdKrediti_Click() {
    const long long id = ui::currentNumber(listKreditori);
    if (id == 0)
        return;
    auto* window = new frmKrediti_po_kreditorima(context_);
    window->setKreditor(id);
    ui::showBeside(this, window);
}

void frmObustaveKrediti::izvozUExcel() {
    const auto prefix = askText(this, "Prefiks"_q);
    if (!prefix)
        return;
    const auto name = askText(this, "Unesite ime excel fajla!"_q);
    if (!name)
        return;
    const QString fileName =
        name->trimmed().isEmpty() ? QStringLiteral("kovrakreditori") : name->trimmed();
    ui::guarded(this, "izvozUExcel", [&] {
        db::Database& db = *context_.PayrollDb;
        const auto sheet = creditorLoansSheet(db, creditors(db), fromQ(*prefix));
        const auto result =
            report::ExportListToSpreadsheet(sheet, context_.BaseFolder, fromQ(fileName));
        message(this, toQ(result.message()), result.ok() ? Icon::Information : Icon::Critical);
    });
}

} // namespace zarion::employees
