#pragma once

#include <QDialog>
#include <QList>
#include <QString>

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

private:
    void cmdSnimi_Click();

    db::Database& payrollDb_;
    QString table_;
    QList<QLabel*> Labela;
    QList<QLineEdit*> text;
    QPushButton* cmdSnimi;
    QPushButton* cmdIzlaz;
};

} // namespace zarion::parameters
