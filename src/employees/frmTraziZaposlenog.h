#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QLineEdit;
class QTreeWidget;

namespace zarion::db {
class Database;
}

namespace zarion::employees {

// Picks an employee by name: the operator types a fragment of the surname or first name, the
// list narrows at once ("Prezime", "Ime", "ID", "Tek.račun"), and Enter or a double-click
// chooses the row. Esc closes without a choice.
class frmTraziZaposlenog : public QDialog {
    Q_OBJECT
public:
    explicit frmTraziZaposlenog(db::Database& db, QWidget* parent = nullptr);

    // The chosen employee's number once the dialog was accepted.
    std::optional<std::int64_t> chosen() const { return chosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill(const QString& fragment);
    void choose();

    db::Database& db_;
    QLineEdit* txtTrazi_;
    QTreeWidget* listRadnici_;
    std::optional<std::int64_t> chosen_;
};

// Shows the search and returns the chosen employee's number; nothing when the operator closed
// it without choosing.
std::optional<std::int64_t> chooseEmployee(QWidget* parent, db::Database& db);

// The search as the calculation windows use it: the chosen number goes into their txtID_Radnik
// box. True when an employee was chosen.
bool chooseEmployeeInto(QLineEdit& txtID_Radnik, db::Database& db);

} // namespace zarion::employees
