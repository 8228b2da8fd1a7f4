#pragma once

#include <QWidget>
#include <optional>

#include "outputs/BankFiles.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The body of a bank-list window, whatever payout it lists: the banks with their totals and, for
// the chosen one, its recipients; the chosen bank's printed list and its mass-payment file in
// the format of Direktna, Komercijalna or Intesa.
class BankListPanel : public QWidget {
    Q_OBJECT

public:
    BankListPanel(AppContext& context, PayoutKind kind, QWidget* parent);

    // Shows the list (nothing: an empty window) with its first bank chosen.
    void setList(std::optional<BankList> list);
    void UcitajRadnike();
    void cmdStampaj_Click();
    void writeFile(PaymentBank bank);

private:
    const BankGroup* chosenBank() const;

    AppContext& context_;
    PayoutKind kind_;
    std::optional<BankList> list_;
    QTreeWidget* listBanke;
    QLabel* lblUkupno;
    QTreeWidget* listR;
    QPushButton* cmdStampaj;
    QPushButton* cmdDirektna;
    QPushButton* cmdKomercijalna;
    QPushButton* cmdIntesa;
};

} // namespace zarion::outputs
