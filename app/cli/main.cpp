// zarion-cli: the program's work without windows, for scripts and for checking figures.
#include <exception>
#include <iostream>
#include <string>

#include "cli/AnnualCommand.h"
#include "cli/Arguments.h"
#include "cli/BankCommand.h"
#include "cli/BatchCommand.h"
#include "cli/CalcCommand.h"
#include "cli/DemoCommand.h"
#include "cli/FileCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/JournalCommand.h"
#include "cli/OperatorCommand.h"
#include "cli/OtherIncomePpppdCommand.h"
#include "cli/PpppdCommand.h"
#include "cli/ReportCommand.h"

namespace {

void usage(std::ostream& out) {
    out << "upotreba: zarion-cli <komanda> [opcije]\n"
           "  operator --login IME [--password LOZINKA] [--ime I] [--prezime P] "
           "[--pristup N]\n"
           "           dodaje operatera ili menja lozinku postojecem (bez --password\n"
           "           lozinka se unosi na terminalu ili u prvom redu ulaza)\n"
           "  calc     < zahtev.json\n"
           "           obracun zarade iz JSON-a na ulazu, rezultat kao JSON na izlazu\n"
           "  report   IZVESTAJ --firma ID [--godina GODINA] [--base FOLDER] --pdf FAJL\n"
           "           izvestaj firme u PDF fajl (bez imena izvestaja: spisak izvestaja)\n"
           "  demo     --base FOLDER [--zaposlenih N]\n"
           "           demo baza sa proknjizenim mesecima tekuce godine\n"
           "  fajl     rzzo|excel --firma ID --mesec M [--deo N] [--rj RJ] [--datum D]\n"
           "           fajl za RZZO ili Excel spisak zarada meseca\n"
           "  ppppd    --firma ID --mesec M [--godina G] [--deo 0|1|2] [--rj ID] "
           "--datum GGGG-MM-DD --xml FAJL\n"
           "           [--olaksice POREZ,PIO,ZO,NEZ] poreska prijava PPP-PD sa spiska "
           "zarada, uz kontrolu\n"
           "           [--bolovanje 1] prijava naknada za bolovanje preko 30 dana meseca\n"
           "  ppppd-ostale --firma ID (--nalog N | --vrsta K --mesec M) --sifra SVP [--sati N]\n"
           "           --xml FAJL [--datum D]: poreska prijava PPP-PD naloga ostalih zarada\n"
           "  banka    --banka direktna|komercijalna|intesa --firma ID --mesec M [--deo N]\n"
           "           --out FAJL [--datum D]: fajl za masovno placanje zarada u banci\n"
           "           (--nalog ID umesto --mesec: ostale zarade naloga)\n"
           "  trezor   --firma ID --broj NNNNNN --mesec M [--deo N] [--vrsta V] [--nalog ID]\n"
           "           COM i PAY fajl trezora u XML_TREZOR (uz --redni N, --podizvor N)\n"
           "  ppp      --firma ID [--od M] [--do M] [--disk X | --out FOLDER]\n"
           "           ppp_deo2.txt i ppp_deo3.txt godisnje poreske prijave\n"
           "  batch    --firma ID --godina GODINA --mesec MESEC --deo akontacija|konacni "
           "[--base FOLDER]\n"
           "           obracunaj sve: obracun i knjizenje meseca za sve radnike, "
           "sa izvestajem kao JSON\n"
           "  knjizenje --firma ID --mesec M [--deo N] --tip T [--broj N] [--knjiga 1|2]\n"
           "           nalog za knjizenje obracuna zarada u glavnu knjigu (2: druga knjiga)\n"
           "  istorija --firma ID --godina GODINA [--mesec M] [--radnik ID]\n"
           "           istorija promena kao JSON, jedna promena u redu\n"
           "Baza podataka: folder iz $ZARION_BASE (inace ~/tarlen).\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(std::cerr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        usage(std::cout);
        return 0;
    }
    const zarion::cli::Arguments args(argc, argv, 2);
    try {
        if (command == "operator")
            return zarion::cli::operatorCommand(args);
        if (command == "calc")
            return zarion::cli::calcCommand(std::cin, std::cout);
        if (command == "report")
            return zarion::cli::reportCommand(args, std::cout, std::cerr);
        if (command == "demo")
            return zarion::cli::demoCommand(args, std::cout, std::cerr);
        if (command == "banka")
            return zarion::cli::bankCommand(args, std::cout, std::cerr);
        if (command == "fajl")
            return zarion::cli::fileCommand(args, std::cout, std::cerr);
        if (command == "ppppd")
            return zarion::cli::ppppdCommand(args, std::cout, std::cerr);
        if (command == "knjizenje")
            return zarion::cli::journalCommand(args, std::cout, std::cerr);
        if (command == "ppppd-ostale")
            return zarion::cli::otherIncomePpppdCommand(args, std::cout, std::cerr);
        if (command == "trezor")
            return zarion::cli::treasuryCommand(args, std::cout, std::cerr);
        if (command == "ppp")
            return zarion::cli::annualReturnCommand(args, std::cout, std::cerr);
        if (command == "batch")
            return zarion::cli::batchCommand(args, std::cout, std::cerr);
        if (command == "istorija")
            return zarion::cli::historyCommand(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "Greska: " << e.what() << "\n";
        return 1;
    }
    usage(std::cerr);
    return 2;
}
