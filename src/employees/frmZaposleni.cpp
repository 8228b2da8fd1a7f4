#include "employees/frmZaposleni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "employees/AuxiliaryImport.h"
#include "employees/CodeListPickers.h"
#include "employees/EmployeeListModel.h"
#include "employees/EmployeeListReport.h"
#include "employees/EmployeePanel.h"
#include "employees/EmployeeRecord.h"
#include "employees/EmployeeTexts.h"
#include "employees/ReportCompany.h"
#include "employees/frmObustaveRadnik.h"
#include "employees/frmZanimanje.h"
#include "report/qt/SpreadsheetExport.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::employees {

using ui::operator""_q;
using ui::toQ;

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

frmZaposleni::frmZaposleni(AppContext& context, QWidget* parent)
    : RegisterWindow(parent)
    , context_(context)
    , model_(new EmployeeListModel(this))
    , stack_(new QStackedWidget(this))
    , panel_(new EmployeePanel(context.clock, this)) {
    setObjectName("frmZaposleni");
    setWindowTitle("Zaposleni"_q);

    stack_->addWidget(buildList());
    stack_->addWidget(panel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stack_);

    connect(panel_->cmdSnimi, &QPushButton::clicked, this, &frmZaposleni::cmdSnimi_Click);
    connect(panel_->cmdObustave, &QPushButton::clicked, this, &frmZaposleni::cmdObustave_Click);
    resize(1180, 620);

    ui::guarded(this, "Form_Load", [this] {
        fillUnitPicker(*cmbRJFilter_, *context_.PayrollDb, AllUnits::SveRJ);
        panel_->loadPickers(*context_.PayrollDb);
        UcitajRadnike();
    });
    // The filters act at once.
    connect(cmbRJFilter_, &QComboBox::currentIndexChanged, this, &frmZaposleni::UcitajRadnike);
    connect(cmbTipFilter_, &QComboBox::currentIndexChanged, this, &frmZaposleni::UcitajRadnike);
    connect(cmbOdredjenoFilter_, &QComboBox::currentIndexChanged, this,
            &frmZaposleni::UcitajRadnike);
    connect(chkNeaktivni_, &QCheckBox::toggled, this, &frmZaposleni::UcitajRadnike);
}

frmZaposleni::~frmZaposleni() = default;

QWidget* frmZaposleni::buildList() {
    auto* page = new QWidget(this);
    cmbRJFilter_ = new QComboBox(page);
    cmbRJFilter_->setObjectName("cmbRJFilter");
    cmbRJFilter_->setMinimumContentsLength(22);
    cmbTipFilter_ = new QComboBox(page);
    cmbTipFilter_->setObjectName("cmbTipFilter");
    for (const std::string& entry : typeFilterEntries())
        cmbTipFilter_->addItem(toQ(entry));
    cmbTipFilter_->setCurrentIndex(cmbTipFilter_->count() - 1); // every type
    cmbOdredjenoFilter_ = new QComboBox(page);
    cmbOdredjenoFilter_->setObjectName("cmbOdredjenoFilter");
    for (const std::string& entry : termFilterEntries())
        cmbOdredjenoFilter_->addItem(toQ(entry));
    chkNeaktivni_ = new QCheckBox("Prika`i i neaktivne"_q, page);
    chkNeaktivni_->setObjectName("chkNeaktivni");

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel("Radna jedinica:", page));
    filters->addWidget(cmbRJFilter_);
    filters->addWidget(new QLabel("Tip:", page));
    filters->addWidget(cmbTipFilter_);
    filters->addWidget(new QLabel("Radni odnos:", page));
    filters->addWidget(cmbOdredjenoFilter_);
    filters->addWidget(chkNeaktivni_);
    filters->addStretch();

    listZ_ = new QTreeView(page);
    listZ_->setObjectName("listZ");
    listZ_->setModel(model_);
    listZ_->setRootIsDecorated(false);
    listZ_->setUniformRowHeights(true);
    listZ_->setAllColumnsShowFocus(true);
    listZ_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listZ_->setSelectionMode(QAbstractItemView::SingleSelection);
    listZ_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listZ_->header()->setSortIndicator(ColId, Qt::AscendingOrder);
    listZ_->setSortingEnabled(true);
    const int widths[ListColumnCount] = {230, 50, 0, 150, 95, 85, 60, 95, 70};
    for (int c = 0; c < ListColumnCount; ++c)
        listZ_->setColumnWidth(c, widths[c]);
    // The whole personal number, whatever the font.
    listZ_->setColumnWidth(
        ColJmbg, listZ_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")) +
                     3 * listZ_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 16);
    watchList(listZ_);
    connect(listZ_, &QTreeView::doubleClicked, this, [this] { onEdit(); });

    lblUkupno_ = new QLabel(page);
    lblUkupno_->setObjectName("lblUkupno");
    auto* cmdStampa = button(page, "cmdStampa", "[tampa"_q);
    auto* cmdExcel = button(page, "cmdExcel", "Excel"_q);
    auto* cmdOsvezi = button(page, "cmdOsvezi", "Osve`i"_q);
    auto* cmdZanimanje = button(page, "cmdZanimanje", "Zanimanje"_q);
    connect(cmdStampa, &QPushButton::clicked, this, &frmZaposleni::cmdStampa_Click);
    connect(cmdExcel, &QPushButton::clicked, this, &frmZaposleni::cmdExcel_Click);
    connect(cmdOsvezi, &QPushButton::clicked, this, &frmZaposleni::UcitajRadnike);
    connect(cmdZanimanje, &QPushButton::clicked, this, &frmZaposleni::cmdZanimanje_Click);

    QStringList legend;
    for (const std::string& line : registerKeyLegend())
        legend << toQ(line);
    legend << "CTRL + O - op{tina svima"_q
           << "Esc - Izlaz"_q;
    auto* lblLegenda = new QLabel(legend.join("    "), page);
    lblLegenda->setObjectName("lblLegenda");
    lblLegenda->setWordWrap(true);

    auto* footer = new QHBoxLayout;
    footer->addWidget(lblUkupno_);
    footer->addStretch();
    for (QPushButton* b : {cmdZanimanje, cmdOsvezi, cmdExcel, cmdStampa})
        footer->addWidget(b);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(listZ_);
    layout->addLayout(footer);
    layout->addWidget(lblLegenda);
    return page;
}

