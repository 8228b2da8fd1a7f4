#include "ui/ReportServices.h"

#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"

namespace zarion::ui {

void installReportServices() {
    report::setPreviewServices(
        {[](QWidget* parent, const QString& suggestedName) {
             return saveFileName(parent, "Sa~uvaj PDF"_q, suggestedName, "PDF (*.pdf)");
         },
         [](QWidget* parent, const QString& text, bool failed) {
             message(parent, text, failed ? Icon::Critical : Icon::Information);
         }});
}

} // namespace zarion::ui
