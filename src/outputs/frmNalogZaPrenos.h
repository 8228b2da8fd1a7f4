#pragma once

#include <QWidget>
#include <vector>

#include "outputs/PaymentOrders.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The generated payment orders one at a time: read, corrected, saved, and printed on the
// bank's form, the current order or every order two to a page.
class frmNalogZaPrenos : public QWidget {
    Q_OBJECT

public:
    explicit frmNalogZaPrenos(AppContext& context, QWidget* parent = nullptr);

    // False when there is no order to show; the window has then said so.
    bool hasOrders() const { return !orders_.empty(); }
    void showOrder(std::size_t index);

    void cmdSnimi_Click();
    void cmdStampaj_Click();
    void cmdStampajSve_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StoredOrder edited() const;
    void checkReference();
    std::string place() const;

    AppContext& context_;
    std::vector<StoredOrder> orders_;
    std::size_t current_ = 0;
    QLabel* lblBr;
    QLineEdit* txtUkupno;
    QDateEdit* dtDatum;
    QLineEdit* txtMesto;
    QLineEdit* txtDuznik;
    QLineEdit* txtSvrha;
    QLineEdit* txtPrimalac;
    QLineEdit* txtSifra;
    QLineEdit* txtIZnos;
    QLineEdit* txtRacunD;
    QLineEdit* txtRacunP;
    QLineEdit* txtModelP;
    QLineEdit* txtpozivP;
    QLabel* lblPoziv;
    QPushButton* cmdPrethodni;
    QPushButton* cmdSledeci;
    QPushButton* cmdSnimi;
    QPushButton* cmdStampaj;
    QPushButton* cmdStampajSve;
};

} // namespace zarion::outputs
