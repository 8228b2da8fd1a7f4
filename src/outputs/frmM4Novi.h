#pragma once

#include <QWidget>
#include <vector>

#include "outputs/M4Data.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// The year's M-4: one row per insured person, taken from the calculations (or as saved), with
// the rows of another company database added on demand, corrected by a double click, saved into
// table m4 and printed as form M-4K.
class frmM4Novi : public QWidget {
    Q_OBJECT

public:
    explicit frmM4Novi(AppContext& context, QWidget* parent = nullptr);

    int year() const;
    const std::vector<M4Row>& rows() const { return rows_; }

    void cmdUcitaj_Click();    // the year from the calculations
    void cmdDodajBazu_Click(); // adds another company database of the year (txtBAza)
    void cmdSnimi_Click();     // saves the list as the year's M-4
    void cmdObrisi_Click();    // removes the chosen person after asking
    void cmdStampa_Click();    // form M-4K
    void listM_DblClick(QTreeWidgetItem* item);

protected:
    // The older window shows the same rows under the captions of the older form.
    frmM4Novi(AppContext& context, QWidget* parent, const QStringList& headings);
    void keyPressEvent(QKeyEvent* event) override;
    void showRows();

private:
    void build(const QStringList& headings);
    void loadYear();

protected:
    virtual std::vector<std::string> rowTexts(const M4Row& row) const;

    AppContext& context_;

private:
    std::vector<M4Row> rows_;
    QComboBox* cmbGodina;
    QLineEdit* txtBAza;
    QTreeWidget* listM;
    QPushButton* cmdUcitaj;
    QPushButton* cmdDodajBazu;
    QPushButton* cmdSnimi;
    QPushButton* cmdObrisi;
    QPushButton* cmdStampa;
};

// The older M-4 window: the columns "Zarada", "Doprinos", "Zarada po osnovu osiguranja" and the
// contribution sums, the company's registration number with the pension fund in its title.
class frmM4 : public frmM4Novi {
    Q_OBJECT

public:
    explicit frmM4(AppContext& context, QWidget* parent = nullptr);

private:
    std::vector<std::string> rowTexts(const M4Row& row) const override;
};

} // namespace zarion::outputs
