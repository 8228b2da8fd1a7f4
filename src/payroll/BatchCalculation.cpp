#include "payroll/BatchCalculation.h"

#include <type_traits>
#include <variant>

#include "core/Text.h"
#include "payroll/BatchPreload.h"
#include "payroll/CalculationPosting.h"
#include "payroll/ContributionBase.h"
#include "payroll/ElementPricing.h"
#include "payroll/Exact.h"
#include "payroll/NetBasedCalculation.h"
#include "payroll/ServiceYears.h"

namespace zarion::payroll {
namespace {

const Exact hundred = Exact::whole(100);

Exact rate(double percent) {
    return Exact::decimal(percent) / hundred;
}

// Reads the fields the statement's row has a column for; the others keep their values.
template <typename Record>
void readPresentFields(const db::Statement& row, std::span<const Field<Record>> fields,
                       Record& record) {
    for (int column = 0; column < row.columnCount(); ++column)
        if (const Field<Record>* field = findField(fields, row.columnName(column)))
            readField(row, column, *field, record);
}

void copyFields(std::span<const Field<SalaryInput>> fields, const SalaryInput& from,
                SalaryInput& to) {
    for (const Field<SalaryInput>& field : fields)
        std::visit([&](auto member) { to.*member = from.*member; }, field.member);
}

db::Statement postedRow(db::Database& db, std::int64_t employeeId, int year, int month,
                        CalculationKind kind) {
    db::Statement row = db.prepare(std::string("SELECT * FROM ") + calculationTable(kind) +
                                   " WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ?"
                                   " ORDER BY Id_obracun LIMIT 1");
    row.bindAll(employeeId, month, year);
    return row;
}

// What a new calculation proposes.
void proposeNewMonth(const BatchMonth& month, SalaryInput& in) {
    const MonthParameters& p = month.parameters();
    const HourFund& fund = month.fund();
    in.broj_sati = fund.proposedRegularHours;
    in.cena_Rada = p.cena_Rada;
    in.ocena_radnog_ucinka = p.prosecna_ocena_RU;
    in.topli_obrok = p.topli_obrok;
    in.regres = p.regres;
    if (!month.isFinal() && fund.hours > 0) {
        // the advance pays the first part of the month: its hours, the allowances in proportion
        in.broj_sati = fund.firstPartHours;
        const Exact share = Exact::decimal(fund.firstPartHours) / Exact::whole(fund.hours);
        in.topli_obrok = (Exact(p.topli_obrok) * share).round2();
        in.regres = (Exact(p.regres) * share).round2();
    }
    in.stimulacije_uredba = month.settings().stimulacije_uredba;
}

// The final calculation's price floor: when K × the price before the reduction exceeds 25000
// while K × the reduced price falls below it, basic pay is round0(25000 × H / N) and the price
// shown round0(25000 / K); when K × the price before the reduction does not exceed 25000, that
// price is used. A month without a price before the reduction has no floor.
void applyPriceFloor(SalaryInput& in, const MonthParameters& p, const HourFund& fund,
                     PricingOptions& pricing) {
    if (p.cena_rada_pre_umanjenja.isZero())
        return;
    const Exact floor = Exact::whole(25000);
    const Exact k(coefficientSum(in));
    const Exact before = k * Exact(p.cena_rada_pre_umanjenja);
    if (before > floor && k * Exact(p.cena_Rada) < floor) {
        pricing.basicPay =
            (floor * Exact::decimal(in.broj_sati) / Exact::whole(fund.hours)).round0();
        in.cena_Rada = (floor / k).round0();
    } else if (before <= floor) {
        in.cena_Rada = p.cena_rada_pre_umanjenja;
    }
}

void recomputeEmployerTotals(SalaryResult& r) {
    r.ukupno_doprinosa_F = r.Doprinosi_PIO_F + r.Doprinosi_zo_F + r.doprinosi_nezaposlenost_f +
                           r.doprinosi_ro_f + r.doprinosi_ro_f2 + r.doprinosi_ro_f3;
    r.ukupno_obaveza = r.BRUTO + r.ukupno_doprinosa_F;
}

// Column K of the employer pension contribution from the part still due.
void setEmployerPension(SalaryResult& total, const SalaryResult& advance, Currency part) {
    total.Doprinosi_PIO_F = part + advance.Doprinosi_PIO_F;
    recomputeEmployerTotals(total);
}

Currency valueOf(const SalaryResult& record, const Field<SalaryResult>& field) {
    return std::visit(
        [&](auto member) {
            using Value = std::remove_cvref_t<decltype(record.*member)>;
            if constexpr (std::is_same_v<Value, Currency>)
                return record.*member;
            else if constexpr (std::is_same_v<Value, double>)
                return Currency::fromDouble(record.*member);
            else
                return Currency();
        },
        field.member);
}

} // namespace

Currency batchAverage(const BatchMonth& month, std::int64_t employeeId, const SalaryInput& in) {
    if (const auto fromHistory = month.historyAverage(employeeId))
        return *fromHistory;
    const CalculationPeriod& period = month.period();
    const ServiceYears years = serviceYears(in.Datum, in.pg, in.Pm, period.year, period.month,
                                            month.settings().seniorityCountsPriorService());
    return averageFromForm(in, month.parameters(), month.settings(), years.counted);
}

Currency BatchCalculation::netToPay() const {
    return result.NETO - advance.NETO;
}

Currency BatchCalculation::deductionsTotal() const {
    return employees::deductionsTotal(deductions);
}

Currency secondPartOfPrecedingMonth(db::Database& payrollDb, std::int64_t employeeId, int year,
                                    int month) {
    const int previousYear = month == 1 ? year - 1 : year;
    const int previousMonth = month == 1 ? 12 : month - 1;
    Currency nets[2];
    const CalculationKind kinds[2] = {CalculationKind::Final, CalculationKind::Advance};
    for (int i = 0; i < 2; ++i) {
        db::Statement row =
            payrollDb.prepare(std::string("SELECT NETO FROM ") + calculationTable(kinds[i]) +
                              " WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ?"
                              " ORDER BY Id_obracun LIMIT 1");
        row.bindAll(employeeId, previousMonth, previousYear);
        if (row.step())
            nets[i] = row.money(0);
    }
    return nets[0] - nets[1];
}

namespace {

Outcome<SalaryInput> readEmployeeMonth(const BatchMonth& month, std::int64_t employeeId,
                                       const BatchPreload* preload) {
    if (employeeId == 0)
        return Failure{"GRESKA!!!! ID Radnika je 0. Obracun nece biti proknjizen!"_yu};
    db::Database& db = month.db();
    const CalculationPeriod& period = month.period();
    SalaryInput in;
    bool isPosted = false;
    if (preload) {
        const SalaryInput* posted = preload->postedEntries(employeeId);
        isPosted = posted != nullptr;
        if (isPosted)
            in = *posted;
    } else {
        db::Statement posted = postedRow(db, employeeId, period.year, period.month, period.kind);
        isPosted = posted.step();
        if (isPosted)
            readPresentFields(posted, salaryInputFields(), in);
    }
    if (!isPosted)
        proposeNewMonth(month, in);

    if (preload) {
        const SalaryInput* terms = preload->terms(employeeId);
        if (!terms)
            return Failure{"GRESKA!!!! Nije pronadjen radnik sa unetim ID!"_yu};
        copyFields(employeeFields(), *terms, in);
    } else {
        db::Statement employee = db.prepare(std::string("SELECT ") + employeeTermsColumns +
                                            " FROM radnici WHERE id_radnik = ?");
        employee.bind(1, employeeId);
        if (!employee.step())
            return Failure{"GRESKA!!!! Nije pronadjen radnik sa unetim ID!"_yu};
        readFields(employee, employeeFields(), in);
    }

    if (!isPosted)
        in.prosek_3_meseca = batchAverage(month, employeeId, in);
    if (period.kind == CalculationKind::Advance && month.settings().solidarityTax())
        in.II_deo = secondPartOfPrecedingMonth(db, employeeId, period.year, period.month);
    return in;
}

} // namespace

Outcome<SalaryInput> employeeMonth(const BatchMonth& month, std::int64_t employeeId,
                                   const BatchPreload* preload) {
    return withinRange([&] { return readEmployeeMonth(month, employeeId, preload); });
}

Outcome<BatchCalculation> calculateEmployee(const BatchMonth& month, std::int64_t employeeId,
                                            const SalaryInput& input, const BatchOptions& options,
                                            const employees::VariableAmountAsker& ask,
                                            BatchPreload* preload) {
    return withinRange([&]() -> Outcome<BatchCalculation> {
        BatchCalculation c;
        c.employeeId = employeeId;
        c.input = input;
        if (options.averageHourly)
            c.input.prosek_3_meseca = *options.averageHourly;
        PricingOptions pricing;
        if (month.isFinal()) {
            pricing.raiseToMinimumBasicPay = !options.withoutMinimumNet;
            applyPriceFloor(c.input, month.parameters(), month.fund(), pricing);
        }
        const CalculationPeriod& period = month.period();
        auto elements = priceElements(c.input, month.parameters(), month.settings(), month.fund(),
                                      period.year, period.month, pricing);
        if (!elements)
            return Failure{elements.message()};
        if (options.seniority)
            elements.value().minuli_rad = *options.seniority;
        auto result = netBasedSalary(c.input, *elements, month.parameters(), month.settings(),
                                     month.fund(), period);
        if (!result)
            return Failure{result.message()};
        c.result = std::move(result).value();

        if (month.isFinal()) {
            if (auto advance = preload ? preload->advance(employeeId)
                                       : postedResult(month.db(), employeeId, period.year,
                                                      period.month, CalculationKind::Advance)) {
                c.advance = std::move(*advance);
                c.hasAdvance = true;
                employerPensionOfFinalPart(c.result, c.advance, month.parameters(),
                                           month.fund().hours);
            }
        }
        if (!month.isFinal() || !options.withoutDeductions) {
            auto priced =
                preload ? preload->deductions.price(employeeId, c.netToPay(), ask)
                        : employees::priceMonthDeductions(month.db(),
                                                          {employeeId, period.year, period.month,
                                                           month.deductionPart(), c.netToPay()},
                                                          ask);
            if (priced.missingRate)
                return Failure{*priced.missingRate};
            c.deductions = std::move(priced.rows);
            c.deductionErrors = std::move(priced.errors);
        }
        return c;
    });
}

Outcome<std::int64_t> postEmployee(const BatchMonth& month, const BatchCalculation& calculation,
                                   BatchPreload* preload) {
    const CalculationPeriod& period = month.period();
    return postCalculation(
        month.db(), {calculation.employeeId, period.year, period.month, period.kind},
        calculation.result, calculation.deductions, {}, preload ? &preload->postings : nullptr);
}

void employerPensionOfFinalPart(SalaryResult& total, const SalaryResult& advance,
                                const MonthParameters& month, int hourFund) {
    auto limits =
        limitsForHours(month.iznos_poreskog_oslobojenja, month, hoursWorked(advance), hourFund);
    const Exact minimumBase = limits ? limits->lowest : Exact(month.minimalna_osnovica);
    const Exact advanceGross(advance.BRUTO);
    const Exact gross =
        Exact(total.BRUTO) - (advanceGross < minimumBase ? minimumBase : advanceGross);
    const Currency part = (gross * rate(month.Doprinosi_PIO_F)).round2();
    setEmployerPension(total, advance, part.isNegative() ? Currency() : part);
}

void correctedEmployerPension(SalaryResult& total, const SalaryResult& advance) {
    const Exact tenth = Exact::whole(1) / Exact::whole(10);
    setEmployerPension(total, advance, (Exact(total.BRUTO - advance.BRUTO) * tenth).round2());
}

Outcome<SalaryResult> fromTotalCost(const SalaryResult& calculated, Currency totalCost,
                                    const MonthParameters& month) {
    return withinRange([&]() -> Outcome<SalaryResult> {
        SalaryResult r = calculated;
        const Exact employer = rate(month.Doprinosi_PIO_F) + rate(month.Doprinosi_zo_F) +
                               rate(month.doprinosi_nezaposlenost_f);
        const Exact gross = Exact(totalCost) / (Exact::whole(1) + employer);
        auto part = [&](double percent) {
            return (gross * rate(percent)).round2();
        };
        r.BRUTO = gross.round2();
        r.osnovica_doprinosa = r.BRUTO;
        const Currency tax = ((gross - Exact(r.Oslobodjenje)) * rate(month.porez_zarade)).round2();
        r.porez_na_zaradu = tax.isNegative() ? Currency() : tax;
        r.Doprinosi_PIO = part(month.Doprinosi_PIO);
        r.Doprinosi_zo = part(month.Doprinosi_zo);
        r.doprinosi_nezaposlenost = part(month.doprinosi_nezaposlenost);
        r.ukupno_doprinosa = r.Doprinosi_PIO + r.Doprinosi_zo + r.doprinosi_nezaposlenost;
        r.NETO = r.BRUTO - r.ukupno_doprinosa - r.porez_na_zaradu;
        r.Doprinosi_PIO_F = part(month.Doprinosi_PIO_F);
        r.Doprinosi_zo_F = part(month.Doprinosi_zo_F);
        r.doprinosi_nezaposlenost_f = part(month.doprinosi_nezaposlenost_f);
        r.doprinosi_ro_f = Currency();
        r.doprinosi_ro_f2 = Currency();
        r.doprinosi_ro_f3 = Currency();
        r.ukupno_doprinosa_F = r.Doprinosi_PIO_F + r.Doprinosi_zo_F + r.doprinosi_nezaposlenost_f;
        r.ukupno_obaveza = totalCost;
        return r;
    });
}

Outcome<Currency> monthPriceOfWork(db::Database& payrollDb, int year, int month) {
    const auto parameters = loadMonthParameters(payrollDb, year, month);
    if (!parameters)
        return Failure{"Greska kod pronalazenja parametara!"_yu};
    return parameters->cena_Rada;
}

std::optional<SalaryResult> postedResult(db::Database& payrollDb, std::int64_t employeeId, int year,
                                         int month, CalculationKind kind) {
    db::Statement row = postedRow(payrollDb, employeeId, year, month, kind);
    if (!row.step())
        return std::nullopt;
    SalaryResult result;
    readPresentFields(row, salaryResultFields(), result);
    return result;
}

std::vector<AmountLine> amountLines(const BatchCalculation& calculation) {
    std::vector<AmountLine> lines;
    for (const Field<SalaryResult>& field : salaryResultFields()) {
        if (field.kind != ColumnKind::Money && field.kind != ColumnKind::Hours)
            continue;
        const Currency total = valueOf(calculation.result, field);
        const Currency advance = valueOf(calculation.advance, field);
        lines.push_back({field.name, field.kind, advance, total, total - advance});
    }
    return lines;
}

} // namespace zarion::payroll
