#pragma once

#include <QWidget>
#include <optional>

#include "payroll/AverageEarnings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::payroll {

// Average salaries over a period: per month the employees paid and the month's gross and net,
// with totals and averages, optionally beside the same table of a second company, and the
// printed review.
class frmProsek : public QWidget {
    Q_OBJECT

public:
    explicit frmProsek(AppContext& context, QWidget* parent = nullptr);

    // Fills the first table for the period, then offers the second company's.
    void cmdPrikazi_Click();
    void cmdStampaj_Click();

private:
    struct TableView {
        QLabel* title;
        QTreeWidget* list;
        QLabel* totals;
        QLabel* averages;
    };
    TableView makeTable(const char* listName, const char* totalsName, const char* averagesName);
    void showTable(const TableView& view, const AverageTable& table);
    AveragePeriod period() const;

    AppContext& context_;
    QComboBox* cmbOdMesec;
    QComboBox* cmbOdGodina;
    QComboBox* cmbDoMesec;
    QComboBox* cmbDoGodina;
    QPushButton* cmdPrikazi;
    QPushButton* cmdStampaj;
    TableView first_;
    TableView second_;
    QLabel* lblProsekObe;
    AveragePeriod shownPeriod_;
    std::optional<AverageTable> firstTable_;
    std::optional<AverageTable> secondTable_;
};

} // namespace zarion::payroll
