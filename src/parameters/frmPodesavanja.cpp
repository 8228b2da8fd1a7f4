#include "parameters/frmPodesavanja.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "parameters/FieldValues.h"
#include "parameters/TableEditor.h"
#include "ui/Dialogs.h"
#include "ui/SelectAllOnFocus.h"
#include "ui/WidgetKit.h"

namespace zarion::parameters {
namespace {

constexpr int GapBetweenColumns = 24;

// Wide enough for the longest text a column of the table holds, from 16 up to 40 characters.
int boxWidth(const EditorContent& content, const QFontMetrics& metrics) {
    std::size_t characters = 16;
    for (const EditorField& field : content.fields)
        characters =
            std::max(characters, std::min<std::size_t>(fieldType(field.declType).maxLength, 40));
    return metrics.horizontalAdvance(QLatin1Char('0')) * static_cast<int>(characters) + 12;
}

} // namespace

frmPodesavanja::frmPodesavanja(db::Database& payrollDb, const QString& table, QWidget* parent)
    : QDialog(parent)
    , payrollDb_(payrollDb)
    , table_(table)
    , cmdSnimi(new QPushButton(QStringLiteral("Snimi"), this))
    , cmdIzlaz(new QPushButton(QStringLiteral("Izlaz"), this)) {
    const EditorContent content = loadEditorTable(payrollDb_, ui::fromQ(table_));
    setObjectName(QStringLiteral("frmPodesavanja"));
    setWindowTitle(table_);
    cmdSnimi->setObjectName(QStringLiteral("cmdSnimi"));
    cmdIzlaz->setObjectName(QStringLiteral("cmdIzlaz"));

    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    // Rows close together, so that 41 rows fit a screen 1080 points high.
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(8);
    const int width = boxWidth(content, fontMetrics());
    int lastRow = 0;
    for (int i = 0; i < static_cast<int>(content.fields.size()); ++i) {
        const EditorField& field = content.fields[static_cast<std::size_t>(i)];
        auto* caption = new QLabel(ui::toQ(field.name), fields);
        caption->setObjectName(QStringLiteral("Labela_%1").arg(i));
        auto* box = new QLineEdit(ui::toQ(field.text), fields);
        box->setObjectName(QStringLiteral("text_%1").arg(i));
        box->setMinimumWidth(width);
        box->setCursorPosition(0);
        caption->setBuddy(box);
        const EditorSlot slot = editorSlot(i);
        // Caption, box, and an empty gap before the next column of boxes.
        grid->addWidget(caption, slot.row, 3 * slot.column);
        grid->addWidget(box, slot.row, 3 * slot.column + 1);
        if (slot.column > 0)
            grid->setColumnMinimumWidth(3 * slot.column - 1, GapBetweenColumns);
        lastRow = std::max(lastRow, slot.row);
        Labela.append(caption);
        text.append(box);
    }
    grid->setRowStretch(lastRow + 1, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrFields"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(fields);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSnimi);
    buttons->addWidget(cmdIzlaz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(cmdSnimi, &QPushButton::clicked, this, &frmPodesavanja::cmdSnimi_Click);
    connect(cmdIzlaz, &QPushButton::clicked, this, &QDialog::reject);
    ui::SelectAllOnFocus::installAll(this);

    // As large as the boxes need, within the screen; the rest scrolls.
    const QMargins margins = layout->contentsMargins();
    const QSize wanted =
        fields->sizeHint() +
        QSize(margins.left() + margins.right() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                  4,
              margins.top() + margins.bottom() + layout->spacing() + cmdSnimi->sizeHint().height());
    const QScreen* screen = QApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() - QSize(20, 60) : wanted;
    resize(wanted.boundedTo(room));
    if (!text.isEmpty())
        text.first()->setFocus();
}

void frmPodesavanja::cmdSnimi_Click() {
    std::vector<std::string> inputs;
    for (const QLineEdit* box : text)
        inputs.push_back(ui::fromQ(box->text()));
    try {
        const EditorSaveResult result = saveEditorTable(payrollDb_, ui::fromQ(table_), inputs);
        if (!result.stored()) {
            ui::message(this, ui::toQ(result.refusal), ui::Icon::Exclamation);
            if (result.refusedColumn >= 0 && result.refusedColumn < text.size())
                text[result.refusedColumn]->setFocus();
            return;
        }
    } catch (const std::exception& error) {
        ui::showFailure(this, "cmdSnimi_Click", error);
        return;
    }
    accept();
}

} // namespace zarion::parameters
