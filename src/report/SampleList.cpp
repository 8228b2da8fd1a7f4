#include "report/SampleList.h"

#include <array>
#include <string>

#include "core/Text.h"
#include "report/ListFlow.h"

namespace zarion::report {

namespace {
constexpr int Rows = 60;

constexpr std::array<const char*, 5> Names{"Šćepanović Đorđe", "Žarković Ćirilo", "Petrović Jelena",
                                           "Đukić Milica", "Stanković Željko"};
constexpr std::array<const char*, 5> Jobs{"Knjigovođa", "Vozač", "Računovođa", "Čistačica",
                                          "Šef smene"};

// The first row carries the widest amounts; the others grow by a fixed step.
Currency grossOf(int row) {
    return row == 1 ? Currency::parse("1763668.41")
                    : Currency::fromUnits(50000) + Currency::parse("1234.56") * row;
}

Currency netOf(int row) {
    return row == 1 ? Currency::parse("1234567.89") : grossOf(row).times(0.7).round2();
}
} // namespace

Document sampleList(const CompanyData& company, const std::filesystem::path& logo) {
    Painter p(Orientation::Portrait, "Probni spisak");
    PrintHeader(p, company, logo);
    p.setFont("yuoptimar", 11, true);
    p.PrintCentered("PROBNI SPISAK ZARADA - PROVERA [TAMPE"_yu, 105, 40);
    p.setFont("yuoptimar", 9);
    ListFlow list(p,
                  {{13, Align::Right, {"Red.", "br"}},
                   {15, Align::Left, {"Prezime", "i ime"}},
                   {70, Align::Left, {"Radno mesto"}},
                   {140, Align::Right, {"BRUTO"}},
                   {170, Align::Right, {"NETO"}},
                   {200, Align::Right, {"ZA ISPLATU"}}},
                  ListLayout{});
    list.start(48);
    Currency gross;
    Currency net;
    for (int row = 1; row <= Rows; ++row) {
        const std::size_t kind = static_cast<std::size_t>(row) % Names.size();
        list.row({std::to_string(row), std::string(Names[kind]), std::string(Jobs[kind]),
                  grossOf(row), netOf(row), netOf(row)});
        gross += grossOf(row);
        net += netOf(row);
    }
    list.rule();
    list.row({"", "UKUPNO", "", gross, net, net});
    list.finish();
    return p.take();
}

} // namespace zarion::report
