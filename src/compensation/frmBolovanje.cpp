#include "compensation/frmBolovanje.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/SerbianOrder.h"
#include "employees/CodeListPickers.h"
#include "employees/EmployeeList.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

using employees::fromQDate;
using employees::toQDate;
using ui::operator""_q;
using ui::toQ;

namespace {

constexpr int SortKey = Qt::UserRole + 1;

// A row whose date columns sort by the date, not by its dd.MM.yyyy text.
class CaseItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, SortKey);
        return mine.isValid() ? mine.toString() < other.data(column, SortKey).toString()
                              : QTreeWidgetItem::operator<(other);
    }
};

QDateEdit* dateBox(QWidget* parent, const char* name) {
    auto* box = new QDateEdit(parent);
    box->setObjectName(name);
    box->setDisplayFormat("dd.MM.yyyy");
    box->setCalendarPopup(true);
    return box;
}

} // namespace

frmBolovanje::frmBolovanje(AppContext& context, LeaveKind kind, QWidget* parent)
    : RegisterWindow(parent)
    , context_(context)
    , kind_(kind)
    , dtOd(dateBox(this, "dtOd"))
    , dtDo(dateBox(this, "dtDo"))
    , listBolovanja(ui::makeList(
          this, "listBolovanja",
          {"Prezime i ime"_q, "ID"_q, "Datum otvaranja"_q, "Datum zatvaranja"_q, "ID_Bolovanja"_q}))
    , fraBolovanje(new QGroupBox(this))
    , cmbRadnik(new QComboBox(fraBolovanje))
    , dtOtvaranje(dateBox(fraBolovanje, "dtOtvaranje"))
    , dtZatvaranje(dateBox(fraBolovanje, "dtZatvaranje"))
    , txtNeto(new QLineEdit(fraBolovanje))
    , cmdSnimi(new QPushButton("Snimi"_q, fraBolovanje)) {
    setObjectName("frmBolovanje");
    setWindowTitle(kind == LeaveKind::Maternity ? "Porodiljska bolovanja"_q
                                                : "Bolovanja preko 30 dana"_q);
    const int year = context_.WorkYear != 0 ? context_.WorkYear : context_.clock.today().year;
    dtOd->setDate(QDate(year, 1, 1));
    dtDo->setDate(QDate(year, 12, 31));
    listBolovanja->setSortingEnabled(true);
    const int widths[] = {210, 50, 120, 120};
    for (int column = 0; column < 4; ++column)
        listBolovanja->setColumnWidth(column, widths[column]);
    watchList(listBolovanja);
    connect(listBolovanja, &QTreeWidget::itemClicked, this, [this] { onEdit(); });
    connect(dtOd, &QDateEdit::dateChanged, this, &frmBolovanje::UcitajBolovanja);
    connect(dtDo, &QDateEdit::dateChanged, this, &frmBolovanje::UcitajBolovanja);

    fraBolovanje->setObjectName("fraBolovanje");
    cmbRadnik->setObjectName("cmbRadnik");
    txtNeto->setObjectName("txtNeto");
    cmdSnimi->setObjectName("cmdSnimi");
    auto employees = employees::loadEmployeeList(*context_.PayrollDb, {});
    sortSerbian(employees, [](const employees::ListRow& r) { return r.surname + " " + r.name; });
    for (const employees::ListRow& e : employees)
        cmbRadnik->addItem(toQ(e.surname + " " + e.name + " (" + std::to_string(e.id) + ")"),
                           QVariant::fromValue<qlonglong>(e.id));
    connect(cmdSnimi, &QPushButton::clicked, this, &frmBolovanje::cmdSnimi_Click);
    auto* form = new QFormLayout(fraBolovanje);
    form->addRow("Radnik:"_q, cmbRadnik);
    form->addRow("Datum otvaranja:"_q, dtOtvaranje);
    form->addRow("Datum zatvaranja:"_q, dtZatvaranje);
    form->addRow("NETO za ceo mesec:"_q, txtNeto);
    form->addRow(QString(), cmdSnimi);
    ui::SelectAllOnFocus::installAll(fraBolovanje);

    auto* interval = new QHBoxLayout;
    interval->addWidget(new QLabel("Od:"_q, this));
    interval->addWidget(dtOd);
    interval->addWidget(new QLabel("Do:"_q, this));
    interval->addWidget(dtDo);
    interval->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(interval);
    layout->addWidget(listBolovanja, 1);
    layout->addWidget(fraBolovanje);
    layout->addWidget(
        new QLabel("F5 - Novo   F6 - A`uriranje   F9 - Brisanje   Esc - Izlaz"_q, this));
    resize(640, 520);
    UcitajBolovanja();
}

