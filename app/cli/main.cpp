// zarion-cli: the program's work without windows, for scripts and for checking figures.
#include <exception>
#include <iostream>
#include <string>

#include "cli/Arguments.h"
#include "cli/BatchCommand.h"
#include "cli/CalcCommand.h"
#include "cli/OperatorCommand.h"
#include "cli/ReportCommand.h"

namespace {

void usage() {
    std::cerr << "upotreba: zarion-cli <komanda> [opcije]\n"
                 "  operator --login IME --password LOZINKA [--ime I] [--prezime P] "
                 "[--pristup N]\n"
                 "           dodaje operatera ili menja lozinku postojecem\n"
                 "  calc     < zahtev.json\n"
                 "           obracun zarade iz JSON-a na ulazu, rezultat kao JSON na izlazu\n"
                 "  report   IZVESTAJ --firma ID [--godina GODINA] [--base FOLDER] --pdf FAJL\n"
                 "           izvestaj firme u PDF fajl (bez imena izvestaja: spisak izvestaja)\n"
                 "  batch    --firma ID --godina GODINA --mesec MESEC --deo akontacija|konacni "
                 "[--base FOLDER]\n"
                 "           obracunaj sve: obracun i knjizenje meseca za sve radnike, "
                 "sa izvestajem kao JSON\n"
                 "Baza podataka: folder iz $ZARION_BASE (inace ~/tarlen).\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
        return 2;
    }
    const std::string command = argv[1];
    const zarion::cli::Arguments args(argc, argv, 2);
    try {
        if (command == "operator")
            return zarion::cli::operatorCommand(args);
        if (command == "calc")
            return zarion::cli::calcCommand(std::cin, std::cout);
        if (command == "report")
            return zarion::cli::reportCommand(args, std::cout, std::cerr);
        if (command == "batch")
            return zarion::cli::batchCommand(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "Greska: " << e.what() << "\n";
        return 1;
    }
    usage();
    return 2;
}
