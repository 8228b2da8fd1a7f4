#include "core/trail/Trail.h"

#include "core/Dates.h"

namespace zarion::trail {
namespace {

std::optional<std::string> nonEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

// The context has one row; it is made the first time something is set.
void setContext(db::Database& payroll, const std::string& assignments,
                const std::optional<std::string>& value, const std::string& column) {
    payroll.run("UPDATE istorija_kontekst SET " + assignments, value);
    if (payroll.changes() == 0)
        payroll.run("INSERT INTO istorija_kontekst (" + column + ") VALUES (?)", value);
}

void setReason(db::Database& payroll, const std::string& reason) {
    setContext(payroll, "razlog = ?", nonEmpty(reason), "razlog");
}

std::optional<std::string> stampedTime(db::Database& payroll) {
    db::Statement stamped = payroll.prepare("SELECT vreme FROM istorija_kontekst");
    if (!stamped.step() || stamped.isNull(0))
        return std::nullopt;
    return stamped.text(0);
}

} // namespace

bool keepsHistory(db::Database& payroll) {
    return payroll.hasTable("istorija_kontekst") && payroll.hasTable("predati_meseci");
}

void setActor(db::Database& payroll, const Actor& actor) {
    // a new actor starts without a reason, whatever an interrupted run left behind
    payroll.run("UPDATE istorija_kontekst SET operater = ?, komanda = ?, razlog = NULL",
                actor.operatorName, actor.command);
    if (payroll.changes() == 0)
        payroll.run("INSERT INTO istorija_kontekst (operater, komanda) VALUES (?, ?)",
                    actor.operatorName, actor.command);
}

void setCommand(db::Database& payroll, const std::string& command) {
    setContext(payroll, "komanda = ?", command, "komanda");
}

std::string displayTime(const std::string& stored) {
    const Date day = dateFromIsoText(stored.substr(0, 10));
    if (day == Date{})
        return stored;
    return toDisplayText(day) + (stored.size() > 10 ? stored.substr(10) : std::string());
}

void record(db::Database& payroll, const Entry& entry) {
    const auto optionalId = [](std::int64_t id) {
        return id == 0 ? std::nullopt : std::optional<std::int64_t>(id);
    };
    const auto optionalPeriod = [](int value) {
        return value == 0 ? std::nullopt : std::optional<int>(value);
    };
    payroll.run(
        "INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, mesec, "
        "godina, promene, razlog, opis) "
        "SELECT k.operater, k.komanda, ?, ?, ?, ?, "
        "COALESCE(?, strftime('%m', 'now', 'localtime') + 0), "
        "COALESCE(?, strftime('%Y', 'now', 'localtime') + 0), ?, k.razlog, ? "
        "FROM (SELECT 1) LEFT JOIN istorija_kontekst k",
        entry.kind, entry.table, entry.key, optionalId(entry.employeeId),
        optionalPeriod(entry.month), optionalPeriod(entry.year), nonEmpty(entry.changes),
        nonEmpty(entry.description));
}

Permit::Permit(db::Database& payroll, const std::string& reason)
    : payroll_(reason.empty() ? nullptr : &payroll) {
    if (payroll_)
        setReason(payroll, reason);
}

Permit::~Permit() {
    if (!payroll_)
        return;
    try {
        setReason(*payroll_, {});
    } catch (const db::Error&) {
        // a database that cannot be written keeps nothing that the reason would permit
    }
}

PostingTime::PostingTime(db::Database& payroll) {
    if (!payroll.hasColumn("istorija_kontekst", "vreme"))
        return;
    previous_ = stampedTime(payroll);
    payroll.run("UPDATE istorija_kontekst SET vreme = datetime('now', 'localtime')");
    payroll_ = &payroll;
}

PostingTime::~PostingTime() {
    if (!payroll_)
        return;
    try {
        payroll_->run("UPDATE istorija_kontekst SET vreme = ?", previous_);
    } catch (const db::Error&) {
        // a base that can no longer be written keeps nothing the stamp would date
    }
}

PostingTransaction::PostingTransaction(db::Database& payroll)
    : tx_(payroll)
    , time_(std::in_place, payroll) {}

void PostingTransaction::commit() {
    time_.reset();
    tx_.commit();
}

Permit::Permit(Permit&& other) noexcept
    : payroll_(other.payroll_) {
    other.payroll_ = nullptr;
}

} // namespace zarion::trail
