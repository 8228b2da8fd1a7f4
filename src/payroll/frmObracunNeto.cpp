#include "payroll/frmObracunNeto.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "employees/frmObustaveMEsec.h"
#include "payroll/BatchEntries.h"
#include "payroll/CalculationCaptions.h"
#include "payroll/CalculationPosting.h"
#include "ui/AmountBox.h"
#include "ui/Dialogs.h"
#include "ui/FiledMonthPermit.h"
#include "ui/WidgetKit.h"

namespace zarion::payroll {

using namespace ui;

namespace {

QString lineValue(const AmountLine& line, Currency value) {
    return line.kind == ColumnKind::Money ? amountText(value)
                                          : toQ(format(value, NumberFormat::General));
}

// Asked before an employee whose deductions exceed the net still to be paid is posted.
QString negativePayoutQuestion() {
    return "Iznos za isplatu je manji od nule: obustave su ve}e od NETO iznosa za isplatu. "
           "Da li ipak `elite da proknji`ite obra~un?"_q;
}

} // namespace

frmObracunNeto::frmObracunNeto(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , period_{context.CalcYear, context.CalcMonth,
              context.CalcFinal ? CalculationKind::Final : CalculationKind::Advance} {
    setObjectName("frmObracunNeto");
    setWindowTitle("Obracun zarada"_q);
    buildControls();
    previousYear_ = openPreviousYear(context_.payrollPath(period_.year - 1));
    auto opened = BatchMonth::open(*context_.PayrollDb, previousYear_.get(), period_);
    if (opened)
        month_.emplace(std::move(opened).value());
    else
        monthFailure_ = opened.message();
    UcitajRadnike();
}

frmObracunNeto::~frmObracunNeto() = default;

void frmObracunNeto::buildControls() {
    const bool final = period_.kind == CalculationKind::Final;
    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    auto button = [this](const char* name, const QString& text, void (frmObracunNeto::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    lblMesec = label("lblMesec", QString::number(period_.month));
    lblGodina = label("lblGodina", QString::number(period_.year));
    lblVrsta = label("lblVrsta", final ? "1 - KONA^NI OBRA^UN"_q : "0 - AKONTACIJA"_q);
    lblVrsta->setStyleSheet("font-weight: bold; color: #003399;");
    listZ = ui::makeList(this, "listZ", {"Prezime i ime"_q, "ID"_q});
    listZ->setColumnWidth(0, 200);
    ui::offerPopUpMenu(listZ);
    lblNeobracunato = label("lblNeobracunato", {});
    lblObracunato = label("lblObracunato", {});
    lblUkupno = label("lblUkupno", {});
    txtID_Radnik = new QLineEdit(this);
    txtID_Radnik->setObjectName("txtID_Radnik");
    lblRadnik = label("lblRadnik", {});
    lblPredat = ui::filedNoteLabel(this);
    tblUlaz = new QTableWidget(0, 2, this);
    tblUlaz->setObjectName("tblUlaz");
    tblUlaz->setHorizontalHeaderLabels({"Unos"_q, "Vrednost"_q});
    tblUlaz->verticalHeader()->hide();
    tblUlaz->verticalHeader()->setDefaultSectionSize(22);
    // the captions take what the values leave
    tblUlaz->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblUlaz->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    tblUlaz->setColumnWidth(1, 100);
    chkBezMinNeto = new QCheckBox("Bez min. NETO zarade"_q, this);
    chkBezMinNeto->setObjectName("chkBezMinNeto");
    chkBezMinNeto->setVisible(final);
    listRezultat = ui::makeList(
        this, "listRezultat",
        final ? QStringList{"Stavka"_q, "A - akontacija"_q, "K - ceo mesec"_q, "Za isplatu"_q}
              : QStringList{"Stavka"_q, "Akontacija"_q});
    listRezultat->setColumnWidth(0, 230);
    for (int c = 1; c < listRezultat->columnCount(); ++c) {
        listRezultat->setColumnWidth(c, 105);
        listRezultat->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    listObustave =
        ui::makeList(this, "listObustave", {"Kreditor"_q, "Iznos din"_q, "[ifra obustave"_q});
    listObustave->headerItem()->setToolTip(2, "id_or");
    listObustave->setColumnWidth(0, 160);
    lblObustave = label("lblObustave", {});
    lblZaIsplatu = label("lblZaIsplatu", {});
    lblZaIsplatu->setStyleSheet("font-weight: bold;");
    cmdIzNEto = button("cmdIzNEto", "Obracunaj"_q, &frmObracunNeto::cmdIzNEto_Click);
    cmdKnjiziAkontaciju =
        button("cmdKnjiziAkontaciju", "Knjizi akontaciju"_q, &frmObracunNeto::cmdKnjizi_Click);
    cmdKnjiziKonacni =
        button("cmdKnjiziKonacni", "Knjizi konacni obracun"_q, &frmObracunNeto::cmdKnjizi_Click);
    cmdKnjiziAkontaciju->setVisible(!final);
    cmdKnjiziKonacni->setVisible(final);
    cmdAUTO = button("cmdAUTO", "Obracunaj sve"_q, &frmObracunNeto::cmdAUTO_Click);
    cmdTromesecni =
        button("cmdTromesecni", "Prosek po satu"_q, &frmObracunNeto::cmdTromesecni_Click);
    cmdCena = button("cmdCena", "Cena rada"_q, &frmObracunNeto::cmdCena_Click);
    cmdObustave = button("cmdObustave", "Obustave"_q, &frmObracunNeto::cmdObustave_Click);

    connect(listZ, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            txtID_Radnik->setText(QString::number(item->data(0, Qt::UserRole).toLongLong()));
    });
    connect(txtID_Radnik, &QLineEdit::textChanged, this, &frmObracunNeto::txtID_Radnik_Change);
    connect(listRezultat, &QTreeWidget::itemDoubleClicked, this,
            &frmObracunNeto::listRezultat_DoubleClick);
    connect(listObustave, &QTreeWidget::itemDoubleClicked, this,
            &frmObracunNeto::listObustave_DoubleClick);

    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel("Mesec:"_q, this));
    header->addWidget(lblMesec);
    header->addWidget(new QLabel("Godina:"_q, this));
    header->addWidget(lblGodina);
    header->addSpacing(20);
    header->addWidget(lblVrsta);
    header->addStretch();
    header->addWidget(new QLabel("ID radnika:"_q, this));
    header->addWidget(txtID_Radnik);
    header->addWidget(lblRadnik);
    header->addWidget(lblPredat);

    auto* left = new QVBoxLayout;
    left->addWidget(listZ, 1);
    auto* counters = new QHBoxLayout;
    counters->addWidget(lblNeobracunato);
    counters->addWidget(lblObracunato);
    counters->addWidget(lblUkupno);
    left->addLayout(counters);

    auto* middle = new QVBoxLayout;
    middle->addWidget(tblUlaz, 1);
    middle->addWidget(chkBezMinNeto);

    auto* right = new QVBoxLayout;
    right->addWidget(listRezultat, 3);
    right->addWidget(listObustave, 1);
    right->addWidget(lblObustave);
    right->addWidget(lblZaIsplatu);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdIzNEto, cmdKnjiziAkontaciju, cmdKnjiziKonacni, cmdAUTO, cmdTromesecni,
                           cmdCena, cmdObustave})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(middle, 2);
    body->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setMinimumSize(1150, 600);
    resize(1450, 780); // the main window keeps it inside a smaller workspace
}

void frmObracunNeto::UcitajRadnike() {
    const std::int64_t selected = employeeId();
    const auto employees = monthEmployees(*context_.PayrollDb, period_);
    listZ->setUpdatesEnabled(false);
    listZ->clear();
    for (const BatchEmployee& employee : employees) {
        auto* item = ui::addRow(listZ, {employee.name, std::to_string(employee.id)}, employee.id);
        if (!employee.posted)
            ui::colourRow(item, Qt::red);
    }
    listZ->setUpdatesEnabled(true);
    const BatchCounters counters = countEmployees(employees);
    lblNeobracunato->setText("Neobracunato: "_q + QString::number(counters.notCalculated));
    lblObracunato->setText("Obracunato: "_q + QString::number(counters.calculated));
    lblUkupno->setText("Uk: "_q + QString::number(counters.total));
    lblPredat->setText(ui::filedNote(context_, period_.kind, period_.year, period_.month));
    if (selected != 0) {
        const QSignalBlocker blocker(listZ);
        ui::selectNumber(listZ, selected);
    }
}

std::optional<std::pair<qint64, QString>> frmObracunNeto::selectedEmployee() const {
    const QTreeWidgetItem* item = listZ->currentItem();
    if (!item)
        return std::nullopt;
    return std::make_pair(item->data(0, Qt::UserRole).toLongLong(), item->text(0));
}

void frmObracunNeto::clearEmployeeNumber() {
    txtID_Radnik->clear();
}

bool frmObracunNeto::monthReady() {
    if (!month_)
        message(this, toQ(monthFailure_), Icon::Critical);
    return month_.has_value();
}

std::int64_t frmObracunNeto::employeeId() const {
    return wholeValue(fromQ(txtID_Radnik->text()));
}

void frmObracunNeto::txtID_Radnik_Change() {
    input_.reset();
    calculation_.reset();
    overrides_ = {};
    lblRadnik->clear();
    if (month_ && employeeId() != 0) {
        auto loaded = employeeMonth(*month_, employeeId());
        if (loaded)
            input_ = std::move(loaded).value();
    }
    for (int row = 0; row < listZ->topLevelItemCount(); ++row)
        if (listZ->topLevelItem(row)->data(0, Qt::UserRole).toLongLong() == employeeId())
            lblRadnik->setText(listZ->topLevelItem(row)->text(0));
    showEntries();
    showCalculation();
}

void frmObracunNeto::showEntries() {
    const auto entries = monthEntries();
    tblUlaz->setRowCount(input_ ? static_cast<int>(entries.size()) : 0);
    if (!input_)
        return;
    for (int row = 0; row < tblUlaz->rowCount(); ++row) {
        const Field<SalaryInput>& field = *entries[static_cast<std::size_t>(row)];
        const QString column = toQ(std::string(field.name));
        auto* name = new QTableWidgetItem(toQ(columnCaption(field.name)));
        name->setFlags(Qt::ItemIsEnabled);
        name->setToolTip(column);
        tblUlaz->setItem(row, 0, name);
        auto* value = new QTableWidgetItem(toQ(entryText(*input_, field)));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setToolTip(column);
        tblUlaz->setItem(row, 1, value);
    }
}

void frmObracunNeto::readEntries() {
    const auto entries = monthEntries();
    for (int row = 0; row < tblUlaz->rowCount(); ++row)
        setEntry(*input_, *entries[static_cast<std::size_t>(row)],
                 fromQ(tblUlaz->item(row, 1)->text()));
}

void frmObracunNeto::showCalculation() {
    listRezultat->clear();
    listObustave->clear();
    lblObustave->clear();
    lblZaIsplatu->clear();
    if (!calculation_)
        return;
    const bool final = period_.kind == CalculationKind::Final;
    for (const AmountLine& line : amountLines(*calculation_)) {
        if (line.advance.isZero() && line.total.isZero())
            continue; // an element the month does not have
        const QString column = toQ(std::string(line.name));
        auto* item = ui::addRow(listRezultat, {columnCaption(line.name)}, 0);
        item->setData(0, Qt::UserRole, column);
        item->setToolTip(0, column);
        if (final) {
            item->setText(1, lineValue(line, line.advance));
            item->setText(2, lineValue(line, line.total));
            item->setText(3, lineValue(line, line.working));
        } else {
            item->setText(1, lineValue(line, line.total));
        }
        for (int c = 1; c < listRezultat->columnCount(); ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const employees::DeductionRow& row : calculation_->deductions)
        ui::addRow(
            listObustave,
            {row.kreditor, format(row.Iznos, NumberFormat::Grouped2), std::to_string(row.id_or)},
            row.id_or);
    lblObustave->setText("Ukupno obustave: "_q + amountText(calculation_->deductionsTotal()));
    lblZaIsplatu->setText("Za isplatu: "_q + amountText(calculation_->payout()));
    lblZaIsplatu->setStyleSheet(calculation_->payout().isNegative()
                                    ? "font-weight: bold; color: red;"
                                    : "font-weight: bold;");
}

BatchOptions frmObracunNeto::monthOptions() const {
    BatchOptions options;
    options.withoutMinimumNet = chkBezMinNeto->isChecked();
    options.withoutDeductions = context_.WithoutDeductions;
    return options;
}

employees::VariableAmountAsker frmObracunNeto::variableAmountAsker() {
    return [this](const employees::VariableDeductionQuestion& question) {
        return askNumber(this, toQ(question.prompt));
    };
}

void frmObracunNeto::recalculate() {
    if (!input_)
        return;
    BatchOptions options = monthOptions();
    options.averageHourly = overrides_.averageHourly;
    options.seniority = overrides_.seniority;
    auto calculated =
        calculateEmployee(*month_, employeeId(), *input_, options, variableAmountAsker());
    if (!calculated) {
        calculation_.reset();
        showCalculation();
        message(this, toQ(calculated.message()), Icon::Critical);
        return;
    }
    calculation_ = std::move(calculated).value();
    for (const std::string& error : calculation_->deductionErrors)
        message(this, toQ(error), Icon::Critical);
    showCalculation();
}

void frmObracunNeto::cmdIzNEto_Click() {
    if (!monthReady())
        return;
    if (!input_) {
        auto loaded = employeeMonth(*month_, employeeId());
        if (!loaded) {
            message(this, toQ(loaded.message()), Icon::Critical);
            return;
        }
        input_ = std::move(loaded).value();
        showEntries();
    }
    readEntries();
    recalculate();
}

void frmObracunNeto::cmdKnjizi_Click() {
    if (!monthReady())
        return;
    // posting writes the calculation on screen; without one the employee is calculated first
    if (!calculation_ || calculation_->employeeId != employeeId()) {
        cmdIzNEto_Click();
        if (!calculation_)
            return;
    }
    if (calculation_->payout().isNegative() && !ask(this, negativePayoutQuestion()))
        return;
    const auto permit = ui::permitChange(this, context_, period_.kind, period_.year, period_.month);
    if (!permit)
        return;
    const auto posted = postEmployee(*month_, *calculation_);
    if (!posted) {
        message(this, toQ(posted.message()), Icon::Critical);
        return;
    }
    message(this, "Knjizenje je zavrseno!"_q, Icon::Information);
    UcitajRadnike();
}

void frmObracunNeto::runBatch(const QString& caption,
                              const std::function<BatchRunReport(const ProgressCallback&)>& run,
                              const QString& done) {
    const auto permit = ui::permitChange(this, context_, period_.kind, period_.year, period_.month);
    if (!permit)
        return;
    QProgressDialog progress(caption, "Prekini"_q, 0, 1, this);
    progress.setObjectName("prgObracun");
    progress.setWindowTitle("Tarlen"_q);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    BatchRunReport report;
    try {
        report = run([&progress](const BatchProgress& at) {
            progress.setMaximum(at.total);
            if (at.done == at.total || at.done % 25 == 0)
                progress.setValue(at.done);
            return !progress.wasCanceled();
        });
    } catch (const std::exception& failure) {
        progress.reset();
        ui::showFailure(this, "cmdAUTO_Click", failure);
        return;
    }
    progress.reset();
    UcitajRadnike();
    if (!report.stopped.empty()) {
        message(this, toQ(report.stopped), Icon::Critical);
        return;
    }
    QString text = report.cancelled ? "Obracun je prekinut!"_q : done;
    for (const std::string& line : report.deductionErrors)
        text += "\n" + toQ(line);
    for (const SkippedEmployee& skipped : report.failures)
        text += "\n" + toQ(skipped.line());
    for (const std::string& name : report.negativePayouts)
        text += "\n" + "Iznos za isplatu je manji od nule: "_q + toQ(name);
    message(this, text, Icon::Information);
}

void frmObracunNeto::cmdAUTO_Click() {
    if (!monthReady())
        return;
    const BatchOptions options = monthOptions();
    runBatch(
        "Obracun svih radnika..."_q,
        [&](const ProgressCallback& progress) {
            return calculateAll(*month_, options, variableAmountAsker(), progress);
        },
        "Obracun je zavrsen za sve radnike!"_q);
}

void frmObracunNeto::repost(bool employerPensionOnly) {
    if (!monthReady() || (employerPensionOnly && period_.kind != CalculationKind::Final))
        return;
    const QString prompt = period_.kind == CalculationKind::Final
                               ? "Unesite sifru za ponovno knjizenje konacnog obracuna!"_q
                               : "Unesite sifru za ponovno knjizenje akontacija!"_q;
    if (!accessCodeAccepted(askNumber(this, prompt, QChar('#'))))
        return;
    const BatchOptions options = monthOptions();
    runBatch(
        "Ponovno knjizenje..."_q,
        [&](const ProgressCallback& progress) {
            return employerPensionOnly
                       ? repostEmployerPension(*month_, progress)
                       : repostAll(*month_, options, variableAmountAsker(), progress);
        },
        "Gotovo!"_q);
}

void frmObracunNeto::cmdTromesecni_Click() {
    if (!monthReady() || !input_)
        return;
    overrides_.averageHourly.reset();
    readEntries();
    input_->prosek_3_meseca = batchAverage(*month_, employeeId(), *input_);
    showEntries();
}

void frmObracunNeto::cmdCena_Click() {
    if (!input_)
        return;
    const auto price = monthPriceOfWork(*context_.PayrollDb, period_.year, period_.month);
    if (!price) {
        message(this, toQ(price.message()), Icon::Critical);
        return;
    }
    input_->cena_Rada = *price;
    showEntries();
}

void frmObracunNeto::cmdObustave_Click() {
    if (!calculation_)
        return;
    auto* window = new employees::frmObustaveMEsec(context_);
    std::vector<employees::DeductionRow> advanceRows;
    if (period_.kind == CalculationKind::Final) {
        if (const auto id =
                postedCalculationId(*context_.PayrollDb, {employeeId(), period_.year, period_.month,
                                                          CalculationKind::Advance}))
            advanceRows = employees::postedDeductions(*context_.PayrollDb, *id, true);
        window->prikazi(employeeId(), advanceRows, calculation_->deductions);
    } else {
        window->prikazi(employeeId(), calculation_->deductions, {});
    }
    ui::showBeside(this, window);
}

void frmObracunNeto::listRezultat_DoubleClick(QTreeWidgetItem* item) {
    if (!calculation_ || !item)
        return;
    const QString name = item->data(0, Qt::UserRole).toString();
    if (name == "prosek_3_meseca") {
        if (const auto amount = askNumber(this, "Unesite godisnji prosek po satu!"_q)) {
            overrides_.averageHourly = *amount;
            recalculate();
        }
    } else if (name == "minuli_rad") {
        if (const auto amount = askNumber(this, "Unesite vrednost za minuli rad!"_q)) {
            overrides_.seniority = *amount;
            recalculate();
        }
    } else if (name == "ukupno_obaveza") {
        if (const auto amount = askNumber(this, "Unesite ukupnu obavezu firme!"_q)) {
            auto backwards = fromTotalCost(calculation_->result, *amount, month_->parameters());
            if (!backwards) {
                message(this, toQ(backwards.message()), Icon::Critical);
                return;
            }
            calculation_->result = std::move(backwards).value();
            showCalculation();
        }
    }
}

void frmObracunNeto::listObustave_DoubleClick(QTreeWidgetItem* item) {
    if (!calculation_ || !item)
        return;
    const int row = listObustave->indexOfTopLevelItem(item);
    auto& line = calculation_->deductions.at(static_cast<std::size_t>(row));
    if (const auto amount = askNumber(this, "Unesite novi iznos za obustavu: "_q)) {
        line.Iznos = *amount;
        showCalculation();
    }
}

void frmObracunNeto::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_O:
            listObustave->setVisible(!listObustave->isVisible());
            return;
        case Qt::Key_A:
            repost(false);
            return;
        case Qt::Key_J:
            repost(true);
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace zarion::payroll
