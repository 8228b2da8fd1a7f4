#include "ui/StartupFlow.h"

#include "core/startup/CompanyOpening.h"
#include "core/startup/Paths.h"
#include "core/startup/SchemaUpgrade.h"
#include "ui/Dialogs.h"
#include "ui/frmFirme.h"
#include "ui/frmGlavni.h"
#include "ui/frmLogin.h"

namespace zarion::ui {

StartupFlow::StartupFlow(AppContext& context, QObject* parent)
    : QObject(parent)
    , context_(context) {}

StartupFlow::~StartupFlow() = default;

void StartupFlow::start() {
    login_ = new frmLogin(context_);
    login_->setAttribute(Qt::WA_DeleteOnClose);
    connect(login_, &QDialog::accepted, this, &StartupFlow::onSignedIn);
    connect(login_, &QDialog::rejected, this, &StartupFlow::finished);
    login_->show();
}

void StartupFlow::onSignedIn() {
    companies_ = new frmFirme(context_);
    companies_->setAttribute(Qt::WA_DeleteOnClose);
    connect(companies_, &QDialog::accepted, this, &StartupFlow::onCompanyChosen);
    connect(companies_, &QDialog::rejected, this, &StartupFlow::finished);
    companies_->show();
}

bool StartupFlow::bringSchemaUpToDate() {
    const auto templ = startup::templatePath(context_.DataRoot);
    const auto payroll =
        startup::payrollPath(context_.DataRoot, context_.WorkYear, context_.CompanyId);
    if (!startup::needsUpgrade(templ, payroll))
        return true;
    message(nullptr,
            "Potrebno je uraditi update baze! Orginalna baza ce biti arhivirana u folderu "
            "ARHIVA, na putanji originalne baze!"_q,
            Icon::Exclamation);
    startup::archiveAndUpgrade(templ, payroll, context_.clock);
    message(nullptr, "Zavrsen je update baze!"_q, Icon::Information);
    return true;
}

void StartupFlow::onCompanyChosen() {
    startup::OpeningMessages opening;
    try {
        bringSchemaUpToDate();
        opening = startup::openCompany(context_);
    } catch (const std::exception& e) {
        message(nullptr, "Baza firme ne mo`e da se otvori: "_q + toQ(e.what()), Icon::Critical);
        emit finished();
        return;
    }
    for (const auto& reminder : opening.reminders)
        message(nullptr, toQ(reminder), Icon::Information);
    if (!opening.warning.empty())
        message(nullptr, toQ(opening.warning), Icon::Exclamation);

    main_ = new frmGlavni(context_);
    main_->setAttribute(Qt::WA_DeleteOnClose);
    connect(main_, &QObject::destroyed, this, &StartupFlow::finished);
    emit mainWindowOpened(main_);
    main_->resize(1200, 800);
    main_->showMaximized();
}

} // namespace zarion::ui
