#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

#include "core/Text.h"
#include "ui/DialogTesting.h"
#include "ui/frmMSG.h"
#include "ui/frmULAZ.h"
#include "ui/frmULAZTEKST.h"
#include "ui/frmUlazDatum.h"

namespace zarion::ui {
namespace {

using testing::BoxKind;
using testing::detail::AnswerKind;
using testing::detail::intercept;

const QString Title = QStringLiteral("Tarlen");

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void message(QWidget* parent, const QString& text, Icon icon) {
    if (intercept(BoxKind::Message, Title, text, boxIcon(icon),
                  {AnswerKind::Ok, AnswerKind::Cancel}))
        return;
    QMessageBox box(boxIcon(icon), Title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool ask(QWidget* parent, const QString& text) {
    if (auto answer = intercept(BoxKind::Question, Title, text, QMessageBox::Question,
                                {AnswerKind::Yes, AnswerKind::No, AnswerKind::Cancel}))
        return answer->kind == AnswerKind::Yes;
    QMessageBox box(QMessageBox::Question, Title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Da"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<Currency> askNumber(QWidget* parent, const QString& caption, QChar passwordChar,
                                  const QString& initial) {
    if (auto answer = intercept(BoxKind::Number, Title, caption, QMessageBox::NoIcon,
                                {AnswerKind::Number, AnswerKind::Cancel}))
        return answer->kind == AnswerKind::Number ? std::optional(answer->number) : std::nullopt;
    frmULAZ dialog(parent);
    dialog.setCaption(caption);
    if (!passwordChar.isNull())
        dialog.setPasswordChar(passwordChar);
    dialog.setText(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& initial) {
    if (auto answer = intercept(BoxKind::Text, Title, caption, QMessageBox::NoIcon,
                                {AnswerKind::Text, AnswerKind::Cancel}))
        return answer->kind == AnswerKind::Text ? std::optional(answer->text) : std::nullopt;
    frmULAZTEKST dialog(parent);
    dialog.setCaption(caption);
    dialog.setText(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

std::optional<QDate> askDate(QWidget* parent, const QString& caption) {
    return askDate(parent, caption, QDate::currentDate());
}

std::optional<QDate> askDate(QWidget* parent, const QString& caption, const QDate& initial) {
    if (auto answer = intercept(BoxKind::Date, Title, caption, QMessageBox::NoIcon,
                                {AnswerKind::Date, AnswerKind::Cancel}))
        return answer->kind == AnswerKind::Date ? std::optional(answer->date) : std::nullopt;
    frmUlazDatum dialog(parent);
    dialog.setCaption(caption);
    dialog.setDate(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

int showMessage(QWidget* parent, const QString& text, int seconds, bool askYesNo) {
    if (auto answer =
            intercept(BoxKind::MessageWindow, Title, text, QMessageBox::NoIcon,
                      {AnswerKind::Yes, AnswerKind::No, AnswerKind::Ok, AnswerKind::Cancel})) {
        switch (answer->kind) {
        case AnswerKind::Yes:
            return frmMSG::Da;
        case AnswerKind::No:
            return frmMSG::Ne;
        default:
            return frmMSG::Ok;
        }
    }
    frmMSG window(parent);
    window.prepare(text, seconds, askYesNo);
    window.exec();
    return window.answer();
}

QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& filter) {
    if (auto answer = intercept(BoxKind::OpenFile, Title, caption, QMessageBox::NoIcon,
                                {AnswerKind::File, AnswerKind::Cancel}))
        return answer->text;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                     const QString& filter) {
    if (auto answer = intercept(BoxKind::SaveFile, Title, caption, QMessageBox::NoIcon,
                                {AnswerKind::File, AnswerKind::Cancel}))
        return answer->text;
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

QString operator""_q(const char* text, std::size_t size) {
    return toQ(yuscii(std::string_view(text, size)));
}

QString toQ(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string fromQ(const QString& text) {
    return text.toStdString();
}

} // namespace zarion::ui
