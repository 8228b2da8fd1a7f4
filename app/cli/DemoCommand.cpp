#include "cli/DemoCommand.h"

#include <ostream>

#include "cli/GuiApplication.h"
#include "core/startup/Paths.h"
#include "demo/DemoBase.h"

namespace zarion::cli {
namespace {

// A company of more employees than this takes long to post its months.
constexpr int MostEmployees = 10000;

int usage(std::ostream& err) {
    err << "upotreba: zarion-cli demo --base FOLDER [--zaposlenih BROJ]\n"
           "           pravi demo bazu (operater demo, lozinka demo) sa proknjizenim mesecima\n";
    return 2;
}

} // namespace

int demoCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto base = args.get("base");
    if (!base || base->empty())
        return usage(err);
    demo::DemoOptions options;
    if (const auto count = args.get("zaposlenih")) {
        const auto employees = wholeNumber(*count);
        if (!employees || *employees < 1 || *employees > MostEmployees) {
            err << "--zaposlenih mora biti ceo broj od 1 do " << MostEmployees << ": " << *count
                << "\n";
            return 1;
        }
        options.employees = *employees;
    }
    const auto app = guiApplication(); // the company's logo is painted
    const SystemClock clock;
    const auto company = demo::makeDemoBase(*base, clock, options);
    if (!company) {
        out << "Baza u folderu " << *base << " vec postoji i ostaje kakva jeste.\n";
        return 0;
    }
    out << "Demo baza je napravljena u " << *base << " (firma: " << company->string()
        << "). Operater: demo, lozinka: demo.\n";
    return 0;
}

} // namespace zarion::cli
