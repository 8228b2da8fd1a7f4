#include "employees/DeductionPricing.h"

#include <unordered_map>

#include "core/Dates.h"
#include "core/Text.h"
#include "employees/DeductionCurrency.h"
#include "employees/DeductionDefinitions.h"

namespace zarion::employees {
namespace {

// An employee's row of obustave_radnici valid in the month.
struct Participation {
    std::int64_t id_or = 0;
    std::int64_t id_obustava = 0;
    int valuta = 0;
    Currency Iznos;
    Currency prvi_deo;
    Currency drugi_deo;
    std::string POziv_na_broj;
};

const std::string participationsSql =
    "SELECT id_or, id_obustava, valuta, Iznos, prvi_deo, drugi_deo, POziv_na_broj, ID_RADNIK "
    "FROM obustave_radnici WHERE substr(POCETAK, 1, 10) <= ? AND substr(kraj, 1, 10) >= ? ";

Participation readParticipation(const db::Statement& st) {
    Participation p;
    p.id_or = st.integer(0);
    p.id_obustava = st.integer(1);
    p.valuta = static_cast<int>(st.integer(2));
    p.Iznos = st.money(3);
    p.prvi_deo = st.money(4);
    p.drugi_deo = st.money(5);
    p.POziv_na_broj = st.text(6);
    return p;
}

std::vector<Participation> validParticipations(db::Database& db, std::int64_t employeeId,
                                               const Date& firstDay) {
    std::vector<Participation> rows;
    auto st = db.prepare(participationsSql + "AND ID_RADNIK = ? ORDER BY id_or");
    st.bindAll(firstDay, firstDay, employeeId);
    while (st.step())
        rows.push_back(readParticipation(st));
    return rows;
}

using ParticipationsByEmployee = std::unordered_map<std::int64_t, std::vector<Participation>>;

ParticipationsByEmployee everyonesParticipations(db::Database& db, const Date& firstDay) {
    ParticipationsByEmployee rows;
    auto st = db.prepare(participationsSql + "ORDER BY id_or");
    st.bindAll(firstDay, firstDay);
    while (st.step())
        rows[st.integer(7)].push_back(readParticipation(st));
    return rows;
}

// The amount of a variable deduction already posted for the part of the month.
std::optional<Currency> postedVariableAmount(db::Database& db, const DeductionRequest& request,
                                             std::int64_t deductionId) {
    const std::string view =
        request.part == DeductionPart::First ? "qpromenljivea" : "qpromenljivek";
    auto st = db.prepare("SELECT SUM(Iznos) FROM " + view +
                         " WHERE ID_RADNIK = ? AND GODINA = ? AND MEsec = ? AND id_obustava = ?");
    st.bindAll(request.employeeId, request.year, request.month, deductionId);
    if (!st.step() || st.isNull(0))
        return std::nullopt;
    return st.money(0);
}

Currency half(Currency amount) {
    return amount.dividedBy(2).round0();
}

// Prices one employee's rows with what the month read once.
class Pricer {
public:
    Pricer(db::Database& db, const DeductionRequest& request, const VariableAmountAsker& ask,
           bool twoParts, const ExchangeRates& rates)
        : db_(db)
        , request_(request)
        , ask_(ask)
        , twoParts_(twoParts)
        , rates_(rates)
        , december2016_(request.year == 2016 && request.month == 12) {}

