// Writes pictures of the employee register, the deduction and loan windows and their printed
// forms into the folder named on the command line.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>
#include <cstdio>

#include "Controls.h"
#include "DeductionCompany.h"
#include "RegisterCompany.h"
#include "Typing.h"
#include "employees/DeductionPricing.h"
#include "employees/EmployeeListModel.h"
#include "employees/LoanCreditorOverview.h"
#include "employees/LoanOverviewReports.h"
#include "employees/frmBanke.h"
#include "employees/frmIzvZaposleni.h"
#include "employees/frmKrediti.h"
#include "employees/frmKrediti_po_kreditorima.h"
#include "employees/frmObustaveKrediti.h"
#include "employees/frmObustaveMEsec.h"
#include "employees/frmObustaveProc.h"
#include "employees/frmObustaveRadnik.h"
#include "employees/frmPregledPoKreditima.h"
#include "employees/frmRJ.h"
#include "employees/frmTraziZaposlenog.h"
#include "employees/frmZanimanje.h"
#include "employees/frmZaposleni.h"
#include "report/qt/Renderer.h"

using namespace zarion;
using namespace zarion::employees;
using zarion::testing::rowWithText;

namespace {

QString folder;
int failures = 0;

void grab(QWidget& window, const char* name) {
    window.show();
    QApplication::processEvents();
    const QString file = folder + "/" + name + ".png";
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++failures;
    }
}

void pdf(const report::Document& document, const char* name) {
    const QString file = folder + "/" + name + ".pdf";
    if (!report::writePdf(document, file.toStdString())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++failures;
    }
}

// The register with a month paid to Šćepanović Ana, a bookkeeper.
void registerWindows() {
    test::RegisterCompany company;
    db::Database& db = company.payroll();
    const std::int64_t ana = company.ana;
    db.run("INSERT INTO zanimanje(SIFRA, Zanimanje) VALUES ('2411.01', 'Knjigovođa')");
    db.run("UPDATE radnici SET radno_mesto = 'Knjigovođa' WHERE id_radnik = ?", ana);
    db.run("INSERT INTO obracuni(ID_RADNIK, MEsec, GODINA, broj_sati, BRUTO, porez_na_zaradu, "
           "Doprinosi_PIO, Doprinosi_PIO_F, NETO) VALUES (?, 1, 2026, 168, ?, ?, ?, ?, ?)",
           ana, 100000_din, 8000_din, 14000_din, 10000_din, 70850_din);

    frmZaposleni window(company.context);
    grab(window, "frmZaposleni");
    window.findChild<QCheckBox*>("chkNeaktivni")->setChecked(true);
    grab(window, "frmZaposleni-neaktivni");
    auto* list = window.findChild<QTreeView*>("listZ");
    const auto& model = *static_cast<const EmployeeListModel*>(list->model());
    list->setCurrentIndex(model.index(model.rowOf(ana), 0));
    QTest::keyClick(list, Qt::Key_F6);
    grab(window, "frmZaposleni-panel");
    QTest::keyClick(list, Qt::Key_Escape);

    frmZanimanje occupation(db, ana);
    grab(occupation, "frmZanimanje");
    frmRJ units(company.context);
    grab(units, "frmRJ");
    frmBanke banks(company.context);
    grab(banks, "frmBanke");
    frmTraziZaposlenog search(db);
    zarion::testing::typeText(search.findChild<QLineEdit*>("txtTrazi"), "i");
    grab(search, "frmTraziZaposlenog");
    frmIzvZaposleni statements(company.context);
    statements.findChild<QLineEdit*>("txtID_Radnik")->setText(QString::number(ana));
    QTest::mouseClick(statements.findChild<QPushButton*>("cmdPrikazi"), Qt::LeftButton);
    grab(statements, "frmIzvZaposleni");
}

// The deductions' company paid in two parts with March 2024 posted: loans and standing
// deductions withheld.
void deductionWindows() {
    test::DeductionCompany company;
    db::Database& db = company.payroll();
    test::DeductionDb& data = company.data;
    const auto marko = company.marko;
    const auto ana = company.ana;
    const auto union_ = company.union_;
    const auto bank = company.bank;
    data.twoParts(true);
    const auto loanMarko = data.loan(
        marko, bank, {.iznos = 6000, .prviDeo = 3000, .drugiDeo = 3000, .poziv = "11-2024"});
    const auto loanAna = data.loan(ana, bank,
                                   {.startMonth = 2,
                                    .endMonth = 6,
                                    .endYear = 2025,
                                    .valuta = 1,
                                    .iznos = 150,
                                    .prviDeo = 75,
                                    .drugiDeo = 75});
    data.rates(117.18, 121.4, 108.9);
    const auto unionMarko = data.participation(marko, union_, {2000, 1, 1});
    const auto unionAna = data.participation(ana, union_, {2000, 1, 1});
    db.run("UPDATE obustave_radnici SET Opis = 'član od 2019.' WHERE id_or = ?", unionAna);
    for (int month : {2, 3}) {
        const auto m = data.calculation(marko, 2024, month, false, 98500_din);
        data.withheld(m, false, bank, loanMarko, 3000_din);
        data.withheld(m, false, union_, unionMarko, 985_din);
        const auto a = data.calculation(ana, 2024, month, false, 76200_din);
        data.withheld(a, false, bank, loanAna, 8789_din);
        data.withheld(a, false, union_, unionAna, 762_din);
    }
    AppContext& context = company.context;
    db::Database& master = company.master();

    frmObustaveProc proc(context);
    auto* deductions = proc.findChild<QTreeWidget*>("listObustave");
    deductions->setCurrentItem(rowWithText(deductions, "Sindikat metalaca"));
    QTest::keyClick(&proc, Qt::Key_F6);
    grab(proc, "frmObustaveProc");

    frmObustaveRadnik perEmployee(context);
    perEmployee.setEmployee(ana);
    grab(perEmployee, "frmObustaveRadnik");

    frmObustaveMEsec month(context);
    const auto first = priceMonthDeductions(db, {ana, 2024, 3, DeductionPart::First, 38100_din});
    const auto second = priceMonthDeductions(db, {ana, 2024, 3, DeductionPart::Second, 38100_din});
    month.prikazi(ana, first.rows, second.rows);
    grab(month, "frmObustaveMEsec");

    frmObustaveKrediti creditors(context);
    QTest::keyClick(&creditors, Qt::Key_F6);
    grab(creditors, "frmObustaveKrediti");

    frmKrediti loan(context);
    loan.openLoan(loanMarko);
    grab(loan, "frmKrediti");

    frmKrediti_po_kreditorima byCreditor(context);
    byCreditor.setKreditor(bank);
    grab(byCreditor, "frmKrediti_po_kreditorima");

    frmPregledPoKreditima overview(context);
    overview.setPeriod(2024, 3, false);
    grab(overview, "frmPregledPoKreditima");

    const OverviewPeriod march{2024, 3, false};
    OverviewPrint print;
    print.company = *report::readCompanyData(master);
    print.place = "Šabac";
    print.date = {2024, 4, 5};
    print.period = march;
    const auto totals = creditorTotals(db, march);
    pdf(CreditorPaymentList(print, totals.front(), creditorPayments(db, march, bank)), "spisak");
    pdf(PaymentOrdersDocument(
            creditorPaymentOrders(loadPayer(db, master), totals, march, print.date),
            "NALOG ZA PRENOS"),
        "nalozi");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QApplication::setFont(QFont("DejaVu Sans", 10));
    registerWindows();
    deductionWindows();
    return failures == 0 ? 0 : 1;
}
