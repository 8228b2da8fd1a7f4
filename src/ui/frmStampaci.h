#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zarion {
struct AppContext;
}

namespace zarion::ui {

// Printer choice: lists the installed printers; choosing one makes it the printer of all later
// printing (AppContext::PrinterName) and moves the focus to the close button.
class frmStampaci : public QDialog {
    Q_OBJECT

public:
    explicit frmStampaci(AppContext& context, QWidget* parent = nullptr);
    // With a given list of device names instead of the installed printers.
    frmStampaci(AppContext& context, const QStringList& printers, QWidget* parent);

private:
    void listST_Click(QListWidgetItem* item);

    AppContext& context_;
    QListWidget* listST;
    QPushButton* cmdZatvori;
};

} // namespace zarion::ui