void frmBolovanje::UcitajBolovanja() {
    const std::int64_t chosen = ui::currentNumber(listBolovanja);
    listBolovanja->clear();
    ui::guarded(this, "UcitajBolovanja", [&] {
        cases_ = overlappingCases(*context_.PayrollDb, kind_, fromQDate(dtOd->date()),
                                  fromQDate(dtDo->date()));
        for (const LeaveCase& c : cases_) {
            auto* item = new CaseItem(listBolovanja);
            const std::string texts[] = {c.name, std::to_string(c.ID_RADNIK),
                                         toDisplayText(c.datum_otvaranja), shownEnd(c),
                                         std::to_string(c.id)};
            for (int column = 0; column < 5; ++column)
                item->setText(column, toQ(texts[column]));
            item->setData(0, Qt::UserRole, QVariant::fromValue<qlonglong>(c.id));
            item->setData(2, SortKey, toQ(toIsoText(c.datum_otvaranja)));
            item->setData(3, SortKey, toQ(toIsoText(c.datum_zatvaranja)));
        }
    });
    ui::selectNumber(listBolovanja, chosen);
    closePanel();
}

const LeaveCase* frmBolovanje::selectedCase() const {
    const std::int64_t id = ui::currentNumber(listBolovanja);
    for (const LeaveCase& c : cases_)
        if (c.id == id)
            return &c;
    return nullptr;
}

bool frmBolovanje::panelOpen() const {
    return fraBolovanje->isVisibleTo(this);
}

void frmBolovanje::closePanel() {
    fraBolovanje->hide();
    listBolovanja->setFocus();
}

void frmBolovanje::showCase(const LeaveCase& leave) {
    editedId_ = leave.id;
    cmbRadnik->setCurrentIndex(
        cmbRadnik->findData(QVariant::fromValue<qlonglong>(leave.ID_RADNIK)));
    dtOtvaranje->setDate(toQDate(leave.datum_otvaranja));
    dtZatvaranje->setDate(toQDate(leave.datum_zatvaranja));
    txtNeto->setText(toQ(format(leave.NETO, NumberFormat::Grouped2)));
    cmdSnimi->setText(leave.id == 0 ? "Snimi"_q : "A`uriraj"_q);
    fraBolovanje->show();
    cmbRadnik->setFocus();
}

void frmBolovanje::onNew() {
    LeaveCase leave;
    leave.datum_otvaranja = context_.clock.today();
    leave.datum_zatvaranja = openLeaveEnd();
    showCase(leave);
}

void frmBolovanje::onEdit() {
    if (const LeaveCase* leave = selectedCase())
        showCase(*leave);
}

void frmBolovanje::onRemove() {
    const LeaveCase* leave = selectedCase();
    if (!leave)
        return;
    if (!ui::ask(this, toQ(removalQuestion(*leave))))
        return;
    ui::guarded(this, "onRemove", [&] {
        if (const auto refused = removeCase(*context_.PayrollDb, kind_, leave->id))
            ui::showRefusal(this, *refused);
        UcitajBolovanja();
    });
}

void frmBolovanje::cmdSnimi_Click() {
    ui::guarded(this, "cmdSnimi_Click", [&] {
        LeaveCase leave;
        leave.id = editedId_;
        leave.ID_RADNIK = cmbRadnik->currentIndex() < 0 ? 0 : cmbRadnik->currentData().toLongLong();
        leave.datum_otvaranja = fromQDate(dtOtvaranje->date());
        leave.datum_zatvaranja = fromQDate(dtZatvaranje->date());
        leave.NETO = parseAmount(ui::fromQ(txtNeto->text())).value_or(Currency());
        const auto saved = saveCase(*context_.PayrollDb, kind_, leave);
        if (!saved) {
            ui::showRefusal(this, saved.refusal());
            return;
        }
        UcitajBolovanja();
        ui::selectNumber(listBolovanja, *saved);
    });
}

} // namespace zarion::compensation
