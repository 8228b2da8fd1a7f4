#include "compensation/frmNagrade.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "compensation/AwardPaymentOrders.h"
#include "compensation/AwardPrints.h"
#include "compensation/BenefitWidgets.h"
#include "compensation/JubileeDeclaration.h"
#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/Text.h"
#include "employees/CodeLists.h"
#include "employees/frmTraziZaposlenog.h"
#include "outputs/PaymentOrders.h"
#include "outputs/frmPPPPD.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using namespace ui;

namespace {

QStringList listHeadings(AwardKind kind) {
    QStringList headings{"Prezime i ime"_q, "ID"_q, "BRUTO"_q, "Neoporezivi deo"_q, "Porez"_q};
    if (kind == AwardKind::Annual)
        headings << "PIO"_q
                 << "ZDR"_q
                 << "NEZ"_q;
    headings << "NETO"_q;
    if (kind == AwardKind::Annual)
        headings << "OBAVEZA"_q;
    return headings << "Banka"_q
                    << "Teku}i ra~un"_q
                    << "Partija"_q
                    << "ID_OOZ"_q;
}

std::string amount(Currency value) {
    return format(value, NumberFormat::Grouped2);
}

} // namespace

frmNagrade::frmNagrade(AppContext& context, AwardKind kind, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , kind_(kind)
    , cmbNalog(new QComboBox(this))
    , cmbBanka(new QComboBox(this))
    , listO(makeList(this, "listO", listHeadings(kind))) {
    const bool jubilee = kind == AwardKind::Jubilee;
    setObjectName(jubilee ? "frmJubilarne" : "frmGodisnje");
    setWindowTitle(toQ(awardKindCaption(kind)));
    cmbNalog->setObjectName("cmbNalog");
    cmbBanka->setObjectName("cmbBanka");
    listO->setColumnWidth(0, 200);

    auto* fraObracun = new QGroupBox("Obra~un"_q, this);
    auto* form = new QFormLayout(fraObracun);
    txtID_Radnik = employeeBox(fraObracun, form, lblIme);
    QPushButton* cmdTrazi = commandButton(fraObracun, "Tra`i"_q, "cmdTrazi");
    int nameRow = 0;
    QFormLayout::ItemRole nameRole{};
    form->getWidgetPosition(lblIme, &nameRow, &nameRole);
    form->setWidget(nameRow, QFormLayout::LabelRole, cmdTrazi); // beside the name it finds
    txtNeto = formBox(fraObracun, form, "NETO:"_q, "txtNeto");
    txtBruto = formBox(fraObracun, form, "BRUTO:"_q, "txtBruto");
    lblObracun = new QLabel(fraObracun);
    lblObracun->setObjectName("lblObracun");
    form->addRow(lblObracun);
    lblPredat = filedNoteLabel(fraObracun);
    form->addRow(lblPredat);
    QPushButton* cmdIzNeta = commandButton(fraObracun, "Iz neta"_q, "cmdIzNeta");
    QPushButton* cmdIzBruta = commandButton(fraObracun, "Iz bruta"_q, "cmdIzBruta");
    QPushButton* cmdProknjizi = commandButton(fraObracun, "Proknji`i"_q, "cmdProknjizi");
    auto* calcCommands = new QHBoxLayout;
    calcCommands->addWidget(cmdIzNeta);
    calcCommands->addWidget(cmdIzBruta);
    calcCommands->addWidget(cmdProknjizi);
    form->addRow(calcCommands);

    QPushButton* cmdNoviNalog = commandButton(this, "Novi nalog"_q, "cmdNoviNalog");
    QPushButton* cmdStampa = commandButton(this, "[tampa spiska"_q, "cmdStampa");
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Nalog:"_q, this));
    top->addWidget(cmbNalog, 1);
    top->addWidget(cmdNoviNalog);
    top->addWidget(new QLabel("Banka:"_q, this));
    top->addWidget(cmbBanka);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdStampa);
    QPushButton* cmdSpecifikacija = commandButton(this, "Specifikacija"_q, "cmdSpecifikacija");
    connect(cmdSpecifikacija, &QPushButton::clicked, this, [this] {
        guarded(this, "cmdSpecifikacija_Click", [&] {
            preview(this, context_,
                    awardTaxSpecification(*context_.PayrollDb, companyOf(context_),
                                          context_.logoPath(), payments_));
        });
    });
    commands->addWidget(cmdSpecifikacija);
    QPushButton* cmdNalozi = commandButton(this, "Nalozi za pla}anje"_q, "cmdNalozi");
    connect(cmdNalozi, &QPushButton::clicked, this, &frmNagrade::cmdNalozi_Click);
    commands->addWidget(cmdNalozi);
    if (jubilee) {
        QPushButton* cmdPPPPD = commandButton(this, "PPP-PD"_q, "cmdPPPPD");
        connect(cmdPPPPD, &QPushButton::clicked, this, &frmNagrade::cmdPPPPD_Click);
        commands->addWidget(cmdPPPPD);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(listO, 1);
    left->addLayout(commands);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(fraObracun, 1);
    resize(1100, 520);

    connect(cmbNalog, &QComboBox::currentIndexChanged, this, &frmNagrade::UcitajObracune);
    connect(cmbBanka, &QComboBox::currentIndexChanged, this, &frmNagrade::UcitajObracune);
    connect(cmdNoviNalog, &QPushButton::clicked, this, &frmNagrade::cmdNoviNalog_Click);
    connect(txtID_Radnik, &QLineEdit::editingFinished, this, &frmNagrade::showEmployee);
    connect(cmdTrazi, &QPushButton::clicked, this, [this] {
        guarded(this, "cmdTrazi_Click", [&] {
            if (employees::chooseEmployeeInto(*txtID_Radnik, *context_.PayrollDb))
                showEmployee();
        });
    });
    connect(cmdIzNeta, &QPushButton::clicked, this, [this] { calculate(true); });
    connect(cmdIzBruta, &QPushButton::clicked, this, [this] { calculate(false); });
    connect(cmdProknjizi, &QPushButton::clicked, this, &frmNagrade::cmdProknjizi_Click);
    connect(listO, &QTreeWidget::itemDoubleClicked, this, &frmNagrade::listO_DblClick);
    connect(cmdStampa, &QPushButton::clicked, this, &frmNagrade::cmdStampa_Click);
    guarded(this, "Form_Load", [&] {
        cmbBanka->addItem("Podrazumevana"_q, 0);
        for (const employees::Bank& bank : employees::listBanks(*context_.PayrollDb))
            cmbBanka->addItem(toQ(bank.name), QVariant::fromValue(bank.id));
    });
    UcitajNaloge();
}

std::optional<AwardOrder> frmNagrade::chosenOrder() const {
    const int index = cmbNalog->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= orders_.size())
        return std::nullopt;
    return orders_[static_cast<std::size_t>(index)];
}

