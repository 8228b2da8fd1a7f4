#include "parameters/ParametersCommands.h"

#include <array>

#include "core/AppContext.h"
#include "parameters/frmMesecIGod.h"
#include "parameters/frmParametri_po_mesecima.h"
#include "parameters/frmPodaci.h"
#include "parameters/frmPodesavanja.h"
#include "parameters/frmUmanjenja.h"
#include "ui/WidgetKit.h"
#include "ui/frmGlavni.h"

namespace zarion {
namespace {

struct EditorCommand {
    const char* command;
    const char* table;
};

constexpr auto editorCommands = std::to_array<EditorCommand>({
    {"mnuUnPar", "parametri"},
    {"mnuPost", "postavke"},
    {"mnuOstali", "parametri2"},
    {"mnuUplRB", "parametri_bolovanje"},
    {"mnuUpRP", "parametri_porodilje"},
    {"mnuUPRI", "parametri_invalidi"},
    {"mnuUplVlasnik", "parametri_vlasnik"},
    {"mnuKurs", "kurs"},
    {"mnuPodPPPPD", "podaci_ppppd"},
    {"mnuUPBR", "parametri3"},
});

} // namespace

void registerParametersCommands(ui::frmGlavni& window, AppContext& context) {
    for (const EditorCommand& entry : editorCommands) {
        const QString table = QString::fromLatin1(entry.table);
        window.enableCommand(QString::fromLatin1(entry.command), [&window, &context, table] {
            ui::guarded(&window, "frmPodesavanja", [&] {
                parameters::frmPodesavanja editor(*context.PayrollDb, table, &window);
                editor.exec();
            });
        });
    }
    window.enableCommand(QStringLiteral("mnuPodaci"), [&window, &context] {
        ui::guarded(&window, "frmPodaci", [&] {
            parameters::frmPodaci editor(context, &window);
            editor.exec();
        });
    });
    window.enableCommand(QStringLiteral("mnupreUmanj"), [&window, &context] {
        ui::guarded(&window, "frmUmanjenja",
                    [&] { window.showChild(new parameters::frmUmanjenja(context)); });
    });
    window.enableCommand(QStringLiteral("mnuPoMes"), [&window, &context] {
        ui::guarded(&window, "frmParametri_po_mesecima", [&] {
            window.showChild(new parameters::frmParametri_po_mesecima(*context.PayrollDb));
        });
    });
}

void enableMonthCalculation(ui::frmGlavni& window, AppContext& context,
                            std::function<void()> openCalculationWindow) {
    window.enableCommand(QStringLiteral("mnuPojOLD"),
                         [&window, &context, open = std::move(openCalculationWindow)] {
                             if (parameters::chooseCalculationMonth(&window, context))
                                 open();
                         });
}

} // namespace zarion
