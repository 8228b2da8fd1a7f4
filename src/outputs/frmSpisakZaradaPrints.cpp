// The printouts and files of the payroll list window.
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "core/AppContext.h"
#include "core/Text.h"
#include "core/startup/Paths.h"
#include "outputs/BooksWindowKit.h"
#include "outputs/EmployerTotalsRepair.h"
#include "outputs/HealthInsuranceFile.h"
#include "outputs/MunicipalityTax.h"
#include "outputs/OwnerContributions.h"
#include "outputs/PaymentOrders.h"
#include "outputs/PayrollListColumns.h"
#include "outputs/frmPPPPD.h"
#include "outputs/frmSpisakZarada.h"
#include "parameters/ReturnFigures.h"
#include "parameters/frmPrijava.h"
#include "payroll/Settings.h"
#include "report/qt/frmPregled.h"
#include "ui/AskWholeNumber.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::outputs {

using ui::operator""_q;
using ui::toQ;

namespace {

Date fromQDate(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

} // namespace

ListPrint frmSpisakZarada::listPrint() const {
    return companyPrint(context_);
}

PaymentStatus frmSpisakZarada::paymentStatus() const {
    return {optIspl1->isChecked(), fromQDate(dtIspl1->date()), fromQDate(dtIspl2->date()),
            ui::fromQ(txtRazlog->text())};
}

PayslipPrint frmSpisakZarada::payslipPrint(const PaymentStatus& status) const {
    const ListPrint company = listPrint();
    PayslipPrint print;
    print.company = company.company;
    print.logo = company.logo;
    if (chkPiP->isChecked())
        print.stamp = startup::findIgnoringCase(context_.companyFolder(), "pecat.jpg");
    print.status = status;
    print.coefficientPricing = payroll::loadSettings(*context_.PayrollDb).coefficientPricing();
    return print;
}

void frmSpisakZarada::printPayslips(const std::vector<const PayrollRow*>& rows,
                                    const PaymentStatus& status) {
    report::showPreview(this,
                        payslips(payslipPrint(status), *list_,
                                 loadPayslipLookups(*context_.PayrollDb, list_->selection), rows),
                        context_.PrinterName);
}

// The payslip of the row selected in one of the lists.
void frmSpisakZarada::printSelected(const char* routine, const QTreeWidget* list,
                                    const std::vector<PayrollRow>& rows) {
    ui::guarded(this, routine, [&] {
        const PayrollRow* row = selectedRow(list, rows);
        if (!row) {
            ui::message(this, "Greska kod pronalazenja radnika u bazi!"_q, ui::Icon::Critical);
            return;
        }
        printPayslips({row}, paymentStatus());
    });
}

void frmSpisakZarada::cmdObracun_Click() {
    if (list_)
        printSelected("cmdObracun_Click", listSpisak, list_->employees);
}

void frmSpisakZarada::cmdStampPRed_Click() {
    if (list_)
        printSelected("cmdStampPRed_Click", listPRE, list_->owners);
}

// Every employee's payslip, unit by unit when all units are shown, paid on the date asked.
void frmSpisakZarada::cmdSvi_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdSvi_Click", [&] {
        PaymentStatus status = paymentStatus();
        if (status.paid) {
            const auto paid = ui::askDate(this, "Unesite datum isplate"_q, dtIspl1->date());
            if (!paid)
                return;
            status.paidOn = fromQDate(*paid);
        }
        printPayslips(unitByUnit(*list_), status);
    });
}

void frmSpisakZarada::cmdSpisak_Click() {
    if (list_)
        ui::guarded(this, "cmdSpisak_Click", [&] {
            report::showPreview(this, monthlyRegister(listPrint(), *list_), context_.PrinterName);
        });
}

void frmSpisakZarada::cmdNoviSpisak_Click() {
    if (list_)
        ui::guarded(this, "cmdNoviSpisak_Click", [&] {
            const ListSelection& s = list_->selection;
            report::showPreview(
                this,
                extendedRegister(listPrint(), *list_,
                                 advancesOfMonth(*context_.PayrollDb, s.year, s.month)),
                context_.PrinterName);
        });
}

void frmSpisakZarada::cmdSpisakZarada_Click() {
    if (list_)
        ui::guarded(this, "cmdSpisakZarada_Click", [&] {
            report::showPreview(this, earningsList(listPrint(), *list_), context_.PrinterName);
        });
}

void frmSpisakZarada::cmdSpisakObustava_Click() {
    if (list_)
        ui::guarded(this, "cmdSpisakObustava_Click", [&] {
            report::showPreview(
                this,
                deductionsList(listPrint(), *list_,
                               loadPayslipLookups(*context_.PayrollDb, list_->selection)),
                context_.PrinterName);
        });
}

void frmSpisakZarada::cmdSpeciFikacija_Click() {
    if (list_)
        ui::guarded(this, "cmdSpeciFikacija_Click", [&] {
            const auto lookups = loadPayslipLookups(*context_.PayrollDb, list_->selection);
            report::showPreview(
                this,
                municipalityTaxList(listPrint(), taxByMunicipality(*list_, lookups.municipalities)),
                context_.PrinterName);
        });
}

