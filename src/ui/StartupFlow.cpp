#include "ui/StartupFlow.h"

#include "core/FailureWords.h"
#include "core/startup/CompanyOpening.h"
#include "core/startup/DatabaseDoor.h"
#include "core/startup/Paths.h"
#include "core/startup/SchemaUpgrade.h"
#include "ui/Dialogs.h"
#include "ui/WidgetKit.h"
#include "ui/frmFirme.h"
#include "ui/frmGlavni.h"
#include "ui/frmLogin.h"

namespace zarion::ui {

StartupFlow::StartupFlow(AppContext& context, QObject* parent)
    : QObject(parent)
    , context_(context) {}

StartupFlow::~StartupFlow() = default;

Outcome<std::unique_ptr<db::Database>> StartupFlow::openRegister() {
    try {
        context_.DataRoot = startup::chooseDataRoot(context_.BaseFolder);
    } catch (const std::exception& failure) {
        return error(failureWords(failure));
    }
    return startup::openChecked(startup::registerPath(context_.DataRoot));
}

void StartupFlow::start() {
    auto opened = openRegister();
    if (!opened) {
        showRefusal(nullptr, opened.refusal());
        // the program's loop may not run yet: it is told once it does
        QMetaObject::invokeMethod(this, &StartupFlow::finished, Qt::QueuedConnection);
        return;
    }
    register_ = std::move(opened).value();
    login_ = new frmLogin(context_, *register_);
    login_->setAttribute(Qt::WA_DeleteOnClose);
    connect(login_, &QDialog::accepted, this, &StartupFlow::onSignedIn);
    connect(login_, &QDialog::rejected, this, &StartupFlow::finished);
    login_->show();
}

void StartupFlow::onSignedIn() {
    companies_ = new frmFirme(context_, *register_);
    companies_->setAttribute(Qt::WA_DeleteOnClose);
    connect(companies_, &QDialog::accepted, this, &StartupFlow::onCompanyChosen);
    connect(companies_, &QDialog::rejected, this, &StartupFlow::finished);
    companies_->show();
}

void StartupFlow::bringSchemaUpToDate() {
    const auto templ = startup::templatePath(context_.DataRoot);
    const auto payroll =
        startup::payrollPath(context_.DataRoot, context_.WorkYear, context_.CompanyId);
    if (!startup::needsUpgrade(templ, payroll))
        return;
    message(nullptr,
            "Potrebno je uraditi update baze! Orginalna baza ce biti arhivirana u folderu "
            "ARHIVA, na putanji originalne baze!"_q,
            Icon::Exclamation);
    startup::archiveAndUpgrade(templ, payroll, context_.clock);
    message(nullptr, "Zavrsen je update baze!"_q, Icon::Information);
}

Outcome<startup::OpeningMessages> StartupFlow::openChosenCompany() {
    try {
        bringSchemaUpToDate();
    } catch (const std::exception& failure) {
        return startup::databaseRefusal(
            startup::payrollPath(context_.DataRoot, context_.WorkYear, context_.CompanyId),
            failure);
    }
    return startup::openCompany(context_);
}

void StartupFlow::onCompanyChosen() {
    const auto opening = openChosenCompany();
    if (!opening) {
        showRefusal(nullptr, opening.refusal());
        onSignedIn();
        return;
    }
    for (const auto& reminder : opening->reminders)
        message(nullptr, toQ(reminder), Icon::Information);
    if (!opening->warning.empty())
        message(nullptr, toQ(opening->warning), Icon::Exclamation);

    main_ = new frmGlavni(context_);
    main_->setAttribute(Qt::WA_DeleteOnClose);
    connect(main_, &QObject::destroyed, this, &StartupFlow::finished);
    emit mainWindowOpened(main_);
    main_->resize(1200, 800);
    main_->showMaximized();
}

} // namespace zarion::ui
