#include "ui/WidgetKit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTreeWidget>

#include "core/FailureWords.h"
#include "ui/Dialogs.h"
#include "ui/frmGlavni.h"

namespace zarion::ui {

QTreeWidget* makeList(QWidget* parent, const QString& objectName, const QStringList& headings) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(true);
    return list;
}

QTreeWidgetItem* addRow(QTreeWidget* list, const std::vector<std::string>& texts,
                        long long number) {
    auto* item = new QTreeWidgetItem(list);
    for (std::size_t c = 0; c < texts.size(); ++c)
        item->setText(static_cast<int>(c), toQ(texts[c]));
    item->setData(0, Qt::UserRole, number);
    return item;
}

long long currentNumber(const QTreeWidget* list) {
    const QTreeWidgetItem* item = list->currentItem();
    return item ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

void selectNumber(QTreeWidget* list, long long number) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toLongLong() == number) {
            list->setCurrentItem(item);
            return;
        }
    }
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

void colourRow(QTreeWidgetItem* item, const QColor& colour) {
    for (int c = 0; c < item->columnCount(); ++c)
        item->setForeground(c, colour);
}

void fillMonths(QComboBox* box) {
    for (int month = 1; month <= 12; ++month)
        box->addItem(QString::number(month), month);
}

void fillYears(QComboBox* box) {
    for (int year = 2009; year <= 2099; ++year)
        box->addItem(QString::number(year), year);
}

void offerPopUpMenu(QTreeWidget* list) {
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(list, &QWidget::customContextMenuRequested, list, [list](const QPoint& at) {
        auto* main = qobject_cast<frmGlavni*>(list->window());
        if (!main || !main->popupMenu())
            return;
        if (QTreeWidgetItem* row = list->itemAt(at))
            list->setCurrentItem(row);
        main->popupMenu()->popup(list->viewport()->mapToGlobal(at));
    });
}

void closeWindow(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

void showBeside(QWidget* from, QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(from->parentWidget()); frame && frame->mdiArea())
        if (auto* main = qobject_cast<frmGlavni*>(frame->mdiArea()->window())) {
            main->showChild(window);
            return;
        }
    window->setParent(from, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void selectRow(QTreeWidget& list, int column, std::int64_t number) {
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (list.topLevelItem(i)->text(column).toLongLong() == number) {
            list.setCurrentItem(list.topLevelItem(i));
            return;
        }
    }
    if (list.topLevelItemCount() > 0)
        list.setCurrentItem(list.topLevelItem(0));
}

std::optional<char> askDriveLetter(QWidget* parent) {
    const auto answer = askText(parent, "Unesite slovo diska!"_q);
    if (!answer)
        return std::nullopt;
    const QString letter = answer->trimmed();
    return letter.isEmpty() ? 'F' : letter.at(0).toLatin1();
}

void showWritten(QWidget* parent, const std::vector<std::filesystem::path>& files) {
    QString text = "Gotovo"_q;
    for (const auto& file : files)
        text += "\n"_q + QString::fromStdString(file.string());
    message(parent, text, Icon::Information);
}

void showRefusal(QWidget* parent, const Refusal& refusal) {
    message(parent, toQ(refusal.message),
            refusal.kind == Refusal::Kind::Error ? Icon::Critical : Icon::Exclamation);
}

void showFailure(QWidget* parent, const char* routine, const std::exception& failure) {
    message(parent,
            "Greska u proceduri "_q + QString::fromUtf8(routine) + "! Opis: "_q +
                toQ(failureWords(failure)),
            Icon::Critical);
}

} // namespace zarion::ui
