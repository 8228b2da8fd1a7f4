#pragma once

#include <QWidget>
#include <optional>

#include "compensation/SickLeaveCases.h"
#include "outputs/PayrollList.h"
#include "outputs/Registers.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The month's compensations of one kind for a unit (or all), with their sums, and every printout,
// return and order made from them.
class frmSpisakZaradaBol : public QWidget {
    Q_OBJECT
public:
    explicit frmSpisakZaradaBol(AppContext& context, LeaveKind kind = LeaveKind::SickLeave,
                                QWidget* parent = nullptr);

    void setPeriod(int year, int month);
    void cmdPokazi_Click();
    void cmdSpisak_Click();
    void cmdIsplata_Click();
    void cmdObracun_Click();
    void cmdSvi_Click();
    void cmdRekapitulacija_Click();
    void cmdRekapIsplate_Click();
    void cmdRekapRacuna_Click();
    void cmdRekapKonta_Click();
    void cmdSpeciFikacija_Click();
    void cmdNAlog_Click();
    void cmdIZvoz_Click();
    void cmdPoreska_Porez_Click();
    void cmdPrijavaDoprinosi_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* button(const char* name, const char* caption, void (frmSpisakZaradaBol::*slot)());
    outputs::ListSelection selection() const;
    outputs::ListPrint listPrint() const;

    AppContext& context_;
    LeaveKind kind_;
    std::optional<outputs::PayrollList> list_;
    QComboBox* cmbMesec;
    QComboBox* cmbGodina;
    QComboBox* cmbRJ;
    QTreeWidget* listSpisak;
    QLabel* lblUkupno;
};

} // namespace zarion::compensation
