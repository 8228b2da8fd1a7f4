#pragma once

#include <QDialog>
#include <memory>

#include "core/db/Database.h"
#include "core/startup/SchemaMerge.h"

class QLabel;
class QTreeWidget;

namespace zarion::ui {

// The schema merge by hand: the operator chooses the reference database (Baza 1) and the
// database to bring up to it (Baza 2), sees what Baza 2 lacks, creates it and copies the
// stored queries.
class frmBaze : public QDialog {
    Q_OBJECT
public:
    explicit frmBaze(QWidget* parent = nullptr);
    ~frmBaze() override;

    void chooseDatabases(const QString& referencePath, const QString& targetPath);

private:
    void cmdBaza1_Click();
    void cmdBaza2_Click();
    void cmdSrediTabele_Click();
    void cmdKopirajQuerije_Click();
    void listMissing();
    bool bothOpen();

    std::unique_ptr<db::Database> reference_;
    std::unique_ptr<db::Database> target_;
    std::vector<startup::MissingItem> missing_;
    QLabel* lblBaza1_;
    QLabel* lblBaza2_;
    QTreeWidget* listB1_;
    QTreeWidget* listB2_;
};

} // namespace zarion::ui
