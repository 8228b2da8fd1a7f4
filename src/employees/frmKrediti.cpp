#include "employees/frmKrediti.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "employees/DeductionCurrency.h"
#include "employees/DeductionDefinitions.h"
#include "employees/DeductionPricing.h"
#include "employees/EmployeeSearch.h"
#include "employees/LoanRecords.h"
#include "employees/LoanSchedule.h"
#include "employees/frmTraziZaposlenog.h"
#include "ui/AmountBox.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

namespace {

void selectData(QComboBox* box, long long value) {
    const int index = box->findData(value);
    if (index >= 0)
        box->setCurrentIndex(index);
}

} // namespace

frmKrediti::frmKrediti(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , context_(context)
    , txtID_Radnik(new QLineEdit(this))
    , lblRadnik(new QLabel(this))
    , cmbKreditor(new QComboBox(this))
    , lblRacun(new QLabel(this))
    , lblNacin(new QLabel(this))
    , cmbPocMesec(new QComboBox(this))
    , cmbPocGodina(new QComboBox(this))
    , cmbKrajMesec(new QComboBox(this))
    , cmbKrajGodina(new QComboBox(this))
    , cmbValuta(new QComboBox(this))
    , txtRata(new QLineEdit(this))
    , lblPrviDeo(new QLabel("Prvi deo:"_q, this))
    , txtPrviDeo(new QLineEdit(this))
    , lblDrugiDeo(new QLabel("Drugi deo:"_q, this))
    , txtDrugiDeo(new QLineEdit(this))
    , txtSifraPlacanja(new QLineEdit(this))
    , txtModel(new QLineEdit(this))
    , txtPoziv(new QLineEdit(this))
    , txtOpis(new QLineEdit(this))
    , lblMeseci(new QLabel(this))
    , lblUkupno(new QLabel(this))
    , cmdSnimi(new QPushButton(this)) {
    setObjectName("frmKrediti");
    setWindowTitle("Kredit"_q);
    txtID_Radnik->setObjectName("txtID_Radnik");
    lblRadnik->setObjectName("lblRadnik");
    cmbKreditor->setObjectName("cmbKreditor");
    lblRacun->setObjectName("lblRacun");
    lblNacin->setObjectName("lblNacin");
    cmbPocMesec->setObjectName("cmbPocMesec");
    cmbPocGodina->setObjectName("cmbPocGodina");
    cmbKrajMesec->setObjectName("cmbKrajMesec");
    cmbKrajGodina->setObjectName("cmbKrajGodina");
    cmbValuta->setObjectName("cmbValuta");
    txtRata->setObjectName("txtRata");
    txtPrviDeo->setObjectName("txtPrviDeo");
    txtDrugiDeo->setObjectName("txtDrugiDeo");
    txtSifraPlacanja->setObjectName("txtSifraPlacanja");
    txtModel->setObjectName("txtModel");
    txtPoziv->setObjectName("txtPoziv");
    txtOpis->setObjectName("txtOpis");
    lblMeseci->setObjectName("lblMeseci");
    lblUkupno->setObjectName("lblUkupno");
    cmdSnimi->setObjectName("cmdSnimi");

    ui::fillMonths(cmbPocMesec);
    ui::fillMonths(cmbKrajMesec);
    ui::fillYears(cmbPocGodina);
    ui::fillYears(cmbKrajGodina);
    for (const auto& text : currencyTexts())
        cmbValuta->addItem(toQ(text));
    ui::guarded(this, "Form_Load", [&] {
        for (const auto& creditor : creditorsByName(*context_.PayrollDb))
            cmbKreditor->addItem(toQ(creditor.obustava),
                                 static_cast<qlonglong>(creditor.id_obustava_proc));
        twoParts_ = paidInTwoParts(*context_.PayrollDb);
    });

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString& caption, QWidget* first, QWidget* second = nullptr) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(first, row, 1);
        if (second)
            grid->addWidget(second, row, 2);
        ++row;
    };
    addRow("Radnik (CTRL+T - pretraga):"_q, txtID_Radnik, lblRadnik);
    addRow("Kreditna partija:"_q, cmbKreditor, lblRacun);
    addRow(QString(), lblNacin);
    auto* start = new QHBoxLayout;
    start->addWidget(cmbPocMesec);
    start->addWidget(cmbPocGodina);
    auto* end = new QHBoxLayout;
    end->addWidget(cmbKrajMesec);
    end->addWidget(cmbKrajGodina);
    grid->addWidget(new QLabel("Po~etak otplate (mesec/godina):"_q, this), row, 0);
    grid->addLayout(start, row++, 1);
    grid->addWidget(new QLabel("Kraj otplate (mesec/godina):"_q, this), row, 0);
    grid->addLayout(end, row, 1);
    grid->addWidget(lblMeseci, row++, 2);
    addRow("Valuta:"_q, cmbValuta);
    addRow("Iznos rate:"_q, txtRata, lblUkupno);
    grid->addWidget(lblPrviDeo, row, 0);
    grid->addWidget(txtPrviDeo, row++, 1);
    grid->addWidget(lblDrugiDeo, row, 0);
    grid->addWidget(txtDrugiDeo, row++, 1);
    addRow("[ifra pla}anja:"_q, txtSifraPlacanja);
    addRow("Model:"_q, txtModel);
    addRow("Poziv na broj:"_q, txtPoziv);
    addRow("Opis:"_q, txtOpis);
    grid->addWidget(cmdSnimi, row++, 1);
    grid->addWidget(new QLabel("CTRL+T - pretraga radnika   CTRL+Delete - brisanje kredita   "
                               "Esc - izlaz"_q,
                               this),
                    row, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    setLayout(grid);

    for (QWidget* part : {static_cast<QWidget*>(lblPrviDeo), static_cast<QWidget*>(txtPrviDeo),
                          static_cast<QWidget*>(lblDrugiDeo), static_cast<QWidget*>(txtDrugiDeo)})
        part->setVisible(twoParts_);

    connect(txtID_Radnik, &QLineEdit::textChanged, this, &frmKrediti::showEmployee);
    connect(cmbKreditor, &QComboBox::currentIndexChanged, this, &frmKrediti::showCreditor);
    for (QComboBox* box : {cmbPocMesec, cmbPocGodina, cmbKrajMesec, cmbKrajGodina})
        connect(box, &QComboBox::currentIndexChanged, this, &frmKrediti::recount);
    connect(txtRata, &QLineEdit::textEdited, this, &frmKrediti::txtRata_Change);
    connect(txtPrviDeo, &QLineEdit::textEdited, this, &frmKrediti::txtDeo_Change);
    connect(txtDrugiDeo, &QLineEdit::textEdited, this, &frmKrediti::txtDeo_Change);
    connect(cmdSnimi, &QPushButton::clicked, this, &frmKrediti::cmdSnimi_Click);
    SelectAllOnFocus::installAll(this);
    resize(720, 460);
    newLoan(0, 0);
}

