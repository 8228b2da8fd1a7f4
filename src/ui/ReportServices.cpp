#include "ui/ReportServices.h"

#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"

namespace zarion::ui {

void installReportServices(const std::filesystem::path& pdfFolder) {
    report::setPreviewServices(
        {[pdfFolder](QWidget* parent, const QString& suggestedName) {
             std::error_code ignored; // a folder that cannot be made leaves the dialog elsewhere
             std::filesystem::create_directories(pdfFolder, ignored);
             const QString path =
                 QString::fromStdString((pdfFolder / suggestedName.toStdString()).string());
             return saveFileName(parent, "Sa~uvaj PDF"_q, path, "PDF (*.pdf)");
         },
         [](QWidget* parent, const QString& text, bool failed) {
             message(parent, text, failed ? Icon::Critical : Icon::Information);
         }});
}

} // namespace zarion::ui
