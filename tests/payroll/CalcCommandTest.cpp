// zarion-cli calc: the built program reads a request on standard input and answers in JSON.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <vector>

#include "CliRun.h"

namespace zarion::test {
namespace {

using nlohmann::json;

struct CalcRun {
    int exitCode;
    json answer;
    std::string out; // the answer as printed
    std::string err;
};

CalcRun runCalc(const std::string& request) {
    const CliRun run = runCommand(shellQuoted(ZARION_CLI) + " calc", request);
    return {run.exitCode, json::parse(run.out), run.out, run.err};
}

const char* const params2026 =
    R"("params": {"porez_zarade": 10, "iznos_poreskog_oslobojenja": 34221,
    "Doprinosi_PIO": 14, "Doprinosi_zo": 5.15, "doprinosi_nezaposlenost": 0.75,
    "Doprinosi_PIO_F": 10, "Doprinosi_zo_F": 5.15, "minimalna_osnovica": 51297,
    "maksimalna_osnovica": 732820, "minimalna_osnovna": 65296, "cena_Rada": 20000,
    "minuli_rad": 0.4, "produzeni_rad": 26, "nocni_rad": 26})";

TEST(CalcCommand, NetBasedFinalCalculation) {
    // The full-time employee of the engine's own test, with names in any case.
    const CalcRun run = runCalc(std::string(R"({"mode": "net", "kind": "final", "year": 2026,
        "month": 3, "settings": {"NACIN_OBRACUNA": 1, "ukupan_minuli_rad": 1,
        "solidarni_porez": 1}, )") +
                                params2026 + R"(,
        "employee": {"koeficijent": 3.2, "funkcijski_dodatak": 0.15, "otezani_uslovi": 0.1,
                     "Datum": "2012-09-01", "pg": 3, "pm": 4},
        "inputs": {"ocena_radnog_ucinka": 4, "BROJ_SATI": 136, "produzeni_rad_s": 6,
                   "nocni_rad_s": 12, "godisnji_s": 24, "bolovnje65_s": 16,
                   "prosek_3_meseca": 512.40, "stimulacije_procenat": 5,
                   "topli_obrok": 6000, "regres": 2500}})");
    ASSERT_EQ(run.exitCode, 0) << run.answer.dump();
    const json& r = run.answer.at("result");
    EXPECT_EQ(r.at("osnovna_bruto").get<double>(), 52902.30);
    EXPECT_EQ(r.at("NETO").get<double>(), 86880.19);
    EXPECT_EQ(r.at("porez_na_zaradu").get<double>(), 8483.48);
    EXPECT_EQ(r.at("BRUTO").get<double>(), 119055.77);
    EXPECT_EQ(r.at("ukupno_obaveza").get<double>(), 137092.72);
    EXPECT_EQ(r.at("solidarni_porez").get<double>(), 5376);
    EXPECT_EQ(r.at("cena_Rada").get<double>(), 20000); // the month's price when none is typed
    EXPECT_FALSE(r.contains("II_deo"));
    EXPECT_EQ(run.answer.at("hoursFund").get<int>(), 176);
    EXPECT_EQ(run.answer.at("hoursWorked").get<double>(), 182);
}

TEST(CalcCommand, GrossModesAndArrays) {
    const std::string base = R"("year": 2026, "month": 3, )" + std::string(params2026);
    const CalcRun run =
        runCalc("[{\"mode\": \"gross\", \"gross\": 100000, " + base +
                "}, {\"mode\": \"netToGross\", \"net\": 73522.10, " + base +
                "}, {\"mode\": \"gross\", \"gross\": 100000, \"nonTaxable\": 0, " + base + "}]");
    ASSERT_EQ(run.exitCode, 0) << run.answer.dump();
    ASSERT_EQ(run.answer.size(), 3u);
    const json& fromGross = run.answer[0].at("result");
    EXPECT_EQ(fromGross.at("porez_na_zaradu").get<double>(), 6577.90);
    EXPECT_EQ(fromGross.at("NETO").get<double>(), 73522.10);
    EXPECT_EQ(fromGross.at("ukupno_obaveza").get<double>(), 115150);
    EXPECT_EQ(run.answer[0].at("minimumNet").get<double>(), 65296);
    EXPECT_FALSE(run.answer[0].at("belowMinimumNet").get<bool>());
    EXPECT_EQ(run.answer[1].at("result").at("BRUTO").get<double>(), 100000);
    EXPECT_EQ(run.answer[2].at("result").at("porez_na_zaradu").get<double>(), 10000);
}