ListFilter frmZaposleni::filter() const {
    ListFilter f;
    f.unit = pickedNumber(*cmbRJFilter_);
    const int type = cmbTipFilter_->currentIndex();
    if (type >= 0 && type < cmbTipFilter_->count() - 1)
        f.calcType = type;
    f.term = static_cast<TermFilter>(std::max(0, cmbOdredjenoFilter_->currentIndex()));
    f.includeInactive = chkNeaktivni_->isChecked();
    return f;
}

void frmZaposleni::UcitajRadnike() {
    const std::int64_t keep = selectedId();
    ui::guarded(this, "UcitajRadnike",
                [this] { model_->setRows(loadEmployeeList(*context_.PayrollDb, filter())); });
    lblUkupno_->setText(toQ(shownCountText(model_->rows().size())));
    select(keep);
}

std::int64_t frmZaposleni::selectedId() const {
    return model_->idAt(listZ_->currentIndex().row());
}

void frmZaposleni::select(std::int64_t id) {
    const int row = std::max(0, model_->rowOf(id));
    if (row < model_->rowCount())
        listZ_->setCurrentIndex(model_->index(row, 0));
}

bool frmZaposleni::panelOpen() const {
    return stack_->currentWidget() == panel_;
}

void frmZaposleni::closePanel() {
    stack_->setCurrentIndex(0);
    editing_.reset();
    listZ_->setFocus();
}

void frmZaposleni::onNew() {
    ui::guarded(this, "onNew", [this] { panel_->loadPickers(*context_.PayrollDb); });
    panel_->startNew();
    panel_->cmdSnimi->setText("Snimi"_q);
    panel_->cmdObustave->setEnabled(false);
    editing_.reset();
    stack_->setCurrentWidget(panel_);
    panel_->focusField(MissingField::Field::Prezime);
}

void frmZaposleni::onEdit() {
    const std::int64_t id = selectedId();
    if (id == 0)
        return;
    ui::guarded(this, "onEdit", [this, id] {
        const auto employee = loadEmployee(*context_.PayrollDb, id);
        if (!employee) {
            ui::message(this, "Greska kod pronalazenja radnika u bazi!"_q, ui::Icon::Critical);
            return;
        }
        panel_->loadPickers(*context_.PayrollDb);
        panel_->showEmployee(*employee);
        panel_->cmdSnimi->setText("A`uriraj"_q);
        panel_->cmdObustave->setEnabled(true);
        editing_ = id;
        stack_->setCurrentWidget(panel_);
        panel_->focusField(MissingField::Field::Prezime);
    });
}

