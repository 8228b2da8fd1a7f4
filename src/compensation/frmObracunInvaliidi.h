#pragma once

#include <QWidget>
#include <optional>

#include "compensation/DisabledCompensation.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The month's compensation of a disabled person: the larger of his compensation and the adjusted
// amount grossed up with the month's tax rate, the health contribution and the amount to be
// refunded, posted for the month chosen at the start.
class frmObracunInvaliidi : public QWidget {
    Q_OBJECT

public:
    explicit frmObracunInvaliidi(AppContext& context, QWidget* parent = nullptr);

    void UcitajRadnika();
    void cmdObracunaj_Click();
    void cmdProknjizi_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFigures(const DisabledCalculation& row);

    AppContext& context_;
    std::optional<DisabledCalculation> row_;
    QTreeWidget* listI;
    QLabel* lblRadnik;
    QLineEdit* txtNeto;
    QLineEdit* txtUskladjeni;
    QLineEdit* txtSati;
    QLabel* lblBruto;
    QLabel* lblPorez;
    QLabel* lblZdravstvo;
    QLabel* lblRefundacija;
    QLabel* lblPredat; // the month's filed return, when there is one
};

} // namespace zarion::compensation
