#include "ui/AskWholeNumber.h"

#include "ui/Dialogs.h"

namespace zarion::ui {

std::optional<int> askWholeNumber(QWidget* parent, const QString& caption) {
    const auto value = askNumber(parent, caption);
    if (!value)
        return std::nullopt;
    return static_cast<int>(value->round0().raw() / Currency::Scale);
}

} // namespace zarion::ui
