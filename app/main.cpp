// zarion: the payroll program.
#include <QApplication>
#include <QFont>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "Commands.h"
#include "core/AppContext.h"
#include "core/FailureWords.h"
#include "core/startup/DataRootSetup.h"
#include "core/startup/Paths.h"
#include "demo/DemoBase.h"
#include "demo/DemoNote.h"
#include "ui/Dialogs.h"
#include "ui/ProgramIcon.h"
#include "ui/ReportServices.h"
#include "ui/SerbianQtTexts.h"
#include "ui/StartupFlow.h"
#include "ui/TitleFitting.h"

namespace fs = std::filesystem;
using namespace zarion;
using zarion::ui::operator""_q;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zarion");
    QApplication::setFont(QFont("DejaVu Sans", 10));
    QApplication::setWindowIcon(ui::programIcon());
    // Windows follow one another (sign-in, companies, main window); the flow says when to stop.
    QApplication::setQuitOnLastWindowClosed(false);

    bool demo = false;
    for (int i = 1; i < argc; ++i)
        demo = demo || std::strcmp(argv[i], "--demo") == 0;

    SystemClock clock;
    AppContext context(clock);
    bool firstDemoStart = false;
    try {
        if (demo) {
            // The demo base lies beside the build, never in the operator's home.
            context.BaseFolder =
                fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() /
                "demo";
            firstDemoStart = demo::makeDemoBase(context.BaseFolder, clock).has_value();
        } else {
            context.BaseFolder =
                startup::baseFolder(std::getenv("ZARION_BASE"), std::getenv("HOME"));
        }
        startup::prepareDataRoot(startup::chooseDataRoot(context.BaseFolder));
    } catch (const std::exception& e) {
        ui::message(nullptr, "Greska kod pripreme baze: "_q + ui::toQ(failureWords(e)),
                    ui::Icon::Critical);
        return 1;
    }

    ui::installSerbianQtTexts();
    ui::installTitleFitting();
    ui::installReportServices(context.BaseFolder / "PDF");
    ui::StartupFlow flow(context);
    QObject::connect(&flow, &ui::StartupFlow::finished, &app, &QApplication::quit);
    QObject::connect(&flow, &ui::StartupFlow::mainWindowOpened, &flow,
                     [&context, &firstDemoStart](ui::frmGlavni* window) {
                         registerCommands(*window, context);
                         // the demo base was made by this start: say once what it holds
                         if (std::exchange(firstDemoStart, false))
                             QTimer::singleShot(0, window, [window] {
                                 ui::message(window,
                                             ui::toQ(demo::demoNote(demo::DemoOptions{}.employees)),
                                             ui::Icon::Information);
                             });
                     });
    flow.start();
    return QApplication::exec();
}
