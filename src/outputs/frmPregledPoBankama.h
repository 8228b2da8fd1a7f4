#pragma once

#include <QWidget>
#include <optional>

#include "outputs/BankFiles.h"
#include "ui/PeriodBoxes.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The month's net pay of one payment by the employees' banks: the banks with their totals and,
// for the chosen one, its employees. Prints the chosen bank's list and writes its mass-payment
// file in the format of Direktna, Komercijalna or Intesa.
class frmPregledPoBankama : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledPoBankama(AppContext& context, QWidget* parent = nullptr);

    void setSelection(int year, int month, Payment payment);
    void UcitajBanke();
    void UcitajRadnike();

    void cmdStampaj_Click();
    void writeFile(PaymentBank bank);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ListSelection selection() const;
    const BankGroup* chosenBank() const;

    AppContext& context_;
    std::optional<BankList> list_;
    ui::PeriodBoxes period_;
    QTreeWidget* listBanke;
    QLabel* lblUkupno;
    QTreeWidget* listR;
    QPushButton* cmdStampaj;
    QPushButton* cmdDirektna;
    QPushButton* cmdKomercijalna;
    QPushButton* cmdIntesa;
};

} // namespace zarion::outputs
