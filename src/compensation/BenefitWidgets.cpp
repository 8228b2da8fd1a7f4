#include "compensation/BenefitWidgets.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/AppContext.h"
#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "employees/EmployeeRecord.h"
#include "report/qt/frmPregled.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"

namespace zarion::compensation {

QLineEdit* formBox(QWidget* parent, QFormLayout* form, const QString& caption, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    form->addRow(caption, box);
    return box;
}

QLineEdit* employeeBox(QWidget* parent, QFormLayout* form, QLabel*& name) {
    QLineEdit* box = formBox(parent, form, ui::toQ("ID radnika:"), "txtID_Radnik");
    name = new QLabel(parent);
    name->setObjectName("lblIme");
    form->addRow(QString(), name);
    return box;
}

bool showEmployeeName(AppContext& context, const QLineEdit* box, QLabel* name) {
    const auto employee = employees::loadEmployee(*context.PayrollDb, typedNumber(box));
    name->setText(employee ? ui::toQ(employee->Prezime + " " + employee->Ime) : QString());
    return employee.has_value();
}

QPushButton* commandButton(QWidget* parent, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QString shownAmount(Currency amount) {
    return ui::toQ(format(amount, NumberFormat::Grouped2));
}

Currency typedAmount(const QLineEdit* box) {
    return parseAmount(ui::fromQ(box->text())).value_or(Currency());
}

std::int64_t typedNumber(const QLineEdit* box) {
    return wholeValue(ui::fromQ(box->text()));
}

bool closedOnEscape(QWidget* window, const QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape)
        return false;
    ui::closeWindow(window);
    return true;
}

report::CompanyData companyOf(AppContext& context) {
    if (context.CompanyMasterDb)
        if (auto company = report::readCompanyData(*context.CompanyMasterDb))
            return *company;
    return {};
}

void preview(QWidget* window, AppContext& context, const report::Document& document) {
    report::showPreview(window, document, context.PrinterName);
}

} // namespace zarion::compensation
