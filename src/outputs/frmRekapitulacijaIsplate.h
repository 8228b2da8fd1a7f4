#pragma once

#include <QWidget>

#include "outputs/RecapitulationPayout.h"

class QTreeWidget;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "Rekapitulacija isplate": what a payout paid, item by item, in net and gross. Any payout list
// opens it with the calculations it shows:
//     ui::showBeside(this, new frmRekapitulacijaIsplate(context_, payoutSource(list)));
class frmRekapitulacijaIsplate : public QWidget {
    Q_OBJECT

public:
    frmRekapitulacijaIsplate(AppContext& context, PayoutSource source, QWidget* parent = nullptr);

    void cmdStampa_Click();

private:
    AppContext& context_;
    PayoutSource source_;
    std::vector<RecapLine> lines_;
    QTreeWidget* listR;
};

} // namespace zarion::outputs