void frmKrediti::newLoan(long long employeeId, long long creditorId) {
    id_or_ = 0;
    cmdSnimi->setText("Snimi"_q);
    txtID_Radnik->setText(employeeId ? QString::number(employeeId) : QString());
    if (creditorId != 0)
        selectData(cmbKreditor, creditorId);
    showCreditor();
    const Date today = context_.clock.today();
    const int year = context_.WorkYear != 0 ? context_.WorkYear : today.year;
    selectData(cmbPocMesec, today.month);
    selectData(cmbKrajMesec, today.month);
    selectData(cmbPocGodina, year);
    selectData(cmbKrajGodina, year);
    cmbValuta->setCurrentIndex(0);
    for (QLineEdit* box :
         {txtRata, txtPrviDeo, txtDrugiDeo, txtSifraPlacanja, txtModel, txtPoziv, txtOpis})
        box->clear();
    recount();
}

bool frmKrediti::openLoan(long long id_or) {
    std::optional<Loan> loan;
    ui::guarded(this, "openLoan", [&] { loan = findLoan(*context_.PayrollDb, id_or); });
    if (!loan) {
        message(this, "Greska kod pronalazenja kredita u bazi!"_q, Icon::Critical);
        return false;
    }
    id_or_ = id_or;
    cmdSnimi->setText("A`uriraj"_q);
    setWindowTitle("Kredit - IDD: "_q + QString::number(id_or));
    txtID_Radnik->setText(QString::number(loan->ID_RADNIK));
    selectData(cmbKreditor, loan->id_obustava);
    showCreditor();
    selectData(cmbPocMesec, loan->startMonth);
    selectData(cmbPocGodina, loan->startYear);
    selectData(cmbKrajMesec, loan->endMonth);
    selectData(cmbKrajGodina, loan->endYear);
    cmbValuta->setCurrentIndex(loan->valuta >= 0 && loan->valuta < 4 ? loan->valuta : 0);
    txtRata->setText(amountText(loan->Iznos));
    txtPrviDeo->setText(amountText(loan->prvi_deo));
    txtDrugiDeo->setText(amountText(loan->drugi_deo));
    txtSifraPlacanja->setText(toQ(loan->sifra_placanja));
    txtModel->setText(toQ(loan->model));
    txtPoziv->setText(toQ(loan->POziv_na_broj));
    txtOpis->setText(toQ(loan->Opis));
    recount();
    return true;
}

