#include "parameters/frmSifraVrstePrihoda.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/NumericText.h"
#include "core/Text.h"
#include "parameters/IncomeCodeLists.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"

namespace zarion::parameters {

using namespace ui;

namespace {

// Where each part of the code begins among the nine boxes, with the caption over it.
struct CodeGroup {
    std::size_t first;
    const char* caption;
};
constexpr CodeGroup groups[] = {
    {0, "Vrsta"}, {1, "Primanje"}, {3, "Prihod"}, {6, "Olak{ica"}, {8, "Benef."}};

} // namespace

frmSifraVrstePrihoda::frmSifraVrstePrihoda(const QString& rowNumber, const std::string& code,
                                           int days, Saved saved, QWidget* parent)
    : QDialog(parent)
    , saved_(std::move(saved))
    , lblRedBr(new QLabel(rowNumber, this))
    , txtBrDana(new QLineEdit(QString::number(days), this))
    , txtPomoc(new QPlainTextEdit(this)) {
    setObjectName("frmSifraVrstePrihoda");
    setWindowTitle("[ifra vrste prihoda"_q);
    lblRedBr->setObjectName("lblRedBr");
    txtBrDana->setObjectName("txtBrDana");
    txtBrDana->setMaximumWidth(60);
    txtPomoc->setObjectName("txtPomoc");
    txtPomoc->setReadOnly(true);

    auto* boxes = new QGridLayout;
    std::size_t group = 0;
    int column = 0;
    for (std::size_t i = 0; i < txtSP.size(); ++i) {
        if (group < std::size(groups) && groups[group].first == i) {
            if (i != 0)
                boxes->setColumnMinimumWidth(column++, 12);
            ++group;
            const std::size_t end = group < std::size(groups) ? groups[group].first : txtSP.size();
            boxes->addWidget(new QLabel(toQ(yuscii(groups[group - 1].caption)), this), 0, column, 1,
                             static_cast<int>(end - i));
        }
        txtSP[i] = new QLineEdit(i < code.size() ? QString(QChar(code[i])) : QString(), this);
        txtSP[i]->setObjectName(QString("txtSP%1").arg(i));
        txtSP[i]->setMaxLength(1);
        txtSP[i]->setFixedWidth(30);
        txtSP[i]->setAlignment(Qt::AlignCenter);
        connect(txtSP[i], &QLineEdit::textEdited, this, [this, i] { txtSP_Change(i); });
        boxes->addWidget(txtSP[i], 1, column++);
    }
    boxes->setColumnStretch(column, 1); // the boxes stay together on the left

    auto* help = new QHBoxLayout;
    const std::pair<const char*, IncomeCodePart> lists[] = {
        {"cmdVrstaPrimanja", IncomeCodePart::Recipient},
        {"cmdVrstaPrihoda", IncomeCodePart::Income},
        {"cmdOlaksica", IncomeCodePart::Relief},
        {"cmdBeneficija", IncomeCodePart::Benefit}};
    for (const auto& [name, part] : lists) {
        const std::string text = incomeCodeHelp(part);
        auto* button = new QPushButton(toQ(text.substr(0, text.find('\n'))), this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this,
                [this, text] { txtPomoc->setPlainText(toQ(text)); });
        help->addWidget(button);
    }

    auto* cmdSnimi = new QPushButton("Snimi"_q, this);
    cmdSnimi->setObjectName("cmdSnimi");
    auto* cmdIzlaz = new QPushButton("Izlaz"_q, this);
    cmdIzlaz->setObjectName("cmdIzlaz");
    connect(cmdSnimi, &QPushButton::clicked, this, &frmSifraVrstePrihoda::cmdSnimi_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Redni broj:"_q, this));
    top->addWidget(lblRedBr);
    top->addStretch();
    auto* daysRow = new QHBoxLayout;
    daysRow->addWidget(new QLabel("Broj kalendarskih dana:"_q, this));
    daysRow->addWidget(txtBrDana);
    daysRow->addStretch();
    daysRow->addWidget(cmdSnimi);
    daysRow->addWidget(cmdIzlaz);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(boxes);
    layout->addLayout(daysRow);
    layout->addLayout(help);
    layout->addWidget(txtPomoc, 1);
    SelectAllOnFocus::installAll(this);
    resize(640, 420);
}

void frmSifraVrstePrihoda::txtSP_Change(std::size_t box) {
    if (txtSP[box]->text().isEmpty())
        return;
    QLineEdit* next = box + 1 < txtSP.size() ? txtSP[box + 1] : txtBrDana;
    next->setFocus();
}

void frmSifraVrstePrihoda::cmdSnimi_Click() {
    std::array<std::string, 9> typed;
    for (std::size_t i = 0; i < txtSP.size(); ++i)
        typed[i] = fromQ(txtSP[i]->text());
    saved_(joinedIncomeCode(typed), static_cast<int>(wholeValue(fromQ(txtBrDana->text()))));
    accept();
}

} // namespace zarion::parameters
