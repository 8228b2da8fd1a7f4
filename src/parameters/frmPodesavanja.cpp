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

// Wide enough for the longest text a column of the table holds, from 16 up to 26 characters
// (an account number or a payment reference; a longer text scrolls in its box).
int boxWidth(const EditorContent& content, const QFontMetrics& metrics) {
    std::size_t characters = 16;
    for (const EditorField& field : content.fields)
        characters =
            std::max(characters, std::min<std::size_t>(fieldType(field.declType).maxLength, 26));
    return metrics.horizontalAdvance(QLatin1Char('0')) * static_cast<int>(characters) + 12;
}

// A description longer than this many characters wraps: wide beside a single column of boxes,
// narrower where two columns of boxes share the window.
int captionCharacters(const EditorContent& content) {
    const int lastIndex = static_cast<int>(content.fields.size()) - 1;
    return lastIndex >= 0 && editorSlot(lastIndex).column > 0 ? 50 : 80;
}

// The caption of a column: the operator's description, with the column's own name small beneath
// it (the column name alone when it has no description); the tooltip names both.
struct Caption {
    QWidget* cell;
    QLabel* text;
};

Caption makeCaption(const EditorField& field, int index, int characters, QWidget* parent) {
    auto* cell = new QWidget(parent);
    auto* lines = new QVBoxLayout(cell);
    lines->setContentsMargins(0, 1, 0, 3);
    lines->setSpacing(0);
    const bool described = !field.description.empty();
    auto* text = new QLabel(ui::toQ(described ? field.description : field.name), cell);
    text->setObjectName(QStringLiteral("Labela_%1").arg(index));
    text->setWordWrap(true);
    const QFontMetrics metrics = text->fontMetrics();
    const int widest = metrics.averageCharWidth() * characters;
    // One character to spare, so that a description that fits does not wrap.
    const int oneLine = metrics.horizontalAdvance(text->text()) + metrics.averageCharWidth();
    text->setMinimumWidth(std::min(oneLine, widest));
    text->setMaximumWidth(widest);
    lines->addWidget(text);
    if (described) {
        auto* name = new QLabel(ui::toQ(field.name), cell);
        name->setObjectName(QStringLiteral("lblKolona_%1").arg(index));
        QFont small = name->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        name->setFont(small);
        name->setForegroundRole(QPalette::PlaceholderText);
        lines->addWidget(name);
    }
    cell->setToolTip(ui::toQ(described ? field.description + "\n" + field.name : field.name));
    return {cell, text};
}

} // namespace

frmPodesavanja::frmPodesavanja(db::Database& payrollDb, const QString& table, QWidget* parent)
    : frmPodesavanja(payrollDb, table, std::nullopt, parent) {}

frmPodesavanja::frmPodesavanja(db::Database& payrollDb, const QString& table,
                               const EditorRowKey& key, const QString& rowCaption, QWidget* parent)
    : frmPodesavanja(payrollDb, table, std::optional<EditorRowKey>(key), parent) {
    setWindowTitle(windowTitle() + QStringLiteral(" – ") + rowCaption);
}

frmPodesavanja::frmPodesavanja(db::Database& payrollDb, const QString& table,
                               std::optional<EditorRowKey> key, QWidget* parent)
    : QDialog(parent)
    , payrollDb_(payrollDb)
    , table_(table)
    , key_(std::move(key))
    , cmdSnimi(new QPushButton(QStringLiteral("Snimi"), this))
    , cmdIzlaz(new QPushButton(QStringLiteral("Izlaz"), this)) {
    const EditorContent content = loadEditorTable(payrollDb_, ui::fromQ(table_), key_);
    setObjectName(QStringLiteral("frmPodesavanja"));
    setWindowTitle(ui::toQ(content.title));
    cmdSnimi->setObjectName(QStringLiteral("cmdSnimi"));
    cmdIzlaz->setObjectName(QStringLiteral("cmdIzlaz"));

    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    // Rows close together; a table taller than the screen scrolls.
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(8);
    const int width = boxWidth(content, fontMetrics());
    const int characters = captionCharacters(content);
    int lastRow = 0;
    for (int i = 0; i < static_cast<int>(content.fields.size()); ++i) {
        const EditorField& field = content.fields[static_cast<std::size_t>(i)];
        const Caption caption = makeCaption(field, i, characters, fields);
        auto* box = new QLineEdit(ui::toQ(field.text), fields);
        box->setObjectName(QStringLiteral("text_%1").arg(i));
        box->setMinimumWidth(width);
        box->setCursorPosition(0);
        box->setToolTip(caption.cell->toolTip());
        caption.text->setBuddy(box);
        const EditorSlot slot = editorSlot(i);
        // Caption, box, and an empty gap before the next column of boxes.
        grid->addWidget(caption.cell, slot.row, 3 * slot.column);
        grid->addWidget(box, slot.row, 3 * slot.column + 1);
        if (slot.column > 0)
            grid->setColumnMinimumWidth(3 * slot.column - 1, GapBetweenColumns);
        lastRow = std::max(lastRow, slot.row);
        Labela.append(caption.text);
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
        const EditorSaveResult result =
            saveEditorTable(payrollDb_, ui::fromQ(table_), inputs, key_);
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
