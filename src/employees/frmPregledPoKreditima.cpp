#include "employees/frmPregledPoKreditima.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "core/startup/Paths.h"
#include "employees/LoanChamberFile.h"
#include "employees/LoanCreditorOverview.h"
#include "employees/LoanOverviewReports.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/PeriodBoxes.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using namespace ui;

namespace {

QStringList partTexts() {
    QStringList texts;
    for (const auto& text : overviewPartTexts())
        texts << toQ(text);
    return texts;
}

report::CompanyData companyOf(AppContext& context) {
    if (context.CompanyMasterDb)
        if (auto company = report::readCompanyData(*context.CompanyMasterDb))
            return *company;
    return {};
}

std::optional<CreditorTotal> findCreditor(const std::vector<CreditorTotal>& list, long long id) {
    for (const CreditorTotal& c : list)
        if (c.id_obustava == id)
            return c;
    return std::nullopt;
}

} // namespace

frmPregledPoKreditima::frmPregledPoKreditima(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , period_(this, partTexts())
    , listKreditori(
          ui::makeList(this, "listKreditori", {"ID"_q, "Kreditor"_q, "Teku}i ra~un"_q, "Iznos"_q}))
    , lblUkupno(new QLabel(this))
    , listRadnici(ui::makeList(this, "listRadnici",
                               {"Prezime i ime"_q, "JMBG"_q, "IZNOS"_q, "NETO"_q,
                                "Period za otplatu / Opis"_q, "Uk.vred. kredita"_q,
                                "Preostalo za uplatu"_q}))
    , cmdStampaj(new QPushButton("[tampa spiska"_q, this))
    , cmdNalozi(new QPushButton("Nalozi za prenos"_q, this))
    , cmdKomora(new QPushButton("Fajl za komoru"_q, this)) {
    setObjectName("frmPregledPoKreditima");
    setWindowTitle("Pregled po kreditorima"_q);
    lblUkupno->setObjectName("lblUkupno");
    cmdStampaj->setObjectName("cmdStampaj");
    cmdNalozi->setObjectName("cmdNalozi");
    cmdKomora->setObjectName("cmdKomora");
    listKreditori->setColumnWidth(0, 45);
    listKreditori->setColumnWidth(1, 230);
    listKreditori->setColumnWidth(2, 175);
    const int widths[] = {200, 125, 90, 90, 175, 110};
    for (int c = 0; c < 6; ++c)
        listRadnici->setColumnWidth(c, widths[c]);

    const Date today = context_.clock.today();
    setPeriod(context_.WorkYear != 0 ? context_.WorkYear : today.year, today.month, false);

    period_.whenChanged(this, [this] { UcitajKreditore(); });
    connect(listKreditori, &QTreeWidget::currentItemChanged, this,
            &frmPregledPoKreditima::UcitajRadnike);
    connect(cmdStampaj, &QPushButton::clicked, this, &frmPregledPoKreditima::cmdStampaj_Click);
    connect(cmdNalozi, &QPushButton::clicked, this, &frmPregledPoKreditima::cmdNalozi_Click);
    connect(cmdKomora, &QPushButton::clicked, this, &frmPregledPoKreditima::cmdKomora_Click);

    auto* commands = new QHBoxLayout;
    commands->addWidget(lblUkupno, 1);
    commands->addWidget(cmdStampaj);
    commands->addWidget(cmdNalozi);
    commands->addWidget(cmdKomora);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period_.row());
    layout->addWidget(listKreditori, 1);
    layout->addLayout(commands);
    layout->addWidget(listRadnici, 2);
    resize(1040, 600);
}

void frmPregledPoKreditima::setPeriod(int year, int month, bool firstPart) {
    period_.choose(year, month, firstPart ? 1 : 0);
    UcitajKreditore();
}

OverviewPeriod frmPregledPoKreditima::chosenPeriod() const {
    return {period_.year(), period_.month(), period_.payment() == 1};
}

