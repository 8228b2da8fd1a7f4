#include "compensation/frmInvalidi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/BenefitWidgets.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

double typedRate(const QLineEdit* box) {
    return typedAmount(box).toDouble();
}

} // namespace

frmInvalidi::frmInvalidi(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , listI(makeList(this, "listI", {"ID"_q, "Prezime i ime"_q, "JMBG"_q, "Kat."_q, "Naknada"_q})) {
    setObjectName("frmInvalidi");
    setWindowTitle("Invalidi II i III kategorije"_q);
    const int widths[] = {50, 200, 120, 50};
    for (int c = 0; c < 4; ++c)
        listI->setColumnWidth(c, widths[c]);
    listI->headerItem()->setTextAlignment(4, Qt::AlignRight);

    auto* fraDodaj = new QGroupBox("Novi invalid"_q, this);
    auto* addForm = new QFormLayout(fraDodaj);
    txtID_Radnik = formBox(fraDodaj, addForm, "ID radnika:"_q, "txtID_Radnik");
    cmbKategorija = new QComboBox(fraDodaj);
    cmbKategorija->setObjectName("cmbKategorija");
    cmbKategorija->addItems({"II", "III"});
    addForm->addRow("Kategorija:"_q, cmbKategorija);
    QPushButton* cmdDodaj = commandButton(fraDodaj, "Dodaj"_q, "cmdDodaj");
    addForm->addRow(cmdDodaj);

    auto* fraParametri = new QGroupBox("Parametri za obra~un naknada"_q, this);
    auto* form = new QFormLayout(fraParametri);
    txtM2003 = formBox(fraParametri, form, "Naknada za III-2003:"_q, "txtM2003");
    txtP2003 = formBox(fraParametri, form, "50% prose~ne zarade 2003:"_q, "txtP2003");
    txtProcenat = formBox(fraParametri, form, "Poslednji procenat uskla|ivanja:"_q, "txtProcenat");
    txtUskladjen = formBox(fraParametri, form, "Uskla|en iznos:"_q, "txtUskladjen");
    txtDZO = formBox(fraParametri, form, "Doprinos za zdravstvo (%):"_q, "txtDZO");
    txtTekuciZO = formBox(fraParametri, form, "Ra~un za zdravstvo:"_q, "txtTekuciZO");
    QPushButton* cmdSnimiParametre =
        commandButton(fraParametri, "Snimi parametre"_q, "cmdSnimiParametre");
    form->addRow(cmdSnimiParametre);

    auto* right = new QVBoxLayout;
    right->addWidget(fraDodaj);
    right->addWidget(fraParametri);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(listI, 3);
    layout->addLayout(right, 2);
    resize(900, 480);

    connect(cmdDodaj, &QPushButton::clicked, this, &frmInvalidi::cmdDodaj_Click);
    connect(cmdSnimiParametre, &QPushButton::clicked, this, &frmInvalidi::cmdSnimiParametre_Click);
    connect(listI, &QTreeWidget::itemDoubleClicked, this, &frmInvalidi::listI_DblClick);
    UcitajInvalide();
    showControl();
}

void frmInvalidi::UcitajInvalide() {
    listI->clear();
    guarded(this, "UcitajInvalide", [&] {
        for (const DisabledPerson& p : disabledPersons(*context_.PayrollDb))
            addRow(listI,
                   {std::to_string(p.id_radnik), p.name, p.JMBG, p.kategorija,
                    format(p.naknada, NumberFormat::Grouped2)},
                   p.id_invalid)
                ->setTextAlignment(4, Qt::AlignRight);
    });
}

void frmInvalidi::showControl() {
    guarded(this, "showControl", [&] {
        const DisabledControl c =
            loadDisabledControl(*context_.PayrollDb).value_or(DisabledControl{});
        txtM2003->setText(shownAmount(c.m2003));
        txtP2003->setText(shownAmount(c.p2003));
        txtProcenat->setText(toQ(format(c.zadnji_procenat, NumberFormat::Grouped2)));
        txtUskladjen->setText(shownAmount(c.uskladjen));
        txtDZO->setText(toQ(format(c.Doprinosi_zo, NumberFormat::Grouped2)));
        txtTekuciZO->setText(toQ(c.tekuci_zo));
    });
}

void frmInvalidi::cmdDodaj_Click() {
    const std::int64_t employee = typedNumber(txtID_Radnik);
    if (employee == 0) {
        message(this, "Niste izabrali radnika!"_q, Icon::Exclamation);
        return;
    }
    const auto amount = askNumber(this, "Unesite iznos nakanade za invalida!"_q);
    if (!amount)
        return;
    guarded(this, "cmdDodaj_Click", [&] {
        if (const auto refused = addDisabledPerson(*context_.PayrollDb, employee,
                                                   fromQ(cmbKategorija->currentText()), *amount))
            showRefusal(this, *refused);
        UcitajInvalide();
    });
}

void frmInvalidi::listI_DblClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    const Currency shown = parseAmount(fromQ(item->text(4))).value_or(Currency());
    const auto amount =
        askNumber(this, "Unesite iznos naknade za invalida"_q, QChar(), toQ(shown.toShortString()));
    if (!amount)
        return;
    guarded(this, "listI_DblClick", [&] {
        if (const auto refused = changeDisabledCompensation(
                *context_.PayrollDb, item->data(0, Qt::UserRole).toLongLong(), *amount))
            showRefusal(this, *refused);
        UcitajInvalide();
    });
}

void frmInvalidi::cmdSnimiParametre_Click() {
    guarded(this, "cmdSnimiParametre_Click", [&] {
        saveDisabledControl(*context_.PayrollDb,
                            {typedAmount(txtM2003), typedAmount(txtP2003), typedRate(txtProcenat),
                             typedAmount(txtUskladjen), typedRate(txtDZO),
                             fromQ(txtTekuciZO->text().trimmed())});
        message(this, "Zavrseno je snimanje parametara!"_q, Icon::Information);
    });
}

void frmInvalidi::keyPressEvent(QKeyEvent* event) {
    if (!closedOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
