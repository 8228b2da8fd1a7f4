#pragma once

#include <QWidget>
#include <optional>

#include "outputs/RecapitulationKonta.h"
#include "ui/PeriodBoxes.h"

class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "Rekapitulacija bruto zarada" by the accounts of table konta for a chosen payout.
class frmRekapitulacijaNalog : public QWidget {
    Q_OBJECT

public:
    explicit frmRekapitulacijaNalog(AppContext& context, QWidget* parent = nullptr);

    // Shows the payout straight away (opened from a payroll list).
    void showPayout(const ListSelection& selection);

    // Shows a compensation payout by the compensation accounts (opened from its list).
    void showCompensation(PayoutSource source);

    void cmdPrikazi_Click();
    void cmdStampa_Click();

private:
    void showLines(PayoutSource source, KontaKind kind);

    AppContext& context_;
    ui::PeriodBoxes period_;
    QTreeWidget* listK;
    std::optional<PayoutSource> source_;
    std::vector<KontaLine> lines_;
};

} // namespace zarion::outputs
