#include "employees/EmployeeListModel.h"

#include <QBrush>
#include <QColor>

#include "ui/Dialogs.h"

namespace zarion::employees {

EmployeeListModel::EmployeeListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void EmployeeListModel::setRows(std::vector<ListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    sortList(rows_, sortColumn_, descending_);
    endResetModel();
}

void EmployeeListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ListColumnCount)
        return;
    sortColumn_ = static_cast<ListColumn>(column);
    descending_ = order == Qt::DescendingOrder;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::int64_t> ids;
    for (const QModelIndex& index : before)
        ids.push_back(idAt(index.row()));
    sortList(rows_, sortColumn_, descending_);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOf(ids[static_cast<std::size_t>(i)]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

std::int64_t EmployeeListModel::idAt(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    return rows_[static_cast<std::size_t>(row)].id;
}

int EmployeeListModel::rowOf(std::int64_t id) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int EmployeeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EmployeeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ListColumnCount;
}

QVariant EmployeeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ListRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return ui::toQ(listText(row, index.column()));
    case Qt::ForegroundRole:
        // Owners and entrepreneurs stand out in blue.
        return row.owner ? QVariant(QBrush(QColor(0, 0, 255))) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == ColId ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant EmployeeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ListColumnCount)
        return {};
    return ui::toQ(listHeadings()[static_cast<std::size_t>(section)]);
}

} // namespace zarion::employees
