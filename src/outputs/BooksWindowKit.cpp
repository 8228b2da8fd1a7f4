#include "outputs/BooksWindowKit.h"

#include <QPushButton>

#include "core/AppContext.h"
#include "core/NumberFormat.h"

namespace zarion::outputs {

ListPrint companyPrint(const AppContext& context) {
    ListPrint print;
    if (context.CompanyMasterDb)
        print.company = report::readCompanyData(*context.CompanyMasterDb).value_or(print.company);
    print.logo = context.logoPath();
    return print;
}

std::string amountOrBlank(Currency amount) {
    return amount.isZero() ? std::string() : format(amount, NumberFormat::Grouped2);
}

QPushButton* commandButton(QWidget* window, const char* name, const QString& caption,
                           std::function<void()> command) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    QObject::connect(button, &QPushButton::clicked, window, std::move(command));
    return button;
}

} // namespace zarion::outputs
