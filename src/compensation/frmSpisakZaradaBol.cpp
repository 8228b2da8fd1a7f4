#include "compensation/frmSpisakZaradaBol.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "compensation/ListMonth.h"
#include "compensation/SickLeaveDeclaration.h"
#include "compensation/SickLeaveList.h"
#include "compensation/SickLeaveReports.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "employees/CodeListPickers.h"
#include "outputs/PaymentOrders.h"
#include "outputs/PayrollDeclaration.h"
#include "outputs/frmPPPPD.h"
#include "parameters/ReturnFigures.h"
#include "parameters/frmPrijava.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using ui::operator""_q;
using ui::toQ;

namespace {

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

} // namespace

frmSpisakZaradaBol::frmSpisakZaradaBol(AppContext& context, LeaveKind kind, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , kind_(kind)
    , cmbMesec(new QComboBox(this))
    , cmbGodina(new QComboBox(this))
    , cmbRJ(new QComboBox(this))
    , listSpisak(ui::makeList(this, "listSpisak",
                              {"Prezime i ime"_q, "ID"_q, "Sati"_q, "BRUTO"_q, "Porez"_q,
                               "Doprinosi radnik"_q, "Doprinosi RO"_q, "NETO"_q,
                               "Solidarni porez"_q, "ZA ISPLATU"_q}))
    , lblUkupno(new QLabel(this)) {
    setObjectName("frmSpisakZaradaBol");
    setWindowTitle(kind == LeaveKind::Maternity ? "Spiskovi za obra~un - Porodiljsko"_q
                                                : "Spiskovi za obra~un - Bolovanje"_q);
    cmbMesec->setObjectName("cmbMesec");
    cmbGodina->setObjectName("cmbGodina");
    cmbRJ->setObjectName("cmbRJ");
    lblUkupno->setObjectName("lblUkupno");
    ui::fillMonths(cmbMesec);
    ui::fillYears(cmbGodina);
    employees::fillUnitPicker(*cmbRJ, *context_.PayrollDb, employees::AllUnits::SveRadneJedinice);
    const int widths[] = {185, 40, 50, 95, 85, 115, 105, 95, 110, 95};
    for (int column = 0; column < 10; ++column) {
        listSpisak->setColumnWidth(column, widths[column]);
        if (column >= 2)
            listSpisak->headerItem()->setTextAlignment(column, Qt::AlignRight);
    }
    for (QComboBox* box : {cmbMesec, cmbGodina, cmbRJ})
        connect(box, &QComboBox::currentIndexChanged, this, &frmSpisakZaradaBol::cmdPokazi_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Mesec:"_q, this));
    top->addWidget(cmbMesec);
    top->addWidget(new QLabel("Godina:"_q, this));
    top->addWidget(cmbGodina);
    top->addWidget(new QLabel("Radna jedinica:"_q, this));
    top->addWidget(cmbRJ, 1);
    auto* commands = new QGridLayout;
    QPushButton* buttons[] = {
        button("cmdSpisak", "Mese~na evidencija", &frmSpisakZaradaBol::cmdSpisak_Click),
        button("cmdIsplata", "Spisak za isplatu", &frmSpisakZaradaBol::cmdIsplata_Click),
        button("cmdObracun", "Obra~un za radnika", &frmSpisakZaradaBol::cmdObracun_Click),
        button("cmdSvi", "Obra~un za sve", &frmSpisakZaradaBol::cmdSvi_Click),
        button("cmdRekapitulacija", "Rekapitulacija po ra~unima isplate",
               &frmSpisakZaradaBol::cmdRekapitulacija_Click),
        button("cmdSpeciFikacija", "Specifikacija poreza",
               &frmSpisakZaradaBol::cmdSpeciFikacija_Click),
        button("cmdNAlog", "Nalozi", &frmSpisakZaradaBol::cmdNAlog_Click),
        button("cmdIZvoz", "PPP-PD", &frmSpisakZaradaBol::cmdIZvoz_Click),
        button("cmdPoreska_Porez", "Obrazac PP OPJ", &frmSpisakZaradaBol::cmdPoreska_Porez_Click),
        button("cmdPrijavaDoprinosi", "Obrazac PP OD-1",
               &frmSpisakZaradaBol::cmdPrijavaDoprinosi_Click),
        button("cmdRekapIsplate", "Rekapitulacija isplate",
               &frmSpisakZaradaBol::cmdRekapIsplate_Click),
        button("cmdRekapRacuna", "Rekapitulacija uplatnih ra~una",
               &frmSpisakZaradaBol::cmdRekapRacuna_Click),
        button("cmdRekapKonta", "Rekapitulacija po kontima",
               &frmSpisakZaradaBol::cmdRekapKonta_Click),
    };
    int index = 0;
    for (QPushButton* b : buttons) {
        commands->addWidget(b, index / 5, index % 5);
        ++index;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listSpisak, 1);
    layout->addWidget(lblUkupno);
    layout->addLayout(commands);
    resize(980, 560);

    ListMonth opening = workingMonth(context_);
    ui::guarded(this, "Form_Load", [&] { opening = leaveListMonth(context_, kind_); });
    setPeriod(opening.year, opening.month);
}

QPushButton* frmSpisakZaradaBol::button(const char* name, const char* caption,
                                        void (frmSpisakZaradaBol::*slot)()) {
    auto* b = new QPushButton(toQ(yuscii(caption)), this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

void frmSpisakZaradaBol::setPeriod(int year, int month) {
    {
        const QSignalBlocker blockMonth(cmbMesec);
        const QSignalBlocker blockYear(cmbGodina);
        cmbMesec->setCurrentText(QString::number(month));
        cmbGodina->setCurrentText(QString::number(year));
    }
    cmdPokazi_Click();
}

outputs::ListSelection frmSpisakZaradaBol::selection() const {
    return {cmbGodina->currentText().toInt(), cmbMesec->currentText().toInt(),
            outputs::Payment::Whole, employees::pickedNumber(*cmbRJ)};
}

outputs::ListPrint frmSpisakZaradaBol::listPrint() const {
    outputs::ListPrint print;
    if (context_.CompanyMasterDb)
        print.company = report::readCompanyData(*context_.CompanyMasterDb).value_or(print.company);
    print.logo = context_.logoPath();
    return print;
}

void frmSpisakZaradaBol::cmdPokazi_Click() {
    listSpisak->clear();
    lblUkupno->clear();
    list_.reset();
    ui::guarded(this, "cmdPokazi_Click", [&] {
        auto loaded = loadLeaveList(*context_.PayrollDb, kind_, selection());
        if (!loaded)
            return; // a month without rates has no compensations to list
        list_ = std::move(loaded).value();
        for (const std::int64_t missing : list_->missingEmployees)
            ui::message(this, toQ(outputs::missingEmployeeMessage(missing)), ui::Icon::Critical);
        for (const outputs::PayrollRow& r : list_->employees) {
            const payroll::SalaryResult& c = r.calc;
            auto* item = ui::addRow(listSpisak,
                                    {r.fullName(), std::to_string(r.id_radnik),
                                     format(c.broj_sati, NumberFormat::General), amount(c.BRUTO),
                                     amount(c.porez_na_zaradu), amount(c.ukupno_doprinosa),
                                     amount(c.ukupno_doprinosa_F), amount(c.NETO),
                                     amount(c.solidarni_porez), amount(c.NETO - c.solidarni_porez)},
                                    r.id_radnik);
            for (int column = 2; column < 10; ++column)
                item->setTextAlignment(column, Qt::AlignRight);
        }
        const outputs::PayrollTotals& t = list_->totals;
        lblUkupno->setText(toQ(
            "UKUPNO   BRUTO: " + amount(t.BRUTO) + "   Porez: " + amount(t.porez_na_zaradu) +
            "   NETO: " + amount(t.NETO) + "   ZA ISPLATU: " + amount(t.NETO - t.solidarni_porez)));
    });
}

void frmSpisakZaradaBol::cmdSpisak_Click() {
    if (list_)
        ui::guarded(this, "cmdSpisak_Click", [&] {
            report::showPreview(this, leaveRegister(listPrint(), *list_, kind_),
                                context_.PrinterName);
        });
}

void frmSpisakZaradaBol::cmdIsplata_Click() {
    if (list_)
        ui::guarded(this, "cmdIsplata_Click", [&] {
            report::showPreview(this, leavePaymentList(listPrint(), *list_, kind_),
                                context_.PrinterName);
        });
}

void frmSpisakZaradaBol::cmdObracun_Click() {
    if (!list_)
        return;
    const std::int64_t id = ui::currentNumber(listSpisak);
    for (const outputs::PayrollRow& row : list_->employees)
        if (row.id_radnik == id) {
            ui::guarded(this, "cmdObracun_Click", [&] {
                report::showPreview(this, leavePayslips(listPrint(), *list_, kind_, {&row}),
                                    context_.PrinterName);
            });
            return;
        }
    ui::message(this, "Greska kod pronalazenja radnika u bazi!"_q, ui::Icon::Critical);
}

void frmSpisakZaradaBol::cmdSvi_Click() {
    if (!list_)
        return;
    std::vector<const outputs::PayrollRow*> rows;
    for (const outputs::PayrollRow& row : list_->employees)
        rows.push_back(&row);
    ui::guarded(this, "cmdSvi_Click", [&] {
        report::showPreview(this, leavePayslips(listPrint(), *list_, kind_, rows),
                            context_.PrinterName);
    });
}

void frmSpisakZaradaBol::cmdRekapitulacija_Click() {
    ui::guarded(this, "cmdRekapitulacija_Click", [&] {
        const outputs::ListSelection s = selection();
        report::showPreview(this,
                            accountRecapReport(listPrint(), s.year, s.month,
                                               accountRecaps(*context_.PayrollDb, s.year, s.month)),
                            context_.PrinterName);
    });
}

void frmSpisakZaradaBol::cmdSpeciFikacija_Click() {
    if (list_)
        ui::guarded(this, "cmdSpeciFikacija_Click", [&] {
            report::showPreview(this,
                                leaveTaxSpecification(*context_.PayrollDb, listPrint(), *list_),
                                context_.PrinterName);
        });
}

// The orders of the tax and the six contributions of the list.
void frmSpisakZaradaBol::cmdNAlog_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdNAlog_Click", [&] {
        const outputs::ListSelection& s = list_->selection;
        const auto generated =
            outputs::revenueOrders(*context_.PayrollDb, context_.CompanyMasterDb.get(),
                                   list_->totals, leavePurpose(s.year, s.month),
                                   kind_ == LeaveKind::Maternity ? "racun_za_isplatu_porodiljsko"
                                                                 : "racun_za_isplatu_bolovanje");
        if (!generated) {
            ui::showRefusal(this, generated.refusal());
            return;
        }
        ui::message(this, toQ(outputs::ordersGeneratedMessage()), ui::Icon::Information);
    });
}

// The list's rows in the PPP-PD return.
void frmSpisakZaradaBol::cmdIZvoz_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdIZvoz_Click", [&] {
        const payroll::Settings settings = payroll::loadSettings(*context_.PayrollDb);
        LeaveListProducer producer(*list_, kind_, settings);
        auto filled = producer.fill();
        if (!filled) {
            ui::showRefusal(this, filled.refusal());
            return;
        }
        auto* window = new outputs::frmPPPPD(context_);
        window->fill(std::move(filled).value(), outputs::salaryRates(list_->rates));
        ui::showBeside(this, window);
    });
}

// The tax return of the month's compensations (PP OPJ for compensations).
void frmSpisakZaradaBol::cmdPoreska_Porez_Click() {
    ui::guarded(this, "cmdPoreska_Porez_Click", [&] {
        const outputs::ListSelection s = selection();
        ui::showBeside(
            this, new parameters::frmPorezNaZaradeOD1(
                      context_, s.month, s.year, 1,
                      parameters::compensationTaxFigures(*context_.PayrollDb, s.month, s.year)));
    });
}

// The contribution return of the month's compensations (PP OD-1).
void frmSpisakZaradaBol::cmdPrijavaDoprinosi_Click() {
    ui::guarded(this, "cmdPrijavaDoprinosi_Click", [&] {
        const outputs::ListSelection s = selection();
        parameters::openDoprinosiOD1(
            this, context_, s.month, s.year, 1,
            parameters::compensationContributionFigures(*context_.PayrollDb, s.month, s.year));
    });
}

void frmSpisakZaradaBol::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