// Gross, contribution base, tax, contributions, net, employer's total and total cost.
void expectFigures(const json& answer, const std::vector<double>& figures) {
    const json& r = answer.at("result");
    const char* names[] = {"BRUTO", "osnovica_doprinosa", "porez_na_zaradu", "ukupno_doprinosa",
                           "NETO",  "ukupno_doprinosa_F", "ukupno_obaveza"};
    for (std::size_t i = 0; i < figures.size(); ++i)
        EXPECT_EQ(r.at(names[i]).get<double>(), figures[i]) << names[i];
}

TEST(CalcCommand, EveryModeStopsTheBaseAtTheHighestBase) {
    // Coefficient 30 × price 20000, grade 5 (F = 1), 176 of 176 hours: net 600000. The base
    // 732820, tax (600000 + 145831.18 − 34221) / 9 = 79067.80, gross 824898.98, employer
    // 73282 + 37740.23 = 111022.23, total 935921.21; from gross the same.
    const std::string base = R"("year": 2026, "month": 3, )" + std::string(params2026);
    const CalcRun run =
        runCalc("[{\"mode\": \"net\", \"settings\": {\"nacin_obracuna\": 1}, "
                "\"employee\": {\"KOEFICIJENT\": 30, \"Datum\": \"2026-03-01\"}, "
                "\"inputs\": {\"ocena_radnog_ucinka\": 5, \"broj_sati\": 176}, " +
                base + "}, {\"mode\": \"netToGross\", \"net\": 600000, " + base +
                "}, {\"mode\": \"gross\", \"gross\": 824898.98, " + base +
                "}, {\"mode\": \"gross\", \"gross\": 1000000, \"inputs\": {\"tip_obracuna\": 4}, " +
                base + "}]");
    ASSERT_EQ(run.exitCode, 0) << run.answer.dump();
    for (int i = 0; i < 3; ++i)
        expectFigures(run.answer[i],
                      {824898.98, 732820, 79067.80, 145831.18, 600000, 111022.23, 935921.21});
    // Kind 4 keeps the gross typed: tax 10 % × (1000000 − 34221) = 96577.90, net 1000000 −
    // 145831.18 − 96577.90 = 757590.92, total 1000000 + 111022.23
    expectFigures(run.answer[3],
                  {1000000, 732820, 96577.90, 145831.18, 757590.92, 111022.23, 1111022.23});
}

TEST(CalcCommand, PartTimeTakesTheReliefAndTheLowestBaseForItsHours) {
    // March 2025 (168 hours), 84 hours: relief 14211.50, lowest base 22975; gross 30000 gives
    // tax (30000 − 14211.50) × 0.1 = 1578.85 and net 30000 − 5970 − 1578.85 = 22451.15, and
    // that net gives them back in both windows' modes.
    const std::string base =
        R"("year": 2025, "month": 3, "params": {"porez_zarade": 10,
        "iznos_poreskog_oslobojenja": 28423, "Doprinosi_PIO": 14, "Doprinosi_zo": 5.15,
        "doprinosi_nezaposlenost": 0.75, "Doprinosi_PIO_F": 10, "Doprinosi_zo_F": 5.15,
        "minimalna_osnovica": 45950, "maksimalna_osnovica": 656425, "minimalna_osnovna": 51744})";
    const std::string halfTime = R"("inputs": {"tip_obracuna": 1, "broj_sati": 84}, )";
    const CalcRun run = runCalc(
        "[{\"mode\": \"gross\", \"gross\": 30000, " + halfTime + base +
        "}, {\"mode\": \"netToGross\", \"net\": 22451.15, " + halfTime + base +
        "}, {\"mode\": \"net\", \"inputs\": {\"broj_sati\": 84, \"fiksna_plata\": 22451.15}, " +
        base + "}, {\"mode\": \"gross\", \"gross\": 30000, " + base + "}]");
    ASSERT_EQ(run.exitCode, 0) << run.answer.dump();
    for (int i = 0; i < 3; ++i) {
        expectFigures(run.answer[i], {30000, 30000, 1578.85, 5970, 22451.15, 4545, 34545});
        EXPECT_EQ(run.answer[i].at("result").at("Oslobodjenje").get<double>(), 14211.50);
    }
    EXPECT_EQ(run.answer[0].at("minimumNet").get<double>(), 25872); // 51744 / 2
    // Full time (hours not given: the fund's): the lowest base 45950; 2366.425 → 2366.42,
    // 344.625 → 344.62; tax (30000 − 28423) × 0.1 = 157.70; net 30000 − 9144.04 − 157.70
    expectFigures(run.answer[3], {30000, 45950, 157.70, 9144.04, 20698.26, 6961.42, 36961.42});
    EXPECT_EQ(run.answer[3].at("hoursWorked").get<double>(), 168);
}

