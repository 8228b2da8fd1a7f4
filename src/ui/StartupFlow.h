#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "core/AppContext.h"
#include "core/Outcome.h"
#include "core/startup/CompanyOpening.h"
#include "ui/frmFirme.h"
#include "ui/frmGlavni.h"
#include "ui/frmLogin.h"

namespace zarion::ui {

// The way from launch to a ready main window: the register opened and checked, sign-in, company
// register, the schema version check (archive and merge when the company's database is older
// than the template), the company's databases opened into the context with their reminders, and
// the main window. A register that cannot be used ends the way with its message; a company that
// cannot be opened brings the company list back.
class StartupFlow : public QObject {
    Q_OBJECT
public:
    explicit StartupFlow(AppContext& context, QObject* parent = nullptr);
    ~StartupFlow() override;

    void start();

    frmLogin* login() const { return login_; }
    frmFirme* companies() const { return companies_; }
    frmGlavni* mainWindow() const { return main_; }

signals:
    // The work is over: the operator closed the sign-in or company window without going on, or
    // closed the main window.
    void finished();
    // The main window is open on the chosen company: the program brings its commands to life.
    void mainWindowOpened(frmGlavni* window);

private:
    void onSignedIn();
    void onCompanyChosen();
    Outcome<std::unique_ptr<db::Database>> openRegister();
    Outcome<startup::OpeningMessages> openChosenCompany();
    void bringSchemaUpToDate();

    AppContext& context_;
    std::unique_ptr<db::Database> register_;
    QPointer<frmLogin> login_;
    QPointer<frmFirme> companies_;
    QPointer<frmGlavni> main_;
};

} // namespace zarion::ui
