#pragma once

#include <QWidget>
#include <map>
#include <optional>

#include "outputs/Treasury.h"
#include "outputs/TreasuryReport.h"
#include "outputs/TreasuryXml.h"
#include "ui/PeriodBoxes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The treasury request of one payout: the transfers (listT), the payout's journal lines and the
// commitment made from them (listObaveze), written as the commitment file (Command1) and the
// payment file (cmdGenerisiXML) into the base folder's XML_TREZOR, and printed as the request for
// payment and the report for the ministry.
class frmTrezor : public QWidget {
    Q_OBJECT

public:
    explicit frmTrezor(AppContext& context, QWidget* parent = nullptr);

    // Chooses the payout: a month's salaries (payment, unit), sick leave or maternity leave, or
    // the other-income batch of txtNalog; and builds its rows.
    void choose(TreasurySource source, int year, int month, Payment payment = Payment::Whole);
    void cmdUcitaj_Click();
    void Command1_Click();       // the commitment file
    void cmdGenerisiXML_Click(); // the payment file
    void cmdObrisi_Click();      // the chosen transfer, after asking
    void cmdDodaj_Click();       // a journal line by hand (frmTrezorDodaj)
    void cmdStampa_Click();      // the request for payment
    void cmdIzvestaj_Click();    // the report for the ministry
    void addJournalLine(const TreasuryJournalLine& line);

    const std::vector<TreasuryPayment>& payments() const { return payments_; }
    std::vector<CommitmentLine> commitment() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TreasuryPayout payout() const;
    void showRows();
    // The header of the files; nothing, after the message, when the unique number is wrong.
    std::optional<TreasuryHeader> header();
    TreasuryPrint print() const;

    AppContext& context_;
    std::vector<TreasuryPayment> payments_;
    std::vector<TreasuryJournalLine> journal_;
    std::map<std::string, std::string> sources_; // the source of financing chosen per code
    QComboBox* cmbVrsta;
    ui::PeriodBoxes period_;
    QLineEdit* txtNalog;
    QLineEdit* txtRJ;
    QPushButton* cmdUcitaj;
    QLabel* lblJIBK;
    QLineEdit* txtJed;
    QLineEdit* txtJed2;
    QLineEdit* txtPodIzvor;
    QTreeWidget* listT;
    QLabel* txtUkupno;
    QTreeWidget* listNalog;
    QTreeWidget* listObaveze;
    QComboBox* cmbIzvor;
    QLabel* txtUkupnoD;
    QPushButton* cmdObrisi;
    QPushButton* cmdDodaj;
    QPushButton* Command1;
    QPushButton* cmdGenerisiXML;
    QPushButton* cmdStampa;
    QPushButton* cmdIzvestaj;
};

} // namespace zarion::outputs
