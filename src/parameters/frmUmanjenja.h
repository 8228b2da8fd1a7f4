#pragma once

#include <QWidget>

#include "parameters/NetReductions.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::parameters {

// The net reductions of a month and kind of payout: who carries one, with his control number,
// the total, and the payment orders for each employee or for the total.
class frmUmanjenja : public QWidget {
    Q_OBJECT

public:
    explicit frmUmanjenja(AppContext& context, QWidget* parent = nullptr);

    void cmdPrikazi_Click();
    void cmdNaloziRadnici_Click();
    void cmdNalogUkupno_Click();

private:
    void cmbIsplata_Click();
    void listU_Choose(QTreeWidgetItem* item);
    ReductionSource chosenSource() const;
    ReductionPayment payment() const;
    void printOrders(const std::vector<employees::PaymentOrder>& orders);

    AppContext& context_;
    ReductionList list_;
    QComboBox* cmbGod;
    QComboBox* cmbMEsec;
    QComboBox* cmbIsplata;
    QLineEdit* txtDuznik;
    QLineEdit* txtpoverioc;
    QTreeWidget* listU;
    QLineEdit* txtUK;
    QPushButton* cmdPrikazi;
    QPushButton* cmdNaloziRadnici;
    QPushButton* cmdNalogUkupno;
};

} // namespace zarion::parameters