void frmKrediti::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() == Qt::Key_T) {
            ui::guarded(this, "Form_KeyDown",
                        [&] { chooseEmployeeInto(*txtID_Radnik, *context_.PayrollDb); });
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            obrisiKredit();
            return;
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild(); // Enter moves on; saving is the button's
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmKrediti::showEmployee() {
    ui::guarded(this, "txtID_Radnik_Change", [&] {
        const long long id = txtID_Radnik->text().trimmed().toLongLong();
        lblRadnik->setText(id > 0 ? toQ(employeeName(*context_.PayrollDb, id)).trimmed()
                                  : QString());
    });
}

void frmKrediti::showCreditor() {
    ui::guarded(this, "cmbKreditor_Click", [&] {
        const auto creditor =
            findDeduction(*context_.PayrollDb, cmbKreditor->currentData().toLongLong());
        lblRacun->setText(creditor ? toQ(creditor->tekuci_Racun) : QString());
        lblNacin->setText(creditor ? toQ(paymentModeText(creditor->zbirno_placanje)) : QString());
    });
}

void frmKrediti::recount() {
    const int months =
        repaymentMonths(cmbPocMesec->currentData().toInt(), cmbPocGodina->currentData().toInt(),
                        cmbKrajMesec->currentData().toInt(), cmbKrajGodina->currentData().toInt());
    lblMeseci->setText("Broj meseci: "_q + QString::number(months));
    lblUkupno->setText("Ukupna vrednost: "_q + amountText(loanTotal(amountIn(txtRata), months)));
}

void frmKrediti::txtRata_Change() {
    const InstalmentSplit split = splitInstalment(amountIn(txtRata));
    txtPrviDeo->setText(amountText(split.prvi_deo));
    txtDrugiDeo->setText(amountText(split.drugi_deo));
    recount();
}

void frmKrediti::txtDeo_Change() {
    txtRata->setText(amountText(amountIn(txtPrviDeo) + amountIn(txtDrugiDeo)));
    recount();
}

void frmKrediti::cmdSnimi_Click() {
    Loan loan;
    loan.id_or = id_or_;
    loan.ID_RADNIK = txtID_Radnik->text().trimmed().toLongLong();
    loan.id_obustava = cmbKreditor->currentData().toLongLong();
    loan.startMonth = cmbPocMesec->currentData().toInt();
    loan.startYear = cmbPocGodina->currentData().toInt();
    loan.endMonth = cmbKrajMesec->currentData().toInt();
    loan.endYear = cmbKrajGodina->currentData().toInt();
    loan.valuta = cmbValuta->currentIndex();
    loan.Iznos = amountIn(txtRata);
    loan.prvi_deo = twoParts_ ? amountIn(txtPrviDeo) : Currency{};
    loan.drugi_deo = twoParts_ ? amountIn(txtDrugiDeo) : loan.Iznos;
    loan.sifra_placanja = fromQ(txtSifraPlacanja->text());
    loan.model = fromQ(txtModel->text());
    loan.POziv_na_broj = fromQ(txtPoziv->text());
    loan.Opis = fromQ(txtOpis->text());

    ui::guarded(this, "cmdSnimi_Click", [&] {
        LoanSave saved = saveLoan(*context_.PayrollDb, loan);
        if (saved.outcome == LoanSave::Outcome::ZeroInstalment) {
            message(this, toQ(saved.message()), Icon::Exclamation);
            if (!ask(this, "Da li zelite da snimite kredit sa iznosom 0?"_q)) {
                txtRata->setFocus();
                return;
            }
            saved = saveLoan(*context_.PayrollDb, loan, true);
        }
        if (saved.outcome == LoanSave::Outcome::Saved) {
            id_or_ = saved.id_or;
            accept();
            return;
        }
        const bool missing = saved.outcome == LoanSave::Outcome::Missing;
        message(this, toQ(saved.message()), missing ? Icon::Critical : Icon::Exclamation);
        focusOn(static_cast<int>(saved.outcome));
    });
}

void frmKrediti::focusOn(int refusal) {
    switch (static_cast<LoanSave::Outcome>(refusal)) {
    case LoanSave::Outcome::NoEmployee:
        txtID_Radnik->setFocus();
        break;
    case LoanSave::Outcome::NoCreditor:
        cmbKreditor->setFocus();
        break;
    case LoanSave::Outcome::BadPeriod:
        cmbPocMesec->setFocus();
        break;
    case LoanSave::Outcome::ZeroInstalment:
        txtRata->setFocus();
        break;
    case LoanSave::Outcome::Saved:
    case LoanSave::Outcome::Missing:
        break;
    }
}

void frmKrediti::obrisiKredit() {
    if (id_or_ == 0)
        return;
    ui::guarded(this, "obrisiKredit", [&] {
        const LoanDeletion deletion = deleteLoan(*context_.PayrollDb, id_or_);
        const Icon icon = deletion == LoanDeletion::Deleted ? Icon::Information
                          : deletion == LoanDeletion::Used  ? Icon::Exclamation
                                                            : Icon::Critical;
        message(this, toQ(deletionMessage(deletion)), icon);
        if (deletion == LoanDeletion::Deleted)
            accept();
    });
}

} // namespace zarion::employees
