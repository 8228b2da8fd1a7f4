#pragma once

#include <QWidget>
#include <array>

#include "outputs/JournalSettings.h"

class QComboBox;
class QLineEdit;

namespace zarion {
struct AppContext;
}

namespace zarion::outputs {

// "Podešavanje naloga za knjiženje": the accounts of the payroll journal's items, the posting
// scheme and the journal type of the bookkeeping module.
class frmGKNalogpodesavanje : public QWidget {
    Q_OBJECT

public:
    explicit frmGKNalogpodesavanje(AppContext& context, QWidget* parent = nullptr);

    void cmdSnimi_Click();

private:
    AppContext& context_;
    std::array<QLineEdit*, JournalItemCount> debit_{};
    std::array<QLineEdit*, JournalItemCount> credit_{};
    QComboBox* cmbSema;
    QComboBox* cmbNalog;
};

} // namespace zarion::outputs
