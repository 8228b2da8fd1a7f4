#pragma once

#include <filesystem>
#include <string>

#include "report/Document.h"

class QPagedPaintDevice;
class QPrinter;

namespace zarion::report {

// Paints every page of the document on a device whose page is already set up, one device page
// per document page, millimetres measured from the device's origin (the printable area on a
// printer). Texts are measured with the real font here, for right and centred alignment.
// False when the device cannot be painted on.
bool render(const Document& document, QPagedPaintDevice& device);

// The document as a PDF file at 300 dpi, page corner as origin; replaces an existing file.
// False when the file cannot be written. Needs a QGuiApplication (offscreen is enough).
bool writePdf(const Document& document, const std::filesystem::path& path);

// Sets an A4 page in the document's orientation, the job name and the printer by device name
// (empty: the system's default printer).
void setUpPrinter(QPrinter& printer, const Document& document, const std::string& printerName);

// Prints the document on the printer with that device name (empty: the default printer).
bool print(const Document& document, const std::string& printerName);

} // namespace zarion::report
