#pragma once

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/Currency.h"

// Answers for the boxes of ui/Dialogs.h, given in advance by a test. While an answer waits in
// the queue, the next box takes it and shows nothing. With strict mode on, a box that finds the
// queue empty answers Cancel (or OK) at once, so a forgotten answer fails an assertion instead
// of waiting for a click. Every box is recorded once a test has used anything here.
namespace zarion::ui::testing {

enum class BoxKind { Message, Question, Number, Text, Date, MessageWindow, OpenFile, SaveFile };

struct ShownBox {
    BoxKind kind;
    QString title;
    QString text;           // the message, or the caption of an input dialog
    QMessageBox::Icon icon; // NoIcon for the input dialogs and the message window
};

void queueYes();
void queueNo();
void queueOk();
void queueCancel();
void queueNumber(Currency value);
void queueText(const QString& text);
void queueDate(const QDate& date);
void queueFile(const QString& path);

void setStrict(bool strict);

const std::vector<ShownBox>& shown();
// Answers still waiting in the queue.
int pending();
// Forgets the queue and the record (strict mode stays as set).
void clear();

namespace detail {

enum class AnswerKind { Yes, No, Ok, Cancel, Number, Text, Date, File };

struct Answer {
    AnswerKind kind;
    Currency number;
    QString text;
    QDate date;
};

// Called by every box before it shows: records the box and hands back the queued answer (which
// must be one of `accepted`), Cancel in strict mode with an empty queue, or nothing when the
// real box is to be shown.
std::optional<Answer> intercept(BoxKind kind, const QString& title, const QString& text,
                                QMessageBox::Icon icon, std::initializer_list<AnswerKind> accepted);

} // namespace detail
} // namespace zarion::ui::testing