void frmZaposleni::cmdSnimi_Click() {
    const EmployeeForm form = panel_->form();
    if (const auto missing = checkMandatoryFields(form)) {
        ui::message(this, toQ(missing->message), ui::Icon::Exclamation);
        panel_->focusField(missing->field);
        return;
    }
    ui::guarded(this, "cmdSnimi_Click", [this, &form] {
        const SavedEmployee saved = saveEmployee(*context_.PayrollDb, form, editing_);
        if (saved.refusal) {
            ui::showRefusal(this, *saved.refusal);
            return;
        }
        closePanel();
        UcitajRadnike();
        select(saved.id);
    });
}

// The standing deductions and loans of the employee in the panel, in a window of their own.
void frmZaposleni::cmdObustave_Click() {
    if (!editing_)
        return;
    auto* deductions = new frmObustaveRadnik(context_);
    deductions->setEmployee(*editing_);
    ui::showBeside(this, deductions);
}

void frmZaposleni::onRemove() {
    const std::int64_t id = selectedId();
    if (id == 0)
        return;
    ui::guarded(this, "onRemove", [this, id] {
        db::Database& db = *context_.PayrollDb;
        if (const auto refusal = employeeRemovalRefusal(db, id)) {
            ui::showRefusal(this, *refusal);
            return;
        }
        if (!ui::ask(this, toQ(employeeRemovalQuestion())))
            return;
        const int row = listZ_->currentIndex().row();
        if (const auto refusal = removeEmployee(db, id)) {
            ui::showRefusal(this, *refusal);
            return;
        }
        UcitajRadnike();
        select(model_->idAt(std::min(row, model_->rowCount() - 1)));
    });
}

bool frmZaposleni::onOtherKey(QKeyEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_T:
        if (panelOpen())
            importFromAuxiliary();
        return true;
    case Qt::Key_P:
        if (!panelOpen())
            toggleOwner();
        return true;
    case Qt::Key_O:
        if (!panelOpen())
            municipalityForAll();
        return true;
    default:
        return false;
    }
}

void frmZaposleni::importFromAuxiliary() {
    const auto mbr = ui::askNumber(this, "Unesite MBR zaposlenog!"_q);
    if (!mbr || mbr->round0().isZero())
        return;
    const std::int64_t number = mbr->round0().raw() / Currency::Scale;
    ui::guarded(this, "importFromAuxiliary", [this, number] {
        const ImportResult result =
            employees::importFromAuxiliary(auxiliaryDatabasePath(context_.companyFolder()), number);
        if (result.refusal) {
            ui::showRefusal(this, *result.refusal);
            return;
        }
        panel_->takeImported(*result.employee);
    });
}

void frmZaposleni::toggleOwner() {
    const std::int64_t id = selectedId();
    if (id == 0)
        return;
    ui::guarded(this, "toggleOwner", [this, id] {
        db::Database& db = *context_.PayrollDb;
        const OwnerQuestion question = ownerToggleQuestion(db, id);
        if (question.refusal) {
            ui::showRefusal(this, *question.refusal);
            return;
        }
        if (!ui::ask(this, toQ(question.question)))
            return;
        employees::toggleOwner(db, id);
        UcitajRadnike();
    });
}

void frmZaposleni::municipalityForAll() {
    const auto code = ui::askNumber(this, "Unesite sifru opstine"_q);
    if (!code || code->round0().isZero())
        return;
    ui::guarded(this, "municipalityForAll", [this, &code] {
        setMunicipalityForAll(*context_.PayrollDb, code->round0().raw() / Currency::Scale);
    });
}

void frmZaposleni::cmdStampa_Click() {
    ui::guarded(this, "cmdStampa_Click", [this] {
        const ReportCompany company = reportCompany(context_);
        const std::string title =
            employeeListTitle(filter(), ui::fromQ(cmbRJFilter_->currentText()));
        report::showPreview(this,
                            employeeListReport(company.data, company.logo, title, model_->rows()),
                            context_.PrinterName);
    });
}

void frmZaposleni::cmdExcel_Click() {
    ui::guarded(this, "cmdExcel_Click", [this] {
        const auto result =
            report::ExportListToSpreadsheet(*model_, context_.BaseFolder, "Zaposleni");
        ui::message(this, toQ(result.message()),
                    result.ok() ? ui::Icon::Information : ui::Icon::Critical);
    });
}

void frmZaposleni::cmdZanimanje_Click() {
    const std::int64_t id = selectedId();
    if (id == 0)
        return;
    frmZanimanje dialog(*context_.PayrollDb, id, this);
    if (dialog.exec() == QDialog::Accepted)
        UcitajRadnike();
}

} // namespace zarion::employees
