#include "ui/FiledMonthPermit.h"

#include <QLabel>

#include "core/startup/Operators.h"
#include "core/startup/Paths.h"
#include "ui/DialogTesting.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"
#include "ui/frmULAZTEKST.h"

namespace zarion::ui {
namespace {

// The access code, typed into the text input with what is typed hidden.
std::optional<QString> askSecret(QWidget* parent, const QString& caption) {
    using testing::BoxKind;
    using testing::detail::AnswerKind;
    if (auto answer =
            testing::detail::intercept(BoxKind::Text, QStringLiteral("Tarlen"), caption,
                                       QMessageBox::NoIcon, {AnswerKind::Text, AnswerKind::Cancel}))
        return answer->kind == AnswerKind::Text ? std::optional(answer->text) : std::nullopt;
    frmULAZTEKST dialog(parent);
    dialog.setCaption(caption);
    dialog.setMasked();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

} // namespace

std::optional<trail::Permit> askPermit(QWidget* parent, AppContext& context, const QString& why) {
    const auto code = askSecret(parent, why + "\n\n"_q + "Unesite {ifru (va{u lozinku):"_q);
    if (!code)
        return std::nullopt;
    bool matches = false;
    try {
        const auto registerDb = db::Database::open(startup::registerPath(context.DataRoot));
        matches = startup::accessCodeMatches(*registerDb, context.OperatorId, fromQ(*code));
    } catch (const db::Error& failure) {
        showFailure(parent, "askPermit", failure);
        return std::nullopt;
    }
    if (!matches) {
        message(parent, "Pogre{na {ifra!"_q, Icon::Exclamation);
        return std::nullopt;
    }
    const auto reason = askText(parent, "Unesite razlog promene:"_q);
    if (!reason || reason->trimmed().isEmpty()) {
        message(parent, "Bez razloga se ni{ta ne menja."_q, Icon::Exclamation);
        return std::nullopt;
    }
    return std::optional<trail::Permit>(std::in_place, *context.PayrollDb,
                                        fromQ(reason->trimmed()));
}

std::optional<trail::Permit> permitChange(QWidget* parent, AppContext& context,
                                          CalculationKind kind, int year, int month) {
    const QString note = filedNote(context, kind, year, month);
    if (note.isEmpty())
        return std::optional<trail::Permit>(std::in_place, *context.PayrollDb, std::string());
    return askPermit(parent, context, note);
}

std::optional<trail::Permit> permitOrderChange(QWidget* parent, AppContext& context,
                                               const Date& paid) {
    return permitChange(parent, context, CalculationKind::OtherIncome, paid.year, paid.month);
}

QString orderFiledNote(AppContext& context, const Date& paid) {
    return filedNote(context, CalculationKind::OtherIncome, paid.year, paid.month);
}

QString filedNote(AppContext& context, CalculationKind kind, int year, int month) {
    const auto filed = trail::lockingReturn(*context.PayrollDb, kind, year, month);
    if (!filed)
        return {};
    const QString by = filed->file.empty() ? "ozna~en ru~no"_q : toQ(filed->file);
    return "Mesec je predat: "_q + by + " (" + toQ(trail::displayTime(filed->when)) + ")";
}

QLabel* filedNoteLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("lblPredat");
    label->setStyleSheet("color: #b00000; font-weight: bold;");
    return label;
}

} // namespace zarion::ui
