// The net-based calculation of a large company's month, in memory: 10,000 employees priced by
// coefficient with premiums, leave, seniority and the solidarity tax.
#include <benchmark/benchmark.h>
#include <vector>

#include "payroll/SalaryCalculation.h"

namespace {

using namespace zarion;
using namespace zarion::payroll;

MonthParameters month2026() {
    MonthParameters m;
    m.porez_zarade = 10;
    m.iznos_poreskog_oslobojenja = Currency::fromUnits(34221);
    m.Doprinosi_PIO = 14;
    m.Doprinosi_zo = 5.15;
    m.doprinosi_nezaposlenost = 0.75;
    m.Doprinosi_PIO_F = 10;
    m.Doprinosi_zo_F = 5.15;
    m.minimalna_osnovica = Currency::fromUnits(51297);
    m.maksimalna_osnovica = Currency::fromUnits(732820);
    m.minimalna_osnovna = Currency::fromUnits(65296);
    m.cena_Rada = Currency::fromUnits(20000);
    m.minuli_rad = 0.4;
    m.produzeni_rad = 26;
    m.nocni_rad = 26;
    m.rad_na_praznik = 110;
    m.placeno_odsustvo = 60;
    return m;
}

// Employees that differ in coefficient, grade, hours and service, as a real list does.
std::vector<SalaryInput> employees(int count, const MonthParameters& m) {
    std::vector<SalaryInput> list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        SalaryInput in;
        in.KOEFICIJENT = 1.5 + (i % 40) * 0.05;
        in.funkcijski_dodatak = (i % 7) * 0.05;
        in.ocena_radnog_ucinka = 1 + i % 5;
        in.cena_Rada = m.cena_Rada;
        in.Datum = {1990 + i % 35, 1 + i % 12, 1};
        in.pg = i % 4;
        in.Pm = i % 11;
        in.broj_sati = 120 + i % 57;
        in.produzeni_rad_s = i % 9;
        in.nocni_rad_s = i % 13;
        in.godisnji_s = (i % 5 == 0) ? 16 : 0;
        in.bolovnje65_s = (i % 11 == 0) ? 24 : 0;
        in.prosek_3_meseca = Currency::parse("612.37");
        in.stimulacije_procenat = i % 3 == 0 ? 5 : 0;
        in.topli_obrok = Currency::fromUnits(6000);
        in.regres = Currency::fromUnits(2500);
        list.push_back(in);
    }
    return list;
}

void netBasedMonth(benchmark::State& state) {
    const MonthParameters month = month2026();
    Settings settings;
    settings.nacin_obracuna = 1;
    settings.solidarni_porez = 1;
    settings.ukupan_minuli_rad = 1;
    const HourFund fund{176, 176};
    const auto list = employees(static_cast<int>(state.range(0)), month);
    for (auto _ : state) {
        Currency total;
        for (const SalaryInput& in : list) {
            auto result = netBasedSalary(in, month, settings, fund, {2026, 3});
            total += result->ukupno_obaveza;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(netBasedMonth)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
