#pragma once

#include <QWidget>
#include <vector>

#include "compensation/AnnualLeave.h"

class QComboBox;
class QLabel;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::compensation {

// The annual-leave hours and days each employee took over a span of months, with the totals and
// their printout.
class frmPregledOdmora : public QWidget {
    Q_OBJECT

public:
    explicit frmPregledOdmora(AppContext& context, QWidget* parent = nullptr);

    void cmdPrikazi_Click();
    void cmdStampa_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MonthSpan span() const;

    AppContext& context_;
    std::vector<LeaveTaken> rows_;
    QComboBox* cmbOdMesec;
    QComboBox* cmbOdGodina;
    QComboBox* cmbDoMesec;
    QComboBox* cmbDoGodina;
    QTreeWidget* listO;
    QLabel* lblUkupno;
};

} // namespace zarion::compensation