TEST(CalcCommand, ErrorsAnswerWithTheMessageAndFail) {
    const CalcRun noDivisor = runCalc(R"({"mode": "netToGross", "net": 50000, "year": 2026,
        "month": 3, "params": {"porez_zarade": 80.1, "Doprinosi_PIO": 14, "Doprinosi_zo": 5.15,
        "doprinosi_nezaposlenost": 0.75}})");
    EXPECT_NE(noDivisor.exitCode, 0);
    EXPECT_EQ(noDivisor.answer.at("error"),
              "Zbir stopa poreza i doprinosa zaposlenog je 100% ili vise: obracun nije moguc!");

    const CalcRun noParams = runCalc(R"({"year": 2026, "month": 3})");
    EXPECT_NE(noParams.exitCode, 0);
    EXPECT_EQ(noParams.answer.at("error"), "Greska kod pronalazenja parametara za izabrani mesec!");

    const CalcRun typo = runCalc(R"({"year": 2026, "month": 3, "params": {},
        "inputs": {"broj_sat": 176}})");
    EXPECT_NE(typo.exitCode, 0);
    EXPECT_EQ(typo.answer.at("error"), "Nepoznato polje u \"inputs\": broj_sat");

    const CalcRun notJson = runCalc("{mode: net");
    EXPECT_NE(notJson.exitCode, 0);
    EXPECT_TRUE(notJson.answer.contains("error"));

    // One refused request in an array: the others are answered, the exit code still fails.
    const CalcRun mixed = runCalc(R"([{"year": 2026, "month": 3, "params": {}},
                                  {"year": 2026, "month": 13, "params": {}}])");
    EXPECT_NE(mixed.exitCode, 0);
    EXPECT_TRUE(mixed.answer[0].contains("result"));
    EXPECT_EQ(mixed.answer[1].at("error"), "Niste izabrali mesec!");
}

