#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "compensation/AwardOrders.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The award window of a kind: the order chosen or made, the employee's award entered as net or
// gross and posted into it, the order's list with its payment list and, for jubilee awards, its
// PPP-PD return. The bank box narrows the list and its payment list to the employees paid
// through one bank; the returns and orders take the whole order.
class frmNagrade : public QWidget {
    Q_OBJECT

public:
    frmNagrade(AppContext& context, AwardKind kind, QWidget* parent = nullptr);

    void UcitajNaloge();
    void UcitajObracune();
    void cmdNoviNalog_Click();
    void showEmployee();
    void calculate(bool fromNet);
    void cmdProknjizi_Click();
    void listO_DblClick(QTreeWidgetItem* item);
    void cmdStampa_Click();
    void cmdNalozi_Click();
    void cmdPPPPD_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<AwardOrder> chosenOrder() const;
    // The order's awards paid through the bank the box names; "Podrazumevana" takes every bank.
    std::vector<AwardPayment> paidThroughChosenBank() const;

    AppContext& context_;
    AwardKind kind_;
    std::vector<AwardOrder> orders_;
    std::vector<AwardPayment> payments_;
    std::optional<AwardFigures> figures_;
    QComboBox* cmbNalog;
    QComboBox* cmbBanka;
    QLineEdit* txtID_Radnik;
    QLabel* lblIme;
    QLineEdit* txtNeto;
    QLineEdit* txtBruto;
    QLabel* lblObracun;
    QLabel* lblPredat; // the order's month filed, when it is
    QTreeWidget* listO;
};

// "1 - Jubilarne nagrade": taxed above the non-taxable amount, without contributions.
class frmJubilarne : public frmNagrade {
    Q_OBJECT
public:
    explicit frmJubilarne(AppContext& context, QWidget* parent = nullptr)
        : frmNagrade(context, AwardKind::Jubilee, parent) {}
};

// "2 - Godišnje nagrade": taxed above the non-taxable amount, with the employee's contributions.
class frmGodisnje : public frmNagrade {
    Q_OBJECT
public:
    explicit frmGodisnje(AppContext& context, QWidget* parent = nullptr)
        : frmNagrade(context, AwardKind::Annual, parent) {}
};

} // namespace zarion::compensation
