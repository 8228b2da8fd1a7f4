// Opens every command of the main window on a company of a base, one after the other, and writes
// a picture of the main window with what each opened (and of every dialog on the way) into a
// folder, at the size given: zarion-tour BASE FOLDER WIDTH HEIGHT [COMMAND]. With a command it
// opens that one alone and calculates the first employee of a calculation window. With --prijava
// it writes the sign-in and the company list instead. Message boxes answer at once and are
// listed in tour.txt.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "core/AppContext.h"
#include "core/db/Database.h"
#include "core/startup/CompanyOpening.h"
#include "core/startup/Paths.h"
#include "ui/DialogTesting.h"
#include "ui/SerbianQtTexts.h"
#include "ui/TitleFitting.h"
#include "ui/frmFirme.h"
#include "ui/frmGlavni.h"
#include "ui/frmLogin.h"

using namespace zarion;
namespace dt = zarion::ui::testing;

namespace {

QString folder;
int failures = 0;

void save(QWidget& widget, const QString& name) {
    const QString file = folder + "/" + name + ".png";
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++failures;
    }
}

// A modal dialog met while a command runs: its picture, then the button that goes on (the month
// chooser's start, an OK), else it is closed.
void passDialog(const QString& command, int& seen) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog)
        return;
    save(*dialog, command + "-dialog" + QString::number(++seen));
    for (const char* name : {"cmdPokreni", "cmdOK", "cmdIzaberi"}) {
        auto* button = dialog->findChild<QPushButton*>(name);
        if (button && button->isEnabled() && seen < 3) {
            button->click();
            return;
        }
    }
    dialog->reject();
}

// Every command of the menu that has a window, in menu order.
QList<QAction*> commands(const ui::frmGlavni& main) {
    QList<QAction*> found;
    for (QMenu* menu : main.findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (!action->menu() && action->isEnabled() && action->objectName().startsWith("mnu") &&
                !found.contains(action))
                found.append(action);
    return found;
}

// In a calculation window: the first employee chosen and calculated.
void calculateFirst(ui::frmGlavni& main) {
    QMdiSubWindow* sub = main.mdiArea()->activeSubWindow();
    auto* list = sub ? sub->widget()->findChild<QTreeWidget*>("listZ") : nullptr;
    auto* calculate = sub ? sub->widget()->findChild<QPushButton*>("cmdIzNEto") : nullptr;
    if (!list || !calculate || list->topLevelItemCount() == 0)
        return;
    list->setCurrentItem(list->topLevelItem(0));
    calculate->click();
    QApplication::processEvents();
}

void tour(AppContext& context, QSize size, const QString& only, QTextStream& log) {
    ui::frmGlavni main(context);
    registerCommands(main, context);
    main.resize(size);
    main.show();
    QApplication::processEvents();
    save(main, "glavni");
    for (QAction* command : commands(main)) {
        const QString name = command->objectName();
        if (name == "mnuKraj" || name == "mnuIzlaz" || (!only.isEmpty() && name != only))
            continue;
        dt::clear();
        int seen = 0;
        QTimer dialogs;
        QObject::connect(&dialogs, &QTimer::timeout, [&] { passDialog(name, seen); });
        dialogs.start(150);
        command->trigger();
        QApplication::processEvents();
        dialogs.stop();
        if (!only.isEmpty())
            calculateFirst(main);
        save(main, name);
        log << name << " (" << command->text() << ")\n";
        for (const dt::ShownBox& box : dt::shown())
            log << "    " << box.text << "\n";
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &main && window->isVisible() && !qobject_cast<QMenu*>(window)) {
                save(*window, name + "-" + window->objectName());
                window->close();
            }
        main.mdiArea()->closeAllSubWindows();
        QApplication::processEvents();
    }
}

// The sign-in with the operator typed, and the company list after it.
void signIn(AppContext& context) {
    auto registerDb = db::Database::open(context.DataRoot / "firme.db");
    ui::frmLogin login(context, *registerDb);
    login.show();
    for (const char* name : {"txtKorisnicko", "txtPas"})
        login.findChild<QLineEdit*>(name)->setText("demo");
    QApplication::processEvents();
    save(login, "prijava");
    ui::frmFirme companies(context, *registerDb);
    companies.show();
    QApplication::processEvents();
    save(companies, "firme");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool companies = argc == 4 && QString(argv[3]) == "--prijava";
    if ((argc != 5 && argc != 6) && !companies) {
        std::fprintf(stderr,
                     "usage: %s BASE FOLDER WIDTH HEIGHT [COMMAND] | BASE FOLDER --prijava\n",
                     argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    QApplication::setFont(QFont("DejaVu Sans", 10));
    ui::installSerbianQtTexts();
    ui::installTitleFitting();
    dt::setStrict(true);

    SystemClock clock;
    AppContext context(clock);
    context.BaseFolder = argv[1];
    context.DataRoot = context.BaseFolder / "kontora";
    context.WorkYear = clock.today().year;
    context.CompanyId = 1;
    context.OperatorName = "demo";
    context.CompanyCaption = "Zarion Demo d.o.o. - Beograd"; // as the company list sets it
    if (companies) {
        signIn(context);
        return failures == 0 ? 0 : 1;
    }
    const auto opened = startup::openCompany(context);
    if (!opened) {
        std::fprintf(stderr, "%s\n", opened.message().c_str());
        return 1;
    }
    QFile file(folder + "/tour.txt");
    file.open(QIODevice::WriteOnly | QIODevice::Text);
    QTextStream log(&file);
    tour(context, {std::atoi(argv[3]), std::atoi(argv[4])}, argc == 6 ? argv[5] : QString(), log);
    return failures == 0 ? 0 : 1;
}
