#include "payroll/IndividualPosting.h"

#include <chrono>

#include "core/FailureWords.h"
#include "core/Text.h"
#include "employees/EmployeeRecord.h"
#include "payroll/BatchAttempt.h"
#include "payroll/CalculationPosting.h"
#include "payroll/IndividualCalculation.h"

namespace zarion::payroll {
namespace {

int daysInMonth(int year, int month) {
    using namespace std::chrono;
    const year_month_day_last last{std::chrono::year{year} /
                                   std::chrono::month{static_cast<unsigned>(month)} /
                                   std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

PostingExtras extrasOf(const IndividualPosting& posting) {
    PostingExtras extras;
    extras.columns.push_back({"osnovna_neto", posting.basicNet});
    const Currency toPay = posting.result.NETO - employees::deductionsTotal(posting.deductions);
    extras.columns.push_back({"na_ruke", posting.intoAccount ? posting.cashInHand : toPay});
    if (posting.m4Days)
        extras.columns.push_back({"m4dani", *posting.m4Days});
    extras.dependants = [&advances = posting.advances](db::Database& db, std::int64_t id) {
        replaceAdvanceLinks(db, id, advances);
    };
    return extras;
}

bool sameFigures(const SalaryResult& a, const SalaryResult& b) {
    return a.BRUTO == b.BRUTO && a.NETO == b.NETO && a.porez_na_zaradu == b.porez_na_zaradu &&
           a.ukupno_doprinosa == b.ukupno_doprinosa && a.ukupno_doprinosa_F == b.ukupno_doprinosa_F;
}

// Whether the entries priced from gross and hours (on the minimum net where they fall below it)
// give the posted figures.
bool isCurrent(const IndividualEntry& entry, const IndividualMonth& month,
               const SalaryResult& posted) {
    const auto again = calculateFromGross(entry, month);
    if (!again)
        return false;
    if (sameFigures(again->figures.result, posted))
        return true;
    if (!again->belowMinimum)
        return false;
    const auto onMinimum = calculateFromNet(entry, again->belowMinimum->minimum, month);
    return onMinimum && sameFigures(onMinimum->result, posted);
}

std::string nameOf(const employees::Employee& employee) {
    return employee.Prezime + " " + employee.Ime;
}

} // namespace

std::string staleCalculationQuestion(const std::string& employeeName) {
    return "Obracun radnika "_yu + employeeName +
           " nije isti kao obracun iz bruto zarade i sati! Da li zelite novi obracun?"_yu;
}

std::string ownerCalculatedAloneMessage() {
    return "Vlasnik se obracunava pojedinacno, obracunom vlasnika (dugme Obracun)!"_yu;
}

std::optional<PostedIndividual> loadPostedIndividual(db::Database& payrollDb,
                                                     std::int64_t employeeId, int year, int month) {
    db::Statement row =
        payrollDb.prepare("SELECT * FROM obracuni WHERE ID_RADNIK = ? AND MEsec = ? AND GODINA = ? "
                          "ORDER BY Id_obracun LIMIT 1");
    row.bindAll(employeeId, month, year);
    if (!row.step())
        return std::nullopt;
    PostedIndividual posted;
    for (int column = 0; column < row.columnCount(); ++column)
        if (const auto* field = findField(salaryResultFields(), row.columnName(column)))
            readField(row, column, *field, posted.result);
    posted.Id_obracun = row.integer("Id_obracun");
    posted.osnovna_neto = row.money("osnovna_neto");
    posted.na_ruke = row.money("na_ruke");
    if (!row.isNull("m4dani"))
        posted.m4dani = static_cast<int>(row.integer("m4dani"));
    return posted;
}

std::string calculationNotFound() {
    return "Nije pronadjen obracun u bazi!"_yu;
}

std::optional<int> m4DaysOf(Currency typed, int year, int month) {
    const Currency whole = Currency::fromUnits(typed.raw() / Currency::Scale);
    if (whole != typed || typed < Currency::fromUnits(1) ||
        typed > Currency::fromUnits(daysInMonth(year, month)))
        return std::nullopt;
    return static_cast<int>(typed.raw() / Currency::Scale);
}

std::string wrongM4Days() {
    return "Uneli ste neispravnu vrednost! Promenite je dvoklikom ili ce se racunati ceo mesec!"_yu;
}

std::string m4DaysText(std::optional<int> days) {
    return std::to_string(days.value_or(0)) + " - dana";
}

Outcome<Currency> checkCashInHand(Currency cashInHand, Currency amountToPay) {
    if (cashInHand > amountToPay)
        return Failure{"Iznos 'na ruke' ne mo`e biti ve}i od iznosa za isplatu!"_yu};
    return cashInHand;
}

std::string belowMinimumNetQuestion() {
    return "Obracunali ste NETO zaradu koja je manja od minimalne propisane NETO zarade! Da li "
           "zelite novi obracun po minimalnoj NETO zaradi?"_yu;
}

Outcome<std::int64_t> postIndividual(db::Database& payrollDb, std::int64_t employeeId, int year,
                                     int month, const IndividualPosting& posting) {
    SalaryResult result = posting.result;
    result.tekuci_Racun = posting.intoAccount ? posting.account : std::string();
    return postCalculation(payrollDb, {employeeId, year, month, CalculationKind::Final}, result,
                           posting.deductions, extrasOf(posting));
}

Outcome<IndividualPosting> calculateEmployee(db::Database& payrollDb,
                                             std::span<db::Database* const> history,
                                             const IndividualMonth& month, std::int64_t employeeId,
                                             const IndividualQuestions& questions) {
    const auto employee = employees::loadEmployee(payrollDb, employeeId);
    if (!employee)
        return Failure{"GRESKA!!!! Nije pronadjen radnik sa unetim ID!"_yu};
    IndividualEntry entry = proposeEntry(history, *employee, month);
    IndividualPosting posting;
    posting.intoAccount = employee->isplata_preko_racuna;
    posting.account = employee->tekuci_Racun;
    if (const auto posted = loadPostedIndividual(payrollDb, employeeId, month.year, month.month)) {
        entry = entryFromPosted(entry, posted->result, posted->osnovna_neto, month.fund.hours);
        posting.advances = linkedAdvances(payrollDb, posted->Id_obracun);
        posting.m4Days = posted->m4dani;
        posting.cashInHand = posted->na_ruke;
        if (employee->vlasnik || isCurrent(entry, month, posted->result) ||
            (questions.repriceStale && !questions.repriceStale(nameOf(*employee)))) {
            posting.result = posted->result;
            posting.basicNet = posted->osnovna_neto;
            posting.deductions = employees::postedDeductions(payrollDb, posted->Id_obracun, false);
            return posting;
        }
    }
    if (employee->vlasnik)
        return Failure{ownerCalculatedAloneMessage()};
    auto calculated = calculateFromGross(entry, month);
    if (!calculated)
        return Failure{calculated.message()};
    IndividualFigures figures = calculated->figures;
    if (calculated->belowMinimum && questions.calculateOnMinimum &&
        questions.calculateOnMinimum(*calculated->belowMinimum)) {
        auto onMinimum = calculateFromNet(entry, calculated->belowMinimum->minimum, month);
        if (!onMinimum)
            return Failure{onMinimum.message()};
        figures = *onMinimum;
    }
    posting.result = figures.result;
    posting.basicNet = figures.basicNet;
    employees::MonthDeductions deductions =
        employees::priceMonthDeductions(payrollDb,
                                        {employeeId, month.year, month.month,
                                         employees::DeductionPart::Single, posting.result.NETO},
                                        questions.variableAmount);
    if (deductions.missingRate)
        return Failure{*deductions.missingRate};
    posting.deductions = std::move(deductions.rows);
    const Currency toPay = posting.result.NETO - employees::deductionsTotal(posting.deductions);
    if (!posting.intoAccount || posting.cashInHand > toPay)
        posting.cashInHand = toPay;
    return posting;
}

PostAllReport postAllTicked(db::Database& payrollDb, std::span<db::Database* const> history,
                            const IndividualMonth& month, std::span<const std::int64_t> employeeIds,
                            const IndividualQuestions& questions, const ShownPosting* shown) {
    PostAllReport report;
    try {
        db::Transaction tx(payrollDb);
        for (const std::int64_t id : employeeIds) {
            const std::string failure = employeeAttempt([&] {
                auto posting = shown && shown->employeeId == id
                                   ? Outcome<IndividualPosting>(shown->posting)
                                   : calculateEmployee(payrollDb, history, month, id, questions);
                auto posted = posting
                                  ? postIndividual(payrollDb, id, month.year, month.month, *posting)
                                  : Outcome<std::int64_t>(Failure{posting.message()});
                return posted ? std::string() : posted.message();
            });
            if (failure.empty())
                continue;
            const auto employee = employees::loadEmployee(payrollDb, id);
            const std::string name = employee ? nameOf(*employee) : "ID " + std::to_string(id);
            report.skipped.push_back(name + ": " + failure);
        }
        tx.commit();
    } catch (const db::Error& error) {
        return {{}, nothingPosted(failureWords(error))};
    }
    return report;
}

} // namespace zarion::payroll
