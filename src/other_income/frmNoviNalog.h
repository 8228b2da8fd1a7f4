#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "other_income/OtherIncomeOrders.h"

class QDateEdit;
class QLabel;
class QLineEdit;

namespace zarion {
struct AppContext;
}

namespace zarion::other_income {

// The order editor: the title, the date and the rates and tax account of a new or a chosen
// order. Saving stores the order and closes the editor; an order of a filed month, or moved
// into or out of one, is saved only with the access code and a reason.
class frmNoviNalog : public QDialog {
    Q_OBJECT

public:
    frmNoviNalog(AppContext& context, const OtherIncomeOrder& order, QWidget* parent = nullptr);

    // The stored order's number once the editor saved it.
    std::optional<std::int64_t> saved() const { return saved_; }
    void cmdSnimi_Click();

private:
    OtherIncomeOrder shownOrder() const;

    AppContext& context_;
    OtherIncomeOrder order_;
    std::optional<std::int64_t> saved_;
    QLabel* lblid_NOZ;
    QLabel* lblTIP;
    QLineEdit* txtNAZIV;
    QDateEdit* dtDatum;
    QLineEdit* txtNeoporezivi;
    QLineEdit* txtNormirani;
    QLineEdit* txtPorez;
    QLineEdit* txtMinimalna;
    QLineEdit* txtRacun_Poreza;
    QLineEdit* txtPoziv_Poreza;
    QLineEdit* txtPIO;
    QLineEdit* txtZO;
    QLineEdit* txtNEZ;
    QLineEdit* txtPIOF;
    QLineEdit* txtZOF;
    QLineEdit* txtNEZF;
};

} // namespace zarion::other_income
