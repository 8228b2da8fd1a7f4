#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "employees/EmployeeList.h"

namespace zarion::employees {

// The rows of the employee register's list for a QTreeView: the columns of the list, owners
// drawn in blue in every column, sorted by the heading clicked. Filled in one go, so thousands of
// rows show without a pause.
class EmployeeListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EmployeeListModel(QObject* parent = nullptr);

    // Takes the rows in the order the list is sorted by.
    void setRows(std::vector<ListRow> rows);
    const std::vector<ListRow>& rows() const { return rows_; }
    // The employee number of a row (0 outside the list) and the row of a number (-1: none).
    std::int64_t idAt(int row) const;
    int rowOf(std::int64_t id) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A click on a heading: the name and every text in the Serbian alphabet.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    std::vector<ListRow> rows_;
    ListColumn sortColumn_ = ColId;
    bool descending_ = false;
};

} // namespace zarion::employees
