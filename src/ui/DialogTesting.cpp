#include "ui/DialogTesting.h"

#include <algorithm>
#include <deque>

namespace zarion::ui::testing {
namespace {

struct State {
    bool engaged = false; // a test has used the hook: boxes are recorded
    bool strict = false;
    std::deque<detail::Answer> queue;
    std::vector<ShownBox> shown;
};

State& state() {
    static State s;
    return s;
}

void enqueue(detail::Answer answer) {
    state().engaged = true;
    state().queue.push_back(std::move(answer));
}

const char* answerName(detail::AnswerKind kind) {
    using enum detail::AnswerKind;
    switch (kind) {
    case Yes:
        return "Yes";
    case No:
        return "No";
    case Ok:
        return "Ok";
    case Cancel:
        return "Cancel";
    case Number:
        return "Number";
    case Text:
        return "Text";
    case Date:
        return "Date";
    case File:
        return "File";
    }
    return "?";
}

} // namespace

void queueYes() {
    enqueue({detail::AnswerKind::Yes, {}, {}, {}});
}
void queueNo() {
    enqueue({detail::AnswerKind::No, {}, {}, {}});
}
void queueOk() {
    enqueue({detail::AnswerKind::Ok, {}, {}, {}});
}
void queueCancel() {
    enqueue({detail::AnswerKind::Cancel, {}, {}, {}});
}
void queueNumber(Currency value) {
    enqueue({detail::AnswerKind::Number, value, {}, {}});
}
void queueText(const QString& text) {
    enqueue({detail::AnswerKind::Text, {}, text, {}});
}
void queueDate(const QDate& date) {
    enqueue({detail::AnswerKind::Date, {}, {}, date});
}
void queueFile(const QString& path) {
    enqueue({detail::AnswerKind::File, {}, path, {}});
}

void setStrict(bool strict) {
    state().engaged = true;
    state().strict = strict;
}

const std::vector<ShownBox>& shown() {
    return state().shown;
}

int pending() {
    return static_cast<int>(state().queue.size());
}

void clear() {
    state().engaged = true;
    state().queue.clear();
    state().shown.clear();
}

namespace detail {

std::optional<Answer> intercept(BoxKind kind, const QString& title, const QString& text,
                                QMessageBox::Icon icon,
                                std::initializer_list<AnswerKind> accepted) {
    State& s = state();
    if (!s.engaged)
        return std::nullopt;
    s.shown.push_back({kind, title, text, icon});
    if (s.queue.empty()) {
        if (s.strict)
            return Answer{AnswerKind::Cancel, {}, {}, {}};
        return std::nullopt;
    }
    Answer answer = std::move(s.queue.front());
    s.queue.pop_front();
    if (std::find(accepted.begin(), accepted.end(), answer.kind) == accepted.end())
        qFatal("A queued %s answer does not fit the box \"%s\"", answerName(answer.kind),
               qPrintable(text));
    return answer;
}

} // namespace detail
} // namespace zarion::ui::testing
