#pragma once

#include <QWidget>

#include "outputs/AnnualReturn.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The annual individual tax return: the recipients employed (listRO, part II) and outside
// employment (listVRO, part III) over a range of months of the working year, with rows added
// from another company database, from the predecessor program's data or by hand; printed as
// form PPP and written as the two text files.
class frmPPP : public QWidget {
    Q_OBJECT

public:
    explicit frmPPP(AppContext& context, QWidget* parent = nullptr);

    const AnnualReturn& annualReturn() const { return annual_; }

    void cmdUcitaj_Click();  // the chosen months from the calculations
    void cmdBaza_Click();    // adds another company database of the year
    void cmdStari_Click();   // adds the predecessor program's other income to part III
    void cmdDodaj_Click();   // a row by hand into the part shown
    void cmdObrisi_Click();  // removes the chosen row of the part shown
    void cmdStampa_Click();  // form PPP
    void cmdFajlovi_Click(); // ppp_deo2.txt and ppp_deo3.txt on a drive

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<report::CompanyData> payer();
    std::vector<ReturnRow>& shownPart();
    QTreeWidget* shownList() const;
    void showRows();

    AppContext& context_;
    AnnualReturn annual_;
    QComboBox* cmbOd;
    QComboBox* cmbDo;
    QLabel* txtPIB;
    QTabWidget* tabs_;
    QTreeWidget* listRO;
    QTreeWidget* listVRO;
    QPushButton* cmdUcitaj;
    QPushButton* cmdBaza;
    QPushButton* cmdStari;
    QPushButton* cmdDodaj;
    QPushButton* cmdObrisi;
    QPushButton* cmdStampa;
    QPushButton* cmdFajlovi;
};

} // namespace zarion::outputs
