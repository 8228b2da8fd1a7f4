#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::employees {

// The loans of one creditor, for a month (those whose period covers its first day) or for the
// whole year, with the sum of the instalments; a loan opens in the loan window, and the list is
// rebuilt after it is saved.
class frmKrediti_po_kreditorima : public QWidget {
    Q_OBJECT

public:
    explicit frmKrediti_po_kreditorima(AppContext& context, QWidget* parent = nullptr);

    void setKreditor(long long creditorId);
    void UcitajKredite();
    void cmdOtvori_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    QComboBox* cmbKreditor;
    QComboBox* cmbMesec;
    QComboBox* cmbGodina;
    QTreeWidget* listKrediti;
    QLabel* lblUkupno;
    QPushButton* cmdOtvori;
};

} // namespace zarion::employees
