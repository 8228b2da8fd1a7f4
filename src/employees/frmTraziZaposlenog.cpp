#include "employees/frmTraziZaposlenog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "employees/EmployeeSearch.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"

namespace zarion::employees {

using ui::operator""_q;

namespace {
constexpr int IdColumn = 2;
}

frmTraziZaposlenog::frmTraziZaposlenog(db::Database& db, QWidget* parent)
    : QDialog(parent)
    , db_(db)
    , txtTrazi_(new QLineEdit(this))
    , listRadnici_(new QTreeWidget(this)) {
    setObjectName("frmTraziZaposlenog");
    setWindowTitle("Pretraga zaposlenih"_q);
    txtTrazi_->setObjectName("txtTrazi");
    listRadnici_->setObjectName("listRadnici");
    listRadnici_->setHeaderLabels({"Prezime", "Ime", "ID", "Tek.ra~un"_q});
    listRadnici_->setRootIsDecorated(false);
    listRadnici_->setAllColumnsShowFocus(true);
    listRadnici_->setUniformRowHeights(true);
    listRadnici_->setColumnWidth(0, 150);
    listRadnici_->setColumnWidth(1, 110);
    listRadnici_->setColumnWidth(2, 50);
    connect(txtTrazi_, &QLineEdit::textChanged, this, &frmTraziZaposlenog::fill);
    connect(listRadnici_, &QTreeWidget::itemDoubleClicked, this, &frmTraziZaposlenog::choose);
    txtTrazi_->installEventFilter(this);
    listRadnici_->installEventFilter(this);

    auto* form = new QFormLayout;
    form->addRow("Prezime ili ime:", txtTrazi_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(listRadnici_);
    ui::SelectAllOnFocus::installAll(this);
    resize(520, 420);
    fill(QString());
}

void frmTraziZaposlenog::fill(const QString& fragment) {
    listRadnici_->setUpdatesEnabled(false);
    listRadnici_->clear();
    QList<QTreeWidgetItem*> items;
    for (const FoundEmployee& e : findEmployees(db_, ui::fromQ(fragment))) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, ui::toQ(e.surname));
        item->setText(1, ui::toQ(e.name));
        item->setText(IdColumn, QString::number(e.id));
        item->setText(3, ui::toQ(e.account));
        items.append(item);
    }
    listRadnici_->addTopLevelItems(items);
    if (!items.isEmpty())
        listRadnici_->setCurrentItem(items.front());
    listRadnici_->setUpdatesEnabled(true);
}

// Enter in the search box or on the list chooses the current row; the arrow keys in the search
// box move through the list without leaving the box.
bool frmTraziZaposlenog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            choose();
            return true;
        }
        if (watched == txtTrazi_ && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(listRadnici_, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTraziZaposlenog::choose() {
    const QTreeWidgetItem* item = listRadnici_->currentItem();
    if (!item)
        return;
    chosen_ = item->text(IdColumn).toLongLong();
    accept();
}

std::optional<std::int64_t> chooseEmployee(QWidget* parent, db::Database& db) {
    frmTraziZaposlenog search(db, parent);
    if (search.exec() != QDialog::Accepted)
        return std::nullopt;
    return search.chosen();
}

bool chooseEmployeeInto(QLineEdit& txtID_Radnik, db::Database& db) {
    const auto id = chooseEmployee(txtID_Radnik.window(), db);
    if (!id)
        return false;
    txtID_Radnik.setText(QString::number(*id));
    return true;
}

} // namespace zarion::employees
