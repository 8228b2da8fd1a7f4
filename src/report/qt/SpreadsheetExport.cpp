#include "report/qt/SpreadsheetExport.h"

#include <QAbstractItemModel>

namespace zarion::report {

SheetList sheetFromModel(const QAbstractItemModel& model) {
    SheetList list;
    const int columns = model.columnCount();
    for (int c = 0; c < columns; ++c)
        list.headings.push_back(model.headerData(c, Qt::Horizontal).toString().toStdString());
    const int rows = model.rowCount();
    list.rows.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        auto& row = list.rows.emplace_back();
        for (int c = 0; c < columns; ++c)
            row.push_back(model.index(r, c).data().toString().toStdString());
    }
    return list;
}

SpreadsheetResult ExportListToSpreadsheet(const QAbstractItemModel& model,
                                          const std::filesystem::path& baseFolder,
                                          const std::string& name) {
    return ExportListToSpreadsheet(sheetFromModel(model), baseFolder, name);
}

} // namespace zarion::report
