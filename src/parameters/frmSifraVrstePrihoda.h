#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zarion::parameters {

// The income type code editor of one row of the tax return: the nine characters one a box
// (txtSP 0 to 8, the focus moving on as each is typed), the number of days, and the code lists
// of the tax authority as help. Saving hands the joined code and the days back and closes it.
class frmSifraVrstePrihoda : public QDialog {
    Q_OBJECT

public:
    using Saved = std::function<void(const std::string& code, int days)>;
    frmSifraVrstePrihoda(const QString& rowNumber, const std::string& code, int days, Saved saved,
                         QWidget* parent);

    void cmdSnimi_Click();

private:
    void txtSP_Change(std::size_t box);

    Saved saved_;
    QLabel* lblRedBr;
    std::array<QLineEdit*, 9> txtSP{};
    QLineEdit* txtBrDana;
    QPlainTextEdit* txtPomoc;
};

} // namespace zarion::parameters
