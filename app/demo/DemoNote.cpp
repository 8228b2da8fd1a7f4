#include "demo/DemoNote.h"

#include "core/Text.h"

namespace zarion::demo {

std::string demoNote(int employees) {
    return "Demo baza\n\n"_yu + "Firma \"Zarion Demo d.o.o.\" ima "_yu + std::to_string(employees) +
           " zaposlenih u nekoliko radnih jedinica, sa zanimanjima, stalnim obustavama i "
           "kreditima. Zarada se ispla}uje u dva dela (akontacija i kona~ni obra~un); meseci "
           "pre teku}eg su ve} obra~unati i proknji`eni.\n\n"
           "Obra~un meseca: Obracun LD - Pojedinacni obracun.\n"
           "Spisak zarada, platni listi}i i prijave: Pregled - Spiskovi za obracun - Redovna "
           "zarada.\n\n"
           "Operater: demo, lozinka: demo."_yu;
}

} // namespace zarion::demo