void frmSpisakZarada::cmdExcel_Click() {
    if (list_)
        ui::guarded(this, "cmdExcel_Click", [&] {
            const ListSelection& s = list_->selection;
            const auto result = report::ExportListToSpreadsheet(
                payrollSheet(*list_), context_.BaseFolder,
                "SpisakZarada_" + std::to_string(s.month) + "_" + std::to_string(s.year));
            ui::message(this, toQ(result.message()),
                        result.ok() ? ui::Icon::Information : ui::Icon::Critical);
        });
}

// The health-insurance fund's file: the payment date, the drive and the unit handled apart.
namespace {

// The part of the month's salaries a paper return of the payment sums.
parameters::SalaryPart salaryPart(Payment payment) {
    switch (payment) {
    case Payment::First:
        return parameters::SalaryPart::Advance;
    case Payment::Final:
        return parameters::SalaryPart::Rest;
    case Payment::Whole:
        break;
    }
    return parameters::SalaryPart::Whole;
}

int paymentNumber(Payment payment) {
    return payment == Payment::Final ? 2 : 1;
}

} // namespace

// The salary tax return (PP OPJ) of the payment.
void frmSpisakZarada::cmdPoreska_Porez_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdPoreska_Porez_Click", [&] {
        const ListSelection& s = list_->selection;
        ui::showBeside(this, new parameters::frmPorezNaZarade(
                                 context_, s.month, s.year, paymentNumber(s.payment),
                                 parameters::salaryTaxFigures(*context_.PayrollDb, s.month, s.year,
                                                              salaryPart(s.payment))));
    });
}

// The contribution return (PP OD) of the payment.
void frmSpisakZarada::cmdPrijavaDoprinosi_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdPrijavaDoprinosi_Click", [&] {
        const ListSelection& s = list_->selection;
        parameters::openDoprinosi(this, context_, s.month, s.year, paymentNumber(s.payment),
                                  parameters::salaryContributionFigures(
                                      *context_.PayrollDb, s.month, s.year, salaryPart(s.payment)));
    });
}

// The entrepreneur's contribution return (PP OD-P) from the owners' rows of the list.
void frmSpisakZarada::cmdODP_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdODP_Click", [&] {
        const ListSelection& s = list_->selection;
        parameters::openDoprinosiPreduzetnik(this, context_, s.month, s.year,
                                             paymentNumber(s.payment),
                                             ownerContributionFigures(*list_));
    });
}

// The list's PPP-PD return, after the relief questions.
void frmSpisakZarada::cmdIZvoz_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdIZvoz_Click", [&] { openPayrollDeclaration(this, context_, *list_); });
}

// The payment orders of the list: the public revenues and every employee's pay.
void frmSpisakZarada::cmdNAlog_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdNAlog_Click", [&] {
        const auto generated =
            ordersFromPayrollList(*context_.PayrollDb, context_.CompanyMasterDb.get(), *list_);
        if (!generated) {
            ui::showRefusal(this, generated.refusal());
            return;
        }
        if (generated->warning)
            ui::message(this, ui::toQ(*generated->warning), ui::Icon::Exclamation);
        ui::message(this, ui::toQ(ordersGeneratedMessage()), ui::Icon::Information);
    });
}

void frmSpisakZarada::cmdSnimi_Click() {
    if (!list_)
        return;
    ui::guarded(this, "cmdSnimi_Click", [&] {
        const auto paid = ui::askDate(this, "Unesite datum isplate"_q, dtIspl1->date());
        if (!paid)
            return;
        const auto drive = ui::askDriveLetter(this);
        if (!drive)
            return;
        const auto separate = ui::askWholeNumber(
            this, "Unesite broj radne jedinice koja se radi odvojeno! Unesite 0 ako nemate "
                  "odvojenih RJ"_q);
        if (!separate)
            return;
        const auto files =
            healthInsuranceFiles(*list_, listPrint().company, fromQDate(*paid), *separate,
                                 startup::driveFolder(context_.BaseFolder, *drive));
        if (const auto refused = writeTextFiles(files)) {
            ui::showRefusal(this, *refused);
            return;
        }
        std::vector<std::filesystem::path> written;
        for (const TextFile& file : files)
            written.push_back(file.path);
        ui::showWritten(this, written);
    });
}

void frmSpisakZarada::cmdSredjvanje_Click() {
    ui::guarded(this, "cmdSredjvanje_Click", [&] {
        const ListSelection s = selection();
        const auto repaired = repairEmployerTotals(*context_.PayrollDb, s.year, s.month);
        if (!repaired) {
            ui::showRefusal(this, repaired.refusal());
            return;
        }
        ui::message(this, "Gotovo!"_q, ui::Icon::Information);
        cmdPokazi_Click();
    });
}

} // namespace zarion::outputs
