#include "report/qt/frmPregled.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "core/Text.h"
#include "report/qt/Renderer.h"

namespace zarion::report {

namespace {
constexpr double ZoomStep = 1.25;

QString yu(const char* text) {
    return QString::fromStdString(yuscii(text));
}

QString plainDialogPath(QWidget* parent, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, yu("Sa~uvaj PDF"),
                                        QDir::home().filePath(suggestedName),
                                        QStringLiteral("PDF (*.pdf)"));
}

void plainDialogMessage(QWidget* parent, const QString& text, bool failed) {
    if (failed)
        QMessageBox::critical(parent, QStringLiteral("Tarlen"), text);
    else
        QMessageBox::information(parent, QStringLiteral("Tarlen"), text);
}

PreviewServices& services() {
    static PreviewServices installed{plainDialogPath, plainDialogMessage};
    return installed;
}

QString pdfName(const Document& document) {
    QString name = QString::fromStdString(document.title).trimmed();
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|])"));
    name.replace(unsafe, QStringLiteral("_"));
    return (name.isEmpty() ? QStringLiteral("izvestaj") : name) + QStringLiteral(".pdf");
}
} // namespace

void setPreviewServices(PreviewServices installed) {
    if (!installed.choosePdfPath)
        installed.choosePdfPath = plainDialogPath;
    if (!installed.message)
        installed.message = plainDialogMessage;
    services() = std::move(installed);
}

frmPregled::frmPregled(const Document& document, const std::string& printerName, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("frmPregled"));
    setWindowTitle(document.title.empty()
                       ? yu("Pregled")
                       : yu("Pregled - ") + QString::fromStdString(document.title));
    setUpPrinter(printer_, document, printerName);

    pregled = new QPrintPreviewWidget(&printer_, this);
    pregled->setObjectName(QStringLiteral("pregled"));
    connect(pregled, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { report::render(document_, *printer); });

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    cmdStampaj = button("cmdStampaj", yu("[tampaj"));
    cmdSacuvajPDF = button("cmdSacuvajPDF", yu("Sa~uvaj PDF"));
    cmdUvecaj = button("cmdUvecaj", QStringLiteral("+"));
    cmdUmanji = button("cmdUmanji", QStringLiteral("-"));
    connect(cmdStampaj, &QPushButton::clicked, this, &frmPregled::printDocument);
    connect(cmdSacuvajPDF, &QPushButton::clicked, this, &frmPregled::savePdf);
    connect(cmdUvecaj, &QPushButton::clicked, pregled, [this] { pregled->zoomIn(ZoomStep); });
    connect(cmdUmanji, &QPushButton::clicked, pregled, [this] { pregled->zoomOut(ZoomStep); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStampaj);
    buttons->addWidget(cmdSacuvajPDF);
    buttons->addStretch();
    buttons->addWidget(cmdUmanji);
    buttons->addWidget(cmdUvecaj);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pregled, 1);
    pregled->fitToWidth();
    resize(900, 1000);
}

void frmPregled::printDocument() {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        services().message(this,
                           yu("Na ovom ra~unaru nije instaliran nijedan {tampa~. Sa~uvajte "
                              "izve{taj kao PDF (dugme \"Sa~uvaj PDF\") i od{tampajte ga sa "
                              "drugog ra~unara."),
                           true);
        return;
    }
    if (report::print(document_, printer_.printerName().toStdString())) {
        accept();
        return;
    }
    services().message(this, yu("[tampanje nije uspelo na {tampa~u ") + printer_.printerName(),
                       true);
}

void frmPregled::savePdf() {
    const QString path = services().choosePdfPath(this, pdfName(document_));
    if (path.isEmpty())
        return;
    const std::filesystem::path file(path.toStdU16String());
    if (writePdf(document_, file))
        services().message(this, yu("Sa~uvan je PDF fajl ") + path, false);
    else
        services().message(this, yu("PDF fajl nije sa~uvan: ") + path, true);
}

void showPreview(QWidget* parent, const Document& document, const std::string& printerName) {
    frmPregled form(document, printerName, parent);
    form.exec();
}

} // namespace zarion::report
