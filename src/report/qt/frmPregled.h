#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <string>

#include "report/Document.h"

class QPrintPreviewWidget;
class QPushButton;

namespace zarion::report {

// What the preview asks of the windows layer: a file name to save the PDF under (empty when the
// operator cancels) and a message to show. The program installs its own dialogs at start-up,
// so tests answer them in advance; without them the preview uses plain Qt dialogs.
struct PreviewServices {
    std::function<QString(QWidget* parent, const QString& suggestedName)> choosePdfPath;
    std::function<void(QWidget* parent, const QString& text, bool failed)> message;
};
void setPreviewServices(PreviewServices services);

// The print preview every print command opens first: the pages as they will print, and the
// buttons "Štampaj" (print on the chosen printer and close) and "Sačuvaj PDF".
class frmPregled : public QDialog {
    Q_OBJECT
public:
    frmPregled(const Document& document, const std::string& printerName, QWidget* parent = nullptr);

    QPrintPreviewWidget* pregled;
    QPushButton* cmdStampaj;
    QPushButton* cmdSacuvajPDF;
    QPushButton* cmdUvecaj;
    QPushButton* cmdUmanji;

private:
    void printDocument();
    void savePdf();

    Document document_;
    QPrinter printer_;
};

// Opens the preview of the document modally; printerName is the chosen printer's device name
// (empty: the system's default printer).
void showPreview(QWidget* parent, const Document& document, const std::string& printerName);

} // namespace zarion::report