void frmPregledPoKreditima::UcitajKreditore() {
    ui::guarded(this, "UcitajKreditore", [&] {
        const long long selected = ui::currentNumber(listKreditori);
        const QSignalBlocker block(listKreditori);
        listKreditori->clear();
        Currency total;
        for (const CreditorTotal& c : creditorTotals(*context_.PayrollDb, chosenPeriod())) {
            ui::addRow(listKreditori,
                       {std::to_string(c.id_obustava), c.obustava, c.tekuci_Racun,
                        format(c.total, NumberFormat::Grouped2)},
                       c.id_obustava);
            total += c.total;
        }
        ui::selectNumber(listKreditori, selected);
        lblUkupno->setText("UKUPNO: "_q + toQ(format(total, NumberFormat::Grouped2)));
    });
    UcitajRadnike();
}

void frmPregledPoKreditima::UcitajRadnike() {
    ui::guarded(this, "UcitajRadnike", [&] {
        listRadnici->clear();
        const long long creditor = ui::currentNumber(listKreditori);
        if (creditor == 0)
            return;
        for (const CreditorPayment& p :
             creditorPayments(*context_.PayrollDb, chosenPeriod(), creditor))
            ui::addRow(listRadnici, paymentColumns(p, NumberFormat::Grouped2), p.id_radnik);
    });
}

void frmPregledPoKreditima::cmdStampaj_Click() {
    const long long id = ui::currentNumber(listKreditori);
    if (id == 0)
        return;
    ui::guarded(this, "cmdStampaj_Click", [&] {
        db::Database& db = *context_.PayrollDb;
        const OverviewPeriod period = chosenPeriod();
        const auto creditor = findCreditor(creditorTotals(db, period), id);
        if (!creditor)
            return;
        OverviewPrint print;
        print.company = companyOf(context_);
        print.logo = context_.logoPath();
        print.date = context_.clock.today();
        print.period = period;
        if (context_.CompanyMasterDb)
            print.place = loadPayer(db, *context_.CompanyMasterDb).place;
        if (print.place.empty())
            print.place = print.company.grad;
        report::showPreview(this,
                            CreditorPaymentList(print, *creditor, creditorPayments(db, period, id)),
                            context_.PrinterName);
    });
}

void frmPregledPoKreditima::cmdNalozi_Click() {
    ui::guarded(this, "cmdNalozi_Click", [&] {
        db::Database& db = *context_.PayrollDb;
        const OverviewPeriod period = chosenPeriod();
        const auto list = creditorTotals(db, period);
        if (list.empty())
            return;
        Payer payer;
        if (context_.CompanyMasterDb)
            payer = loadPayer(db, *context_.CompanyMasterDb);
        report::showPreview(this,
                            PaymentOrdersDocument(
                                creditorPaymentOrders(payer, list, period, context_.clock.today()),
                                "NALOG ZA PRENOS"_yu),
                            context_.PrinterName);
    });
}

void frmPregledPoKreditima::cmdKomora_Click() {
    const long long id = ui::currentNumber(listKreditori);
    if (id == 0)
        return;
    const auto drive = ui::askDriveLetter(this);
    if (!drive)
        return;
    const auto date = askDate(this, "Unesite datum uplate!"_q);
    if (!date)
        return;
    ui::guarded(this, "cmdKomora_Click", [&] {
        const OverviewPeriod period = chosenPeriod();
        const auto folder = startup::driveFolder(context_.BaseFolder, *drive);
        const ChamberFile file = WriteChamberFile(
            folder, companyOf(context_), Date{date->year(), date->month(), date->day()}, period,
            creditorPayments(*context_.PayrollDb, period, id));
        if (!file.ok()) {
            message(this, toQ(file.error), Icon::Critical);
            return;
        }
        ui::showWritten(this, {file.path});
    });
}

void frmPregledPoKreditima::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::employees
