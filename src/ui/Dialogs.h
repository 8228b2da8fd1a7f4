#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/Currency.h"

class QWidget;

namespace zarion::ui {

// Every message box, question, input dialog and file dialog of the program goes through these
// functions. Boxes carry the title "Tarlen" and the icon the message kind calls for. A test
// answers them in advance through ui::testing (DialogTesting.h), so no window test blocks.

enum class Icon { Critical, Exclamation, Information };

void message(QWidget* parent, const QString& text, Icon icon);
// A Yes/No question with the question icon; true on Yes.
bool ask(QWidget* parent, const QString& text);

// frmULAZ: a number by the numeric-prefix rule; the password character masks the input; the box
// starts with `initial`.
std::optional<Currency> askNumber(QWidget* parent, const QString& caption,
                                  QChar passwordChar = QChar(), const QString& initial = {});
// frmULAZTEKST: a text; the box starts with `initial`.
std::optional<QString> askText(QWidget* parent, const QString& caption,
                               const QString& initial = {});
// frmUlazDatum: a date from a date picker, which starts at today's date or at `initial`.
std::optional<QDate> askDate(QWidget* parent, const QString& caption);
std::optional<QDate> askDate(QWidget* parent, const QString& caption, const QDate& initial);
// frmMSG: the message window with Da/Ne (askYesNo) or OK, closing itself after the given
// seconds when non-zero. Returns 1 for "Da", 2 for "Ne", 0 for OK or when the timer closed it.
int showMessage(QWidget* parent, const QString& text, int seconds, bool askYesNo);

// File dialogs; an empty text when the operator cancels.
QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& filter);
QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                     const QString& filter);

// Fixed texts of the program to QString: "A`uriraj"_q is "Ažuriraj".
QString operator""_q(const char* text, std::size_t size);
QString toQ(const std::string& utf8);
std::string fromQ(const QString& text);

} // namespace zarion::ui
