#pragma once

#include <QDialog>
#include <optional>

#include "other_income/OwnerSalary.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zarion {
struct AppContext;
}
namespace zarion::payroll {
class DoubleClickBox;
}

namespace zarion::other_income {

// The owner's salary: the owner's rates, the hours worked of the month's hours with their
// coefficient (which scales the non-taxable amount), and the calculation from gross or from
// net. Closing the window hands the last calculation back to the individual calculation.
class frmObracunVlasnika : public QDialog {
    Q_OBJECT

public:
    // Shows "Niste uneli parametre za vlasnika!" and stays unusable (ready() false) while the
    // owner's parameters are missing.
    frmObracunVlasnika(AppContext& context, int hourFund, QWidget* parent = nullptr);

    bool ready() const { return rates_.has_value(); }
    // The last calculation, nothing when none was made.
    const std::optional<payroll::OwnerFigures>& figures() const { return figures_; }

    void cmdIzBruta_Click();
    void cmdIzNeta_Click();
    void txtSati_LostFocus();
    void askTotalHours();
    void cmdUgovor_Click();

private:
    void showRates();
    void showFigures(const payroll::OwnerFigures& figures);

    AppContext& context_;
    std::optional<OwnerParameters> rates_;
    double coefficient_ = 1;
    double totalHours_;
    std::optional<payroll::OwnerFigures> figures_;

    QLineEdit* txtNeoporezivi;
    QLineEdit* txtPorez;
    QLineEdit* txtPIO;
    QLineEdit* txtZO;
    QLineEdit* txtNEZ;
    QLineEdit* txtSati;
    payroll::DoubleClickBox* txtUkupnoSati;
    QLabel* lblK;
    QLineEdit* txtBruto;
    QLineEdit* txtNeto;
    QLineEdit* txtPorezIznos;
    QLineEdit* txtPIOIznos;
    QLineEdit* txtZOIznos;
    QLineEdit* txtNEZIznos;
    QPushButton* cmdIzBruta;
    QPushButton* cmdIzNeta;
    QPushButton* cmdUgovor;
    QPushButton* cmdIzlaz;
};

// The owner's salary window for the individual calculation: its figures when it closes after a
// calculation.
std::optional<payroll::OwnerFigures> calculateOwnerSalary(AppContext& context, QWidget* parent,
                                                          int hourFund);

} // namespace zarion::other_income
