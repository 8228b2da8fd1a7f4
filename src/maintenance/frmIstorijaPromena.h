#pragma once

#include <QWidget>

#include "core/trail/History.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::ui {

// The history of changes of the company's year: filtered by months, operator, employee and kind
// of change, printed and exported like every list; beside it the filed months, which the
// operator may mark filed or lift with the access code and a reason.
class frmIstorijaPromena : public QWidget {
    Q_OBJECT
public:
    explicit frmIstorijaPromena(AppContext& context, QWidget* parent = nullptr);

    QComboBox* cmbMesecOd;
    QComboBox* cmbMesecDo;
    QComboBox* cmbOperater;
    QComboBox* cmbRadnik;
    QComboBox* cmbVrsta;
    QTreeWidget* listIstorija;
    QTreeWidget* listPredati;
    QLabel* lblBroj;

private:
    void buildControls();
    void fillChoices();
    trail::HistoryFilter filter() const;
    void cmdPrikazi_Click();
    void cmdStampa_Click();
    void cmdExcel_Click();
    void cmdPredaj_Click();
    void cmdPovuci_Click();
    void showFiled();

    AppContext& context_;
};

} // namespace zarion::ui
