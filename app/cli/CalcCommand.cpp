#include "cli/CalcCommand.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "core/NumericText.h"
#include "core/Text.h"
#include "payroll/Exact.h"
#include "payroll/GrossBasedCalculation.h"
#include "payroll/SalaryCalculation.h"

namespace zarion::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;
using namespace zarion::payroll;

// A request that cannot be calculated, with the message to answer.
struct Refusal {
    std::string message;
};

const json* member(const json& object, std::string_view name) {
    if (!object.is_object())
        return nullptr;
    for (auto it = object.begin(); it != object.end(); ++it)
        if (equalsIgnoreCase(it.key(), name))
            return &it.value();
    return nullptr;
}

std::string textOf(const json& value) {
    return value.is_string() ? value.get<std::string>() : value.dump();
}

double numberOf(const json& value) {
    if (value.is_number())
        return value.get<double>();
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    return value.is_string() ? numericValue(value.get<std::string>()) : 0;
}

std::string numberText(const json& value) {
    return numberToText(numberOf(value));
}

Currency moneyOf(const json& value) {
    return value.is_string() ? Currency::parse(value.get<std::string>())
                             : Currency::fromDouble(numberOf(value));
}

// Puts every key of the object into the record's member of that name; a key that names no member
// is skipped, or refused when the names must all be known.
template <typename Record>
void fill(const json& object, std::string_view section, std::span<const Field<Record>> fields,
          Record& record, bool strict) {
    if (!object.is_object())
        throw Refusal{"\"" + std::string(section) + "\" mora biti JSON objekat"};
    for (auto it = object.begin(); it != object.end(); ++it) {
        const Field<Record>* field = findField(fields, it.key());
        if (!field) {
            if (strict)
                throw Refusal{"Nepoznato polje u \"" + std::string(section) + "\": " + it.key()};
            continue;
        }
        const json& value = it.value();
        std::visit(
            [&](auto target) {
                auto& slot = record.*target;
                using Slot = std::remove_reference_t<decltype(slot)>;
                if constexpr (std::is_same_v<Slot, double>)
                    slot = numberOf(value);
                else if constexpr (std::is_same_v<Slot, Currency>)
                    slot = moneyOf(value);
                else if constexpr (std::is_same_v<Slot, int>)
                    slot = static_cast<int>(wholeValue(numberText(value)));
                else if constexpr (std::is_same_v<Slot, std::string>)
                    slot = textOf(value);
                else
                    slot = dateFromIsoText(textOf(value));
            },
            field->member);
    }
}

template <typename Record>
void fillSection(const json& request, std::string_view section,
                 std::span<const Field<Record>> fields, Record& record, bool strict = false) {
    if (const json* object = member(request, section))
        fill(*object, section, fields, record, strict);
}

// Money with its decimals as stored (two for every calculated amount), rates and hours to four.
ordered_json valueOf(const ResultColumn& column) {
    return std::visit(
        [&](const auto& value) -> ordered_json {
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, Currency>)
                return value.toDouble();
            else if constexpr (std::is_same_v<V, double>)
                return Exact::decimal(value).money().toDouble();
            else
                return value;
        },
        column.value);
}

ordered_json resultObject(const SalaryResult& result, CalculationKind kind) {
    ordered_json object = ordered_json::object();
    for (const ResultColumn& column : resultColumns(result, kind))
        object[std::string(column.name)] = valueOf(column);
    return object;
}

CalculationKind kindOf(const json& request) {
    const json* kind = member(request, "kind");
    const std::string text = kind ? toUpper(textOf(*kind)) : "FINAL";
    if (text == "FINAL")
        return CalculationKind::Final;
    if (text == "ADVANCE")
        return CalculationKind::Advance;
    throw Refusal{"Nepoznata vrsta obracuna (\"kind\"): " + textOf(*kind)};
}

int wholeMember(const json& request, std::string_view name) {
    const json* value = member(request, name);
    return value ? static_cast<int>(wholeValue(numberText(*value))) : 0;
}

std::optional<Currency> moneyMember(const json& request, std::string_view name) {
    const json* value = member(request, name);
    return value ? std::optional<Currency>(moneyOf(*value)) : std::nullopt;
}

