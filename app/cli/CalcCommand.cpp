#include "cli/CalcCommand.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "cli/JsonText.h"
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

// A request is an array of objects whose sections are objects of plain values: a container
// nested deeper than that is refused while it is read, before it is built.
constexpr int MaxNesting = 3;

// The largest magnitude of any number of a request: that of the money type, in dinars.
constexpr double LargestNumber = 922337203685477.5807;

// The years a calculation may be asked for.
constexpr int FirstYear = 2000;
constexpr int LastYear = 2100;

const json* member(const json& object, std::string_view name) {
    if (!object.is_object())
        return nullptr;
    for (auto it = object.begin(); it != object.end(); ++it)
        if (equalsIgnoreCase(it.key(), name))
            return &it.value();
    return nullptr;
}

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

// A field holds a number, a text, true or false, or null; never an object or an array.
const json& plain(const json& value, std::string_view name) {
    if (value.is_structured())
        throw Refusal{"Polje " + quoted(name) + " mora biti broj ili tekst"};
    return value;
}

std::string textOf(const json& value, std::string_view name) {
    const json& v = plain(value, name);
    return v.is_string() ? v.get<std::string>() : v.is_null() ? std::string() : v.dump();
}

struct Number {
    std::string text; // as written, for the money type's exact reading
    double value = 0;
};

// A number field: a JSON number, true or false as 1 or 0, null as 0, or a text that is a decimal
// number as a whole ("512.40"). A negative number and a number beyond the money range are
// refused, and so is a text that is not a number ("12abc").
Number numberIn(const json& value, std::string_view name) {
    const json& v = plain(value, name);
    std::string text;
    if (v.is_boolean())
        text = v.get<bool>() ? "1" : "0";
    else if (v.is_null())
        text = "0";
    else if (v.is_number())
        text = v.dump();
    else
        text = trim(v.get<std::string>());
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw Refusal{"Polje " + quoted(name) + " nije broj: " + text};
    if (number < 0)
        throw Refusal{"Polje " + quoted(name) + " ne moze biti negativno: " + text};
    if (!(number <= LargestNumber))
        throw Refusal{"Polje " + quoted(name) + " je van opsega: " + text};
    return {text, number};
}

double numberOf(const json& value, std::string_view name) {
    return numberIn(value, name).value;
}

Currency moneyOf(const json& value, std::string_view name) {
    const std::string text = numberIn(value, name).text;
    try {
        return Currency::parse(text);
    } catch (const std::overflow_error&) {
        throw Refusal{"Polje " + quoted(name) + " je van opsega: " + text};
    }
}

int wholeOf(const json& value, std::string_view name) {
    const Number number = numberIn(value, name);
    if (number.value != std::floor(number.value))
        throw Refusal{"Polje " + quoted(name) + " mora biti ceo broj: " + number.text};
    if (number.value > std::numeric_limits<int>::max())
        throw Refusal{"Polje " + quoted(name) + " je van opsega: " + number.text};
    return static_cast<int>(number.value);
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
                    slot = numberOf(value, it.key());
                else if constexpr (std::is_same_v<Slot, Currency>)
                    slot = moneyOf(value, it.key());
                else if constexpr (std::is_same_v<Slot, int>)
                    slot = wholeOf(value, it.key());
                else if constexpr (std::is_same_v<Slot, std::string>)
                    slot = textOf(value, it.key());
                else
                    slot = dateFromIsoText(textOf(value, it.key()));
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
                return exactNumber(value);
            else if constexpr (std::is_same_v<V, double>)
                return exactNumber(Exact::decimal(value).money());
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
    const std::string text = kind ? toUpper(textOf(*kind, "kind")) : "FINAL";
    if (text == "FINAL")
        return CalculationKind::Final;
    if (text == "ADVANCE")
        return CalculationKind::Advance;
    throw Refusal{"Nepoznata vrsta obracuna (\"kind\"): " + text};
}

int wholeMember(const json& request, std::string_view name) {
    const json* value = member(request, name);
    return value ? wholeOf(*value, name) : 0;
}

std::optional<Currency> moneyMember(const json& request, std::string_view name) {
    const json* value = member(request, name);
    return value ? std::optional<Currency>(moneyOf(*value, name)) : std::nullopt;
}

// Tax and the employee's contributions of 100 % or more leave no net to work from.
void refuseRatesReachingWholeGross(const MonthParameters& month) {
    const Exact sum = Exact::decimal(month.porez_zarade) + Exact::decimal(month.Doprinosi_PIO) +
                      Exact::decimal(month.Doprinosi_zo) +
                      Exact::decimal(month.doprinosi_nezaposlenost);
    if (sum >= Exact::whole(100))
        throw Refusal{"Zbir stopa poreza i doprinosa zaposlenog je 100% ili vise: obracun nije "
                      "moguc!"};
}

ordered_json calculate(const json& request) {
    if (!request.is_object())
        throw Refusal{"Zahtev mora biti JSON objekat"};
    const json* modeValue = member(request, "mode");
    const std::string mode = modeValue ? toUpper(textOf(*modeValue, "mode")) : "NET";
    if (mode != "NET" && mode != "GROSS" && mode != "NETTOGROSS")
        throw Refusal{"Nepoznat nacin obracuna (\"mode\"): " + textOf(*modeValue, "mode")};
    const CalculationPeriod period{wholeMember(request, "year"), wholeMember(request, "month"),
                                   kindOf(request)};
    if (period.month < 1 || period.month > 12)
        throw Refusal{"Niste izabrali mesec!"};
    if (period.year < FirstYear || period.year > LastYear)
        throw Refusal{"Niste izabrali godinu!"};
    if (!member(request, "params"))
        throw Refusal{messages::parametersMissing()};

    MonthParameters month;
    fillSection(request, "params", monthParameterFields(), month);
    refuseRatesReachingWholeGross(month);
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
            options.raiseToMinimumBasicPay = numberOf(*raise, "minimumBasicPay") != 0;
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
            answer["minimumNet"] = exactNumber(check.minimum);
            answer["belowMinimumNet"] = check.below;
        }
    }
    if (!result)
        throw Refusal{result.message()};
    ordered_json full = ordered_json::object();
    full["result"] = resultObject(*result, period.kind);
    full["hoursFund"] = result->hourFund;
    full["hoursWorked"] = exactNumber(Exact::decimal(result->hoursWorked).money());
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
        request = json::parse(in, [](int depth, json::parse_event_t event, json&) {
            const bool opens = event == json::parse_event_t::object_start ||
                               event == json::parse_event_t::array_start;
            if (opens && depth >= MaxNesting)
                throw Refusal{"JSON je ugnjezden dublje od " + std::to_string(MaxNesting) +
                              " nivoa"};
            return true;
        });
    } catch (const Refusal& refusal) {
        out << jsonText(ordered_json{{"error", refusal.message}}) << "\n";
        return 1;
    } catch (const json::exception& e) {
        out << jsonText(ordered_json{{"error", std::string("Neispravan JSON: ") + e.what()}})
            << "\n";
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
    out << jsonText(answer) << "\n";
    return ok ? 0 : 1;
}

} // namespace zarion::cli
