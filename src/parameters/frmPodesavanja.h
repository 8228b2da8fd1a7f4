#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

#include "parameters/TableEditor.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zarion::db {
class Database;
}

namespace zarion::parameters {

// The generic editor of a single-row table under the table's Serbian name: one caption (the
// column's description, its name small beneath) and one input box per column, in the template's
// order, 40 rows to a column of boxes. Saving stores the boxes into the table's row
// (creating it the first time) and closes; a value a column refuses stores nothing, names the
// column and leaves the window open on that box.
class frmPodesavanja : public QDialog {
    Q_OBJECT

public:
    // Throws std::invalid_argument for a table the editor does not edit.
    frmPodesavanja(db::Database& payrollDb, const QString& table, QWidget* parent = nullptr);
    // The row of that key of a keyed table, under the table's name and the row's caption.
    frmPodesavanja(db::Database& payrollDb, const QString& table, const EditorRowKey& key,
                   const QString& rowCaption, QWidget* parent = nullptr);

private:
    frmPodesavanja(db::Database& payrollDb, const QString& table, std::optional<EditorRowKey> key,
                   QWidget* parent);
    void cmdSnimi_Click();

    db::Database& payrollDb_;
    QString table_;
    std::optional<EditorRowKey> key_;
    QList<QLabel*> Labela;
    QList<QLineEdit*> text;
    QPushButton* cmdSnimi;
    QPushButton* cmdIzlaz;
};

} // namespace zarion::parameters