ordered_json calculate(const json& request) {
    if (!request.is_object())
        throw Refusal{"Zahtev mora biti JSON objekat"};
    const json* modeValue = member(request, "mode");
    const std::string mode = modeValue ? toUpper(textOf(*modeValue)) : "NET";
    if (mode != "NET" && mode != "GROSS" && mode != "NETTOGROSS")
        throw Refusal{"Nepoznat nacin obracuna (\"mode\"): " + textOf(*modeValue)};
    const CalculationPeriod period{wholeMember(request, "year"), wholeMember(request, "month"),
                                   kindOf(request)};
    if (period.month < 1 || period.month > 12)
        throw Refusal{"Niste izabrali mesec!"};
    if (period.year <= 0)
        throw Refusal{"Niste izabrali godinu!"};
    if (!member(request, "params"))
        throw Refusal{messages::parametersMissing()};

    MonthParameters month;
    fillSection(request, "params", monthParameterFields(), month);
    Settings settings;
    fillSection(request, "settings", settingsFields(), settings);
    SalaryInput input;
    input.cena_Rada = month.cena_Rada;
    fillSection(request, "employee", employeeFields(), input);
    fillSection(request, "inputs", salaryInputFields(), input, true);
    const HourFund fund = hourFund(period.year, period.month, settings);
    // Regular hours not given: those a new calculation proposes, the hour fund's.
    const json* inputs = member(request, "inputs");
    if (!inputs || !member(*inputs, "broj_sati"))
        input.broj_sati = fund.proposedRegularHours;

    Outcome<SalaryResult> result = Failure{};
    ordered_json answer = ordered_json::object();
    if (mode == "NET") {
        PricingOptions options;
        if (const json* raise = member(request, "minimumBasicPay"))
            options.raiseToMinimumBasicPay = numberOf(*raise) != 0;
        result = netBasedSalary(input, month, settings, fund, period, options);
    } else {
        GrossBasedRequest gross;
        gross.from =
            mode == "GROSS" ? GrossBasedRequest::From::Gross : GrossBasedRequest::From::Net;
        gross.gross = moneyMember(request, "gross").value_or(Currency());
        gross.net = moneyMember(request, "net");
        gross.nonTaxable =
            moneyMember(request, "nonTaxable").value_or(month.iznos_poreskog_oslobojenja);
        gross.rates = contributionRates(month);
        result = grossBasedSalary(input, month, settings, fund, period, gross);
        if (result) {
            const MinimumNetCheck check =
                checkMinimumNet(result->NETO, input.tip_obracuna, month.minimalna_osnovna,
                                input.broj_sati, fund.hours);
            answer["minimumNet"] = check.minimum.toDouble();
            answer["belowMinimumNet"] = check.below;
        }
    }
    if (!result)
        throw Refusal{result.message()};
    ordered_json full = ordered_json::object();
    full["result"] = resultObject(*result, period.kind);
    full["hoursFund"] = result->hourFund;
    full["hoursWorked"] = Exact::decimal(result->hoursWorked).money().toDouble();
    full.update(answer);
    return full;
}

// One answer; ok is cleared when the request is refused.
ordered_json answerTo(const json& request, bool& ok) {
    try {
        return calculate(request);
    } catch (const Refusal& refusal) {
        ok = false;
        return ordered_json{{"error", refusal.message}};
    } catch (const std::exception& e) {
        ok = false;
        return ordered_json{{"error", std::string("Greska: ") + e.what()}};
    }
}

} // namespace

int calcCommand(std::istream& in, std::ostream& out) {
    json request;
    try {
        request = json::parse(in);
    } catch (const json::parse_error& e) {
        out << ordered_json{{"error", std::string("Neispravan JSON: ") + e.what()}}.dump(2) << "\n";
        return 1;
    }
    bool ok = true;
    ordered_json answer;
    if (request.is_array()) {
        answer = ordered_json::array();
        for (const json& one : request)
            answer.push_back(answerTo(one, ok));
    } else {
        answer = answerTo(request, ok);
    }
    out << answer.dump(2) << "\n";
    return ok ? 0 : 1;
}

} // namespace zarion::cli
