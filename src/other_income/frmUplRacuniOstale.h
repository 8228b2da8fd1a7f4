#pragma once

#include <QWidget>

class QTreeWidget;

namespace zarion::db {
class Database;
}

namespace zarion::other_income {

// The payment accounts of other income, one set per kind: the kinds with the payout account and
// the tax account entered for each; Enter, F6 or a double-click opens the kind's accounts in the
// table editor, and the list shows what was stored.
class frmUplRacuniOstale : public QWidget {
    Q_OBJECT

public:
    explicit frmUplRacuniOstale(db::Database& payrollDb, QWidget* parent = nullptr);

    void UcitajVrste();
    // The accounts of the chosen kind in the table editor.
    void editChosenKind();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    db::Database& payrollDb_;
    QTreeWidget* listVrste;
};

} // namespace zarion::other_income