void frmNagrade::UcitajNaloge() {
    {
        const QSignalBlocker block(cmbNalog);
        cmbNalog->clear();
        guarded(this, "UcitajNaloge", [&] {
            orders_ = awardOrders(*context_.PayrollDb, kind_);
            for (const AwardOrder& order : orders_)
                cmbNalog->addItem(toQ(order.caption()));
        });
    }
    UcitajObracune();
}

std::vector<AwardPayment> frmNagrade::paidThroughChosenBank() const {
    return paidThroughBank(payments_, cmbBanka->currentData().toLongLong());
}

void frmNagrade::UcitajObracune() {
    listO->clear();
    payments_.clear();
    lblPredat->clear();
    const auto order = chosenOrder();
    if (!order)
        return;
    guarded(this, "UcitajObracune", [&] {
        lblPredat->setText(orderFiledNote(context_, order->Datum));
        payments_ = awardPayments(*context_.PayrollDb, order->id_noz);
        for (const AwardPayment& p : paidThroughChosenBank()) {
            const AwardFigures& f = p.figures;
            std::vector<std::string> texts{p.name, std::to_string(p.ID_RADNIK), amount(f.gross),
                                           amount(f.nonTaxable), amount(f.tax)};
            if (kind_ == AwardKind::Annual)
                for (Currency c : {f.pio, f.health, f.unemployment})
                    texts.push_back(amount(c));
            texts.push_back(amount(f.net));
            if (kind_ == AwardKind::Annual)
                texts.push_back(amount(f.obligation()));
            for (const std::string& text :
                 {p.bank, p.account, std::string(), std::to_string(p.id_ooz)})
                texts.push_back(text);
            QTreeWidgetItem* item = addRow(listO, texts, p.id_ooz);
            const int amounts = kind_ == AwardKind::Annual ? 8 : 4;
            for (int c = 2; c < 2 + amounts; ++c)
                item->setTextAlignment(c, Qt::AlignRight);
        }
    });
}

void frmNagrade::cmdNoviNalog_Click() {
    const auto date = askDate(this, "Unesite datum naloga"_q);
    if (!date)
        return;
    const auto name =
        askText(this, "Unesite naziv naloga"_q, toQ(awardKindCaption(kind_).substr(4)));
    if (!name)
        return;
    const auto nonTaxable = askNumber(this, "Unesite neoporezivi iznos"_q);
    if (!nonTaxable)
        return;
    const auto permit =
        permitOrderChange(this, context_, {date->year(), date->month(), date->day()});
    if (!permit)
        return;
    guarded(this, "cmdNoviNalog_Click", [&] {
        const auto order =
            createAwardOrder(*context_.PayrollDb, kind_, {date->year(), date->month(), date->day()},
                             fromQ(name->trimmed()), *nonTaxable);
        if (!order) {
            showRefusal(this, order.refusal());
            return;
        }
        UcitajNaloge();
        cmbNalog->setCurrentIndex(0);
    });
}