    // The amount withheld for the row, or nothing when the deduction is left out.
    std::optional<DeductionRow> price(const Participation& p, const DeductionDefinition& d) {
        DeductionRow row;
        row.id_or = p.id_or;
        row.id_obustava = p.id_obustava;
        row.Tip = d.Tip;
        row.kreditor = d.obustava;
        row.tekuci_Racun = d.tekuci_Racun;
        row.POziv_na_broj = p.POziv_na_broj.empty() ? d.poziv : p.POziv_na_broj;
        const bool second = request_.part == DeductionPart::Second;
        switch (d.type()) {
        case DeductionType::Percentage:
            row.Iznos = request_.net.times(d.procenat).dividedBy(100).round0();
            return row;
        case DeductionType::Fixed:
            if (second && december2016_)
                return std::nullopt;
            row.Iznos = fixedAmount(Currency::fromDouble(d.procenat));
            return row;
        case DeductionType::Variable: {
            const auto amount = variableAmount(d);
            if (!amount)
                return std::nullopt;
            row.Iznos = *amount;
            return row;
        }
        case DeductionType::Loan:
            if (second && december2016_)
                return std::nullopt;
            row.Iznos = toDinars(instalment(p), p.valuta, rates_);
            row.valuta = currencyCode(p.valuta);
            row.Kurs = rates_.rate(p.valuta);
            return row;
        }
        return std::nullopt;
    }

private:
    Currency fixedAmount(Currency monthly) const {
        switch (request_.part) {
        case DeductionPart::Single:
            return monthly;
        case DeductionPart::First:
            return half(monthly);
        case DeductionPart::Second:
            return twoParts_ ? half(monthly) : monthly;
        }
        return monthly;
    }

    Currency instalment(const Participation& p) const {
        switch (request_.part) {
        case DeductionPart::First:
            return p.prvi_deo;
        case DeductionPart::Second:
            return p.drugi_deo;
        case DeductionPart::Single:
            break;
        }
        return p.Iznos;
    }

    // The operator's amount; in the batch calculation an amount of 0 leaves the deduction out.
    std::optional<Currency> variableAmount(const DeductionDefinition& d) const {
        VariableDeductionQuestion question;
        question.id_obustava = d.id_obustava_proc;
        question.name = d.obustava;
        if (request_.part == DeductionPart::Single) {
            question.prompt = "Unesite vrednost obustave "_yu + d.obustava;
            question.offered = Currency::fromDouble(d.procenat);
        } else {
            question.prompt = "Unesite iznos za promenljivu obustavu: "_yu + d.obustava;
            question.offered = postedVariableAmount(db_, request_, d.id_obustava_proc);
        }
        std::optional<Currency> answer = ask_ ? ask_(question) : std::nullopt;
        const Currency amount = answer.value_or(question.offered.value_or(Currency{}));
        if (request_.part != DeductionPart::Single && amount.isZero())
            return std::nullopt;
        return amount;
    }

    db::Database& db_;
    const DeductionRequest& request_;
    const VariableAmountAsker& ask_;
    bool twoParts_;
    const ExchangeRates& rates_;
    bool december2016_;
};

} // namespace

std::string missingRateMessage(const std::string& currency, int year, int month) {
    const std::string period =
        (month < 10 ? "0" : "") + std::to_string(month) + "." + std::to_string(year);
    return "Nije unet kurs za "_yu + currency + " za mesec " + period +
           "! Obracun radnika nije moguc."_yu;
}

bool paidInTwoParts(db::Database& db) {
    return db.scalar("SELECT na_pola_meseca FROM postavke LIMIT 1").value_or(0) != 0;
}

struct MonthDeductionPricer::State {
    db::Database& db;
    int year;
    int month;
    DeductionPart part;
    bool twoParts;
    ExchangeRates rates;
    // each deduction's definition as first read; none when it is missing
    std::unordered_map<std::int64_t, std::optional<DeductionDefinition>> definitions;
    std::optional<ParticipationsByEmployee> participations;

    Date firstDay() const { return Date{year, month, 1}; }

    const std::optional<DeductionDefinition>& definition(std::int64_t id) {
        auto found = definitions.find(id);
        if (found == definitions.end())
            found = definitions.emplace(id, findDeduction(db, id)).first;
        return found->second;
    }

