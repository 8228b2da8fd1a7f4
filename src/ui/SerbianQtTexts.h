#pragma once

#include <QTranslator>

namespace zarion::ui {

// The Serbian texts of the standard dialogs Qt draws itself (file dialog, message-box buttons,
// print and print-preview dialogs, the edit menu of input boxes). Qt ships no Serbian
// translation, so the program carries its own; a text it does not know stays as Qt wrote it.
class SerbianQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

// Installs the texts for the whole application.
void installSerbianQtTexts();

} // namespace zarion::ui