void frmNagrade::showEmployee() {
    figures_.reset();
    lblObracun->clear();
    guarded(this, "txtID_Radnik_LostFocus", [&] {
        const auto order = chosenOrder();
        if (!showEmployeeName(context_, txtID_Radnik, lblIme) || !order)
            return;
        if (const auto paid =
                awardPayment(*context_.PayrollDb, order->id_noz, typedNumber(txtID_Radnik))) {
            txtNeto->setText(shownAmount(paid->figures.net));
            txtBruto->setText(shownAmount(paid->figures.gross));
        }
    });
}

void frmNagrade::calculate(bool fromNet) {
    const auto order = chosenOrder();
    if (!order) {
        message(this, "Niste uneli potrebne podatke!"_q, Icon::Exclamation);
        return;
    }
    const bool jubilee = kind_ == AwardKind::Jubilee;
    const Currency typed = typedAmount(fromNet ? txtNeto : txtBruto);
    const auto figures =
        fromNet ? (jubilee ? jubileeFromNet : annualFromNet)(typed, order->rates())
                : (jubilee ? jubileeFromGross : annualFromGross)(typed, order->rates());
    if (!figures) {
        showRefusal(this, figures.refusal());
        return;
    }
    figures_ = *figures;
    txtNeto->setText(shownAmount(figures->net));
    txtBruto->setText(shownAmount(figures->gross));
    QString shown = "Neoporezivo: "_q + shownAmount(figures->nonTaxable) + "\nPorez: "_q +
                    shownAmount(figures->tax);
    if (!jubilee)
        shown += "\nDoprinosi: "_q + shownAmount(figures->contributions()) + "\nObaveza: "_q +
                 shownAmount(figures->obligation());
    lblObracun->setText(shown);
}

void frmNagrade::cmdProknjizi_Click() {
    const auto order = chosenOrder();
    if (!figures_)
        calculate(true);
    if (!figures_ || !order) {
        message(this, "Niste uneli potrebne podatke!"_q, Icon::Exclamation);
        return;
    }
    const auto permit = permitOrderChange(this, context_, order->Datum);
    if (!permit)
        return;
    guarded(this, "cmdProknjizi_Click", [&] {
        if (const auto refused = postAwardPayment(*context_.PayrollDb, *order,
                                                  typedNumber(txtID_Radnik), *figures_)) {
            showRefusal(this, *refused);
            return;
        }
        figures_.reset();
        for (QLineEdit* box : {txtID_Radnik, txtNeto, txtBruto})
            box->clear();
        lblIme->clear();
        lblObracun->clear();
        UcitajObracune();
        txtID_Radnik->setFocus();
    });
}

void frmNagrade::listO_DblClick(QTreeWidgetItem* item) {
    const auto order = chosenOrder();
    if (!item || !order)
        return;
    const long long id = item->data(0, Qt::UserRole).toLongLong();
    for (const AwardPayment& p : payments_) {
        if (p.id_ooz != id || !ask(this, toQ(awardRemovalQuestion(p, order->id_noz))))
            continue;
        const auto permit = permitOrderChange(this, context_, order->Datum);
        if (!permit)
            return;
        guarded(this, "listO_DblClick", [&] {
            deleteAwardPayment(*context_.PayrollDb, id);
            message(this, "Brisanje je zavrseno!"_q, Icon::Information);
        });
        UcitajObracune();
        return;
    }
}

void frmNagrade::cmdStampa_Click() {
    const auto order = chosenOrder();
    if (!order)
        return;
    guarded(this, "cmdStampa_Click", [&] {
        preview(this, context_,
                awardPaymentList(companyOf(context_), context_.logoPath(), *order,
                                 paidThroughChosenBank()));
    });
}

void frmNagrade::cmdNalozi_Click() {
    const auto order = chosenOrder();
    if (!order)
        return;
    guarded(this, "cmdNalozi_Click", [&] {
        const auto written =
            ordersFromAwards(*context_.PayrollDb, context_.CompanyMasterDb.get(), *order);
        if (!written) {
            showRefusal(this, written.refusal());
            return;
        }
        message(this, toQ(outputs::ordersGeneratedMessage()), Icon::Information);
    });
}

void frmNagrade::cmdPPPPD_Click() {
    const auto order = chosenOrder();
    if (!order)
        return;
    guarded(this, "cmdPPPPD_Click", [&] {
        JubileeDeclaration producer(*context_.PayrollDb, *order);
        auto filled = producer.fill();
        if (!filled) {
            showRefusal(this, filled.refusal());
            return;
        }
        auto* window = new outputs::frmPPPPD(context_);
        window->fill(std::move(filled).value(), jubileeRates(*order));
        showBeside(this, window);
    });
}

void frmNagrade::keyPressEvent(QKeyEvent* event) {
    if (!closedOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace zarion::compensation
