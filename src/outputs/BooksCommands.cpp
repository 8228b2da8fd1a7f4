#include "outputs/BooksCommands.h"

#include "core/AppContext.h"
#include "outputs/frmGKNalogpodesavanje.h"
#include "outputs/frmRekapitulacijaNalog.h"
#include "ui/frmGlavni.h"

namespace zarion {

void registerBooksCommands(ui::frmGlavni& window, AppContext& context) {
    window.enableCommand("mnuPRK", [&window, &context] {
        window.showChild(new outputs::frmRekapitulacijaNalog(context));
    });
    window.enableCommand("mnuGKNAlog", [&window, &context] {
        window.showChild(new outputs::frmGKNalogpodesavanje(context));
    });
}

} // namespace zarion
