#include "employees/frmIzvZaposleni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/AppContext.h"
#include "core/NumericText.h"
#include "employees/CodeListPickers.h"
#include "employees/EmployeeRecord.h"
#include "employees/EmployeeSearch.h"
#include "employees/EmployeeStatementReports.h"
#include "employees/EmployeeStatements.h"
#include "employees/RegisterWindow.h"
#include "employees/ReportCompany.h"
#include "employees/frmTraziZaposlenog.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using ui::operator""_q;
using ui::fromQ;
using ui::toQ;

namespace {

QLineEdit* smallBox(QWidget* parent, const char* name, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(width);
    return box;
}

int whole(const QLineEdit* box) {
    return static_cast<int>(wholeValue(fromQ(box->text())));
}

} // namespace

frmIzvZaposleni::frmIzvZaposleni(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , txtID_Radnik_(smallBox(this, "txtID_Radnik", 80))
    , cmdTrazi_(new QPushButton("Tra`i..."_q, this))
    , lblRadnik_(new QLabel(this))
    , txtMesecOd_(smallBox(this, "txtMesecOd", 40))
    , txtGodinaOd_(smallBox(this, "txtGodinaOd", 60))
    , txtMesecDo_(smallBox(this, "txtMesecDo", 40))
    , txtGodinaDo_(smallBox(this, "txtGodinaDo", 60))
    , listIzv_(new QTreeWidget(this)) {
    setObjectName("frmIzvZaposleni");
    setWindowTitle("Izve{taji po zaposlenima"_q);
    cmdTrazi_->setObjectName("cmdTrazi");
    lblRadnik_->setObjectName("lblRadnik");
    lblRadnik_->setMinimumWidth(260);
    txtMesecOd_->setText("1");
    txtGodinaOd_->setText(QString::number(context.WorkYear));
    txtMesecDo_->setText("12");
    txtGodinaDo_->setText(QString::number(context.WorkYear));

    listIzv_->setObjectName("listIzv");
    QStringList headings;
    for (const std::string& heading : statementHeadings())
        headings << toQ(heading);
    listIzv_->setHeaderLabels(headings);
    listIzv_->setRootIsDecorated(false);
    listIzv_->setAllColumnsShowFocus(true);
    listIzv_->setUniformRowHeights(true);
    for (int c = 0; c < headings.size(); ++c)
        listIzv_->setColumnWidth(
            c, std::max(c < 3 ? 60 : 100, listIzv_->header()->sectionSizeHint(c) + 8));

    auto* cmdPrikazi = new QPushButton("Prika`i"_q, this);
    cmdPrikazi->setObjectName("cmdPrikazi");
    auto* cmdPotvrda = new QPushButton("Potvrda o visini zarade"_q, this);
    cmdPotvrda->setObjectName("cmdPotvrda");
    auto* cmdPPPPO = new QPushButton("Obrazac PPP-PO"_q, this);
    cmdPPPPO->setObjectName("cmdPPPPO");
    connect(cmdTrazi_, &QPushButton::clicked, this, [this] {
        if (chooseEmployeeInto(*txtID_Radnik_, *context_.PayrollDb))
            cmdPrikazi_Click();
    });
    connect(txtID_Radnik_, &QLineEdit::textChanged, this, &frmIzvZaposleni::employeeChanged);
    connect(cmdPrikazi, &QPushButton::clicked, this, &frmIzvZaposleni::cmdPrikazi_Click);
    connect(cmdPotvrda, &QPushButton::clicked, this, &frmIzvZaposleni::cmdPotvrda_Click);
    connect(cmdPPPPO, &QPushButton::clicked, this, &frmIzvZaposleni::cmdPPPPO_Click);

    auto* choice = new QGridLayout;
    choice->addWidget(new QLabel("Zaposleni (ID):", this), 0, 0);
    choice->addWidget(txtID_Radnik_, 0, 1);
    choice->addWidget(cmdTrazi_, 0, 2);
    choice->addWidget(lblRadnik_, 0, 3, 1, 4);
    choice->addWidget(new QLabel("Period od (mesec/godina):", this), 1, 0);
    choice->addWidget(txtMesecOd_, 1, 1);
    choice->addWidget(txtGodinaOd_, 1, 2);
    choice->addWidget(new QLabel("do:", this), 1, 3, Qt::AlignRight);
    choice->addWidget(txtMesecDo_, 1, 4);
    choice->addWidget(txtGodinaDo_, 1, 5);
    choice->setColumnStretch(7, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrikazi);
    buttons->addStretch();
    buttons->addWidget(cmdPotvrda);
    buttons->addWidget(cmdPPPPO);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(listIzv_);
    layout->addLayout(buttons);
    ui::SelectAllOnFocus::installAll(this);
    resize(1220, 480);
}

void frmIzvZaposleni::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) && event->key() == Qt::Key_T) {
        cmdTrazi_->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        ui::closeWindow(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmIzvZaposleni::employeeChanged() {
    const std::int64_t id = wholeValue(fromQ(txtID_Radnik_->text()));
    lblRadnik_->clear();
    listIzv_->clear();
    if (id > 0)
        ui::guarded(this, "employeeChanged",
                    [&] { lblRadnik_->setText(toQ(employeeName(*context_.PayrollDb, id))); });
}

std::optional<std::int64_t> frmIzvZaposleni::chosenEmployee() {
    const std::int64_t id = wholeValue(fromQ(txtID_Radnik_->text()));
    if (id <= 0 || !loadEmployee(*context_.PayrollDb, id)) {
        ui::message(this, "Niste odabrali zaposlenog!"_q, ui::Icon::Exclamation);
        txtID_Radnik_->setFocus();
        return std::nullopt;
    }
    return id;
}

std::optional<StatementPeriod> frmIzvZaposleni::chosenPeriod() {
    const StatementPeriod period{whole(txtMesecOd_), whole(txtGodinaOd_), whole(txtMesecDo_),
                                 whole(txtGodinaDo_)};
    if (const auto refusal = checkPeriod(period)) {
        ui::showRefusal(this, *refusal);
        txtMesecOd_->setFocus();
        return std::nullopt;
    }
    return period;
}

std::optional<std::pair<std::int64_t, StatementPeriod>> frmIzvZaposleni::chosenEmployeeAndPeriod() {
    const auto id = chosenEmployee();
    if (!id)
        return std::nullopt;
    const auto period = chosenPeriod();
    if (!period)
        return std::nullopt;
    return std::pair{*id, *period};
}

void frmIzvZaposleni::cmdPrikazi_Click() {
    ui::guarded(this, "cmdPrikazi_Click", [&] {
        const auto chosen = chosenEmployeeAndPeriod();
        if (!chosen)
            return;
        const auto& [id, period] = *chosen;
        listIzv_->clear();
        const int columns = static_cast<int>(statementHeadings().size());
        QList<QTreeWidgetItem*> items;
        for (const StatementMonth& month : statementMonths(*context_.PayrollDb, id, period)) {
            auto* item = new QTreeWidgetItem;
            for (int c = 0; c < columns; ++c) {
                item->setText(c, toQ(statementText(month, c)));
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            }
            items.append(item);
        }
        listIzv_->addTopLevelItems(items);
    });
}

void frmIzvZaposleni::cmdPotvrda_Click() {
    ui::guarded(this, "cmdPotvrda_Click", [&] {
        const auto chosen = chosenEmployeeAndPeriod();
        if (!chosen)
            return;
        const auto& [id, period] = *chosen;
        db::Database& db = *context_.PayrollDb;
        const ReportCompany company = reportCompany(context_);
        report::showPreview(this,
                            salaryCertificate(company.data, company.logo, *loadEmployee(db, id),
                                              period, statementMonths(db, id, period)),
                            context_.PrinterName);
    });
}

void frmIzvZaposleni::cmdPPPPO_Click() {
    ui::guarded(this, "cmdPPPPO_Click", [&] {
        const auto chosen = chosenEmployeeAndPeriod();
        if (!chosen)
            return;
        const auto& [id, period] = *chosen;
        const auto issued = ui::askDate(this, "Unesite datum izdavanja!"_q);
        if (!issued)
            return;
        db::Database& db = *context_.PayrollDb;
        const int year = period.toYear;
        report::showPreview(this,
                            pppPoForm(reportCompany(context_).data, *loadEmployee(db, id), year,
                                      annualIncomes(db, id, year), fromQDate(*issued)),
                            context_.PrinterName);
    });
}

} // namespace zarion::employees