    std::vector<Participation> participationsOf(std::int64_t employeeId) const {
        if (!participations)
            return validParticipations(db, employeeId, firstDay());
        const auto found = participations->find(employeeId);
        return found == participations->end() ? std::vector<Participation>{} : found->second;
    }
};

MonthDeductionPricer::MonthDeductionPricer(db::Database& db, int year, int month,
                                           DeductionPart part)
    : state_(new State{db, year, month, part, paidInTwoParts(db), loadExchangeRates(db), {}, {}}) {}

MonthDeductionPricer::~MonthDeductionPricer() = default;

void MonthDeductionPricer::preloadAllEmployees() {
    state_->participations = everyonesParticipations(state_->db, state_->firstDay());
}

MonthDeductions MonthDeductionPricer::price(std::int64_t employeeId, Currency net,
                                            const VariableAmountAsker& ask) {
    State& month = *state_;
    const DeductionRequest request{employeeId, month.year, month.month, month.part, net};
    Pricer pricer(month.db, request, ask, month.twoParts, month.rates);
    MonthDeductions result;
    for (const Participation& p : month.participationsOf(employeeId)) {
        const auto& definition = month.definition(p.id_obustava);
        if (!definition) {
            result.errors.push_back("Greska kod pronalazenja kreditora!"_yu);
            continue;
        }
        if (auto row = pricer.price(p, *definition)) {
            if (isForeignCurrency(p.valuta) && row->Kurs <= 0 && !result.missingRate)
                result.missingRate = missingRateMessage(row->valuta, month.year, month.month);
            result.rows.push_back(std::move(*row));
        }
    }
    result.total = deductionsTotal(result.rows);
    result.payout = net - result.total;
    return result;
}

MonthDeductions priceMonthDeductions(db::Database& db, const DeductionRequest& request,
                                     const VariableAmountAsker& ask) {
    return MonthDeductionPricer(db, request.year, request.month, request.part)
        .price(request.employeeId, request.net, ask);
}

Currency deductionsTotal(const std::vector<DeductionRow>& rows) {
    Currency total;
    for (const DeductionRow& row : rows)
        total += row.Iznos;
    return total;
}

void postDeductions(db::Database& db, std::int64_t idObracun, bool akontacija,
                    const std::vector<DeductionRow>& rows) {
    std::optional<db::Transaction> own;
    if (!db.inTransaction())
        own.emplace(db);
    db.run("DELETE FROM obracun_obustava WHERE Id_obracun = ? AND AKONTACIJA = ?", idObracun,
           akontacija);
    for (const DeductionRow& row : rows)
        db.run("INSERT INTO obracun_obustava(Id_obracun, AKONTACIJA, id_obustava, kreditor, Iznos, "
               "valuta, Kurs, tekuci_Racun, POziv_na_broj, id_or) "
               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               idObracun, akontacija, row.id_obustava, row.kreditor, row.Iznos, row.valuta,
               row.Kurs, row.tekuci_Racun, row.POziv_na_broj, row.id_or);
    if (own)
        own->commit();
}

std::vector<DeductionRow> postedDeductions(db::Database& db, std::int64_t idObracun,
                                           bool akontacija) {
    std::vector<DeductionRow> rows;
    auto st = db.prepare("SELECT o.id_or, o.id_obustava, p.Tip, o.kreditor, o.Iznos, o.valuta, "
                         "o.Kurs, o.tekuci_Racun, o.POziv_na_broj FROM obracun_obustava o "
                         "LEFT JOIN obustaveproc p ON p.id_obustava_proc = o.id_obustava "
                         "WHERE o.Id_obracun = ? AND o.AKONTACIJA = ? ORDER BY o.rowid");
    st.bindAll(idObracun, akontacija);
    while (st.step()) {
        DeductionRow row;
        row.id_or = st.integer(0);
        row.id_obustava = st.integer(1);
        row.Tip = static_cast<int>(st.integer(2));
        row.kreditor = st.text(3);
        row.Iznos = st.money(4);
        row.valuta = st.text(5);
        row.Kurs = st.number(6);
        row.tekuci_Racun = st.text(7);
        row.POziv_na_broj = st.text(8);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace zarion::employees
