#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
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

// What a bank-list window pays: its name and title, the parts its payment box offers, the payout
// kind its files are written for, and how the list of the chosen month and part is loaded.
struct BankListSource {
    QString objectName;
    QString title;
    QStringList parts;
    PayoutKind kind = PayoutKind::Salaries;
    std::function<Outcome<BankList>(db::Database&, const ListSelection&)> load;
};

// The salaries: the whole month, its first part or its final part.
BankListSource salaryBankLists();

// The month's net pay of one payment by the employees' banks: the banks with their totals and,
// for the chosen one, its employees. Prints the chosen bank's list and writes its mass-payment
// file in the format of Direktna, Komercijalna or Intesa.
class frmPregledPoBankama : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledPoBankama(AppContext& context, BankListSource source = salaryBankLists(),
                                 QWidget* parent = nullptr);

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
    BankListSource source_;
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