// Requests the engine cannot answer sensibly are refused, each with its reason, as JSON on
// standard output and a failing exit code; nothing goes to standard error.
TEST(CalcCommand, RefusesRequestsOutsideWhatASalaryCanBe) {
    struct Case {
        const char* members; // beside year, month and params
        const char* params;
        const char* reason;
    };
    const char* const rates = R"({"porez_zarade": 10, "Doprinosi_PIO": 14, "Doprinosi_zo": 5.15,
        "doprinosi_nezaposlenost": 0.75, "cena_Rada": 20000})";
    const Case cases[] = {
        {R"("year": 2026, "month": 3)",
         R"({"porez_zarade": 10, "Doprinosi_PIO": 14, "Doprinosi_zo": 5.15,
            "doprinosi_nezaposlenost": 70.8500001})", // 100.0000001 in all
         "100% ili vise"},
        {R"("year": 2026, "month": 3)", R"({"porez_zarade": 120})", "100% ili vise"},
        {R"("year": 2026, "month": 3)", R"({"porez_zarade": 50, "Doprinosi_PIO": 100})",
         "100% ili vise"},
        {R"("year": 2026, "month": 3, "inputs": {"broj_sati": -8})", rates,
         "\"broj_sati\" ne moze biti negativno"},
        {R"("year": 2026, "month": 3, "employee": {"KOEFICIJENT": -1.5})", rates,
         "\"KOEFICIJENT\" ne moze biti negativno"},
        {R"("year": 2026, "month": 3)", R"({"cena_Rada": -20000})",
         "\"cena_Rada\" ne moze biti negativno"},
        {R"("year": 2026, "month": 3, "settings": {"fiksni_sati": -1})", rates,
         "\"fiksni_sati\" ne moze biti negativno"},
        {R"("mode": "gross", "gross": -100000, "year": 2026, "month": 3)", rates,
         "\"gross\" ne moze biti negativno"},
        {R"("mode": "netToGross", "net": "abc", "year": 2026, "month": 3)", rates,
         "\"net\" nije broj: abc"},
        {R"("mode": "netToGross", "net": "12abc", "year": 2026, "month": 3)", rates,
         "\"net\" nije broj: 12abc"},
        {R"("year": 4294969322, "month": 3)", rates, "\"year\" je van opsega"},
        {R"("year": 1e10, "month": 3)", rates, "\"year\" je van opsega"},
        {R"("year": 2101, "month": 3)", rates, "Niste izabrali godinu!"},
        {R"("year": 1999, "month": 3)", rates, "Niste izabrali godinu!"},
        {R"("year": 2026.5, "month": 3)", rates, "\"year\" mora biti ceo broj"},
        {R"("year": 2026, "month": 0)", rates, "Niste izabrali mesec!"},
        {R"("year": 2026, "month": 2.5)", rates, "\"month\" mora biti ceo broj"},
        {R"("mode": "gross", "gross": 1e15, "year": 2026, "month": 3)", rates,
         "\"gross\" je van opsega"},
        {R"("mode": "gross", "gross": "922337203685477.5808", "year": 2026, "month": 3)", rates,
         "\"gross\" je van opsega"},
        {R"("year": 2026, "month": 3, "employee": {"tekuci_Racun": {"a": 1}})", rates,
         "\"tekuci_Racun\" mora biti broj ili tekst"},
    };
    for (const Case& c : cases) {
        const std::string request =
            std::string("{") + c.members + ", \"params\": " + c.params + "}";
        const CalcRun run = runCalc(request);
        EXPECT_EQ(run.exitCode, 1) << request;
        EXPECT_NE(run.answer.value("error", "").find(c.reason), std::string::npos)
            << request << "\n"
            << run.out;
        EXPECT_EQ(run.err, "") << request;
    }
}

TEST(CalcCommand, MalformedInputIsAnsweredInJson) {
    const std::string tooDeep = R"({"year": 2026, "month": 3, "params": {}, "employee":
        {"tekuci_Racun": )" + std::string(87000, '[') +
                                std::string(87000, ']') + "}}";
    const std::string inputs[] = {
        tooDeep,
        R"([{"year": 2026, "month": 3, "params": {"x": [[1]]}}])", // four levels
        "{\"mode\": \"\xff\xfe\"}",                                // not UTF-8
        R"({"mode": "gross", "gross": 1e400})",                    // no double holds it
    };
    const char* const reasons[] = {"dublje od 3 nivoa", "dublje od 3 nivoa", "UTF-8",
                                   "number overflow"};
    for (std::size_t i = 0; i < std::size(inputs); ++i) {
        const CalcRun run = runCalc(inputs[i]);
        EXPECT_EQ(run.exitCode, 1) << i;
        EXPECT_NE(run.answer.at("error").get<std::string>().find(reasons[i]), std::string::npos)
            << run.out;
        EXPECT_EQ(run.err, "") << i;
    }
}

// Amounts of a billion dinars and more keep their last digits: a double holds no more than
// about fifteen.
TEST(CalcCommand, LargeAmountsArePrintedExactly) {
    const CalcRun run = runCalc(R"({"mode": "gross", "gross": "98765432109876.53",
        "year": 2026, "month": 3, "params": {"porez_zarade": 10}})");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    // tax 9,876,543,210,987.653 to two decimals, net the rest
    EXPECT_NE(run.out.find("\"BRUTO\": 98765432109876.53,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"porez_na_zaradu\": 9876543210987.65,"), std::string::npos);
    EXPECT_NE(run.out.find("\"NETO\": 88888888898888.88,"), std::string::npos);

    const CalcRun largest = runCalc(R"({"mode": "gross", "gross": "922337203685477.57",
        "year": 2026, "month": 3, "params": {}})");
    ASSERT_EQ(largest.exitCode, 0) << largest.out;
    EXPECT_NE(largest.out.find("\"BRUTO\": 922337203685477.57,"), std::string::npos) << largest.out;
}

} // namespace
} // namespace zarion::test
