#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zarion::db {
class Database;
}

namespace zarion::employees {

// The occupation of one employee: his name and present job title, the occupations of the code
// list as "code - name" (narrowed as the operator types), and OK, which writes the chosen one
// into the employee's radno_mesto.
class frmZanimanje : public QDialog {
    Q_OBJECT
public:
    frmZanimanje(db::Database& db, std::int64_t employee, QWidget* parent = nullptr);

private:
    void filter(const QString& text);
    void cmdOK_Click();

    db::Database& db_;
    std::int64_t employee_;
    QLabel* lblPrezime_;
    QLabel* lblIme_;
    QLabel* lblRadnoMesto_;
    QLineEdit* txtTrazi_;
    QListWidget* listZanimanje_;
    QPushButton* cmdOK_;
};

} // namespace zarion::employees
