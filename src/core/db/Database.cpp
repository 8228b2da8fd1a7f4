#include "core/db/Database.h"

#include <cmath>
#include <sqlite3.h>

#include "core/NumericText.h"
#include "core/Text.h"

namespace zarion::db {
namespace {

void check(sqlite3* handle, int rc, const std::string& context) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        const std::string reason = sqlite3_errmsg(handle);
        throw Error(context + ": " + reason, sqlite3_extended_errcode(handle), reason);
    }
}

} // namespace

// ---- Error --------------------------------------------------------------------------------

Error::Error(const std::string& what, int code, std::string reason)
    : std::runtime_error(what)
    , code_(code)
    , reason_(reason.empty() ? what : std::move(reason)) {}

Error::Cause Error::cause() const {
    switch (code_ & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Cause::Busy;
    case SQLITE_FULL:
        return Cause::Full;
    case SQLITE_IOERR:
        return Cause::Io;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Cause::Corrupt;
    case SQLITE_READONLY:
        return Cause::ReadOnly;
    case SQLITE_CANTOPEN:
        return Cause::CannotOpen;
    case SQLITE_CONSTRAINT:
        return Cause::Constraint;
    case SQLITE_ABORT:
        return Cause::RolledBack;
    default:
        return Cause::Other;
    }
}

// ---- Statement ----------------------------------------------------------------------------

Statement::Statement(Database& db, sqlite3_stmt* stmt, std::string sql)
    : db_(&db)
    , stmt_(stmt)
    , sql_(std::move(sql)) {}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_)
    , stmt_(other.stmt_)
    , sql_(std::move(other.sql_)) {
    other.stmt_ = nullptr;
}

Statement::~Statement() {
    if (stmt_)
        db_->giveBack(std::move(sql_), stmt_);
}

Statement& Statement::bind(int index, std::nullptr_t) {
    check(db_->handle_, sqlite3_bind_null(stmt_, index), sql_);
    return *this;
}
Statement& Statement::bind(int index, int value) {
    return bind(index, static_cast<std::int64_t>(value));
}
Statement& Statement::bind(int index, std::int64_t value) {
    check(db_->handle_, sqlite3_bind_int64(stmt_, index, value), sql_);
    return *this;
}
Statement& Statement::bind(int index, double value) {
    check(db_->handle_, sqlite3_bind_double(stmt_, index, value), sql_);
    return *this;
}
Statement& Statement::bind(int index, bool value) {
    return bind(index, std::int64_t{value ? 1 : 0});
}
Statement& Statement::bind(int index, Currency value) {
    return bind(index, value.raw());
}
Statement& Statement::bind(int index, const Date& value) {
    return value.year == 0 ? bind(index, nullptr) : bind(index, toIsoText(value));
}
Statement& Statement::bind(int index, const std::string& value) {
    check(db_->handle_,
          sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT),
          sql_);
    return *this;
}
Statement& Statement::bind(int index, const char* value) {
    return bind(index, std::string(value));
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    check(db_->handle_, rc, sql_);
    return rc == SQLITE_ROW;
}

void Statement::run() {
    while (step()) {
    }
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(stmt_, column);
    return name ? name : "";
}

std::string Statement::columnDeclType(int column) const {
    const char* type = sqlite3_column_decltype(stmt_, column);
    return type ? type : "";
}

int Statement::column(std::string_view name) const {
    for (int i = 0; i < columnCount(); ++i)
        if (equalsIgnoreCase(columnName(i), name))
            return i;
    throw Error("no column " + std::string(name) + " in: " + sql_);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::string Statement::text(int column) const {
    const auto* t = sqlite3_column_text(stmt_, column);
    return t ? trim(reinterpret_cast<const char*>(t)) : std::string();
}

std::int64_t Statement::integer(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return 0;
    case SQLITE_INTEGER:
        return isCurrencyColumn(column) ? money(column).round0().raw() / Currency::Scale
                                        : sqlite3_column_int64(stmt_, column);
    case SQLITE_FLOAT:
        return std::llrint(sqlite3_column_double(stmt_, column));
    default:
        return wholeValue(text(column));
    }
}

double Statement::number(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return 0.0;
    case SQLITE_INTEGER:
        return isCurrencyColumn(column) ? money(column).toDouble()
                                        : static_cast<double>(sqlite3_column_int64(stmt_, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt_, column);
    default:
        return numericValue(text(column));
    }
}

// An integer read as money is a count of 1/10000 when it comes from a CURRENCY column or from
// an expression over one (SUM(Iznos)); from any other column it is a count of whole dinars.
Currency Statement::money(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const std::int64_t value = sqlite3_column_int64(stmt_, column);
        return !sqlite3_column_decltype(stmt_, column) || isCurrencyColumn(column)
                   ? Currency::fromRaw(value)
                   : Currency::fromUnits(value);
    }
    case SQLITE_FLOAT:
        return Currency::fromDouble(sqlite3_column_double(stmt_, column));
    default:
        return Currency::parse(text(column));
    }
}

Date Statement::date(int column) const {
    return dateFromIsoText(text(column).substr(0, 10));
}

bool Statement::isCurrencyColumn(int column) const {
    // read for every amount: the declared type is looked at in place, without copies
    const char* type = sqlite3_column_decltype(stmt_, column);
    if (!type)
        return false;
    while (*type == ' ' || *type == '\t')
        ++type;
    return sqlite3_strnicmp(type, "CURRENCY", 8) == 0;
}

// ---- Database -----------------------------------------------------------------------------

Database::Database(sqlite3* handle, std::filesystem::path path)
    : handle_(handle)
    , path_(std::move(path)) {
    sqlite3_busy_timeout(handle_, 3000);
}

Database::~Database() {
    for (auto& [sql, stmt] : idle_)
        sqlite3_finalize(stmt);
    sqlite3_close_v2(handle_);
}

namespace {
std::unique_ptr<sqlite3, int (*)(sqlite3*)> openHandle(const std::filesystem::path& path,
                                                       int flags) {
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.string().c_str(), &handle, flags, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> owned(handle, sqlite3_close_v2);
    if (rc != SQLITE_OK) {
        const std::string reason = handle ? sqlite3_errmsg(handle) : "out of memory";
        throw Error("cannot open " + path.string() + ": " + reason, rc, reason);
    }
    return owned;
}
} // namespace

std::unique_ptr<Database> Database::open(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path))
        throw Error("cannot open " + path.string() + ": no such file", SQLITE_CANTOPEN);
    auto handle = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    std::unique_ptr<Database> db(new Database(handle.release(), path));
    db->scalar("SELECT count(*) FROM sqlite_master"); // fails at once on a file that is no database
    return db;
}

std::unique_ptr<Database> Database::create(const std::filesystem::path& path) {
    auto handle =
        openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    return std::unique_ptr<Database>(new Database(handle.release(), path));
}

void Database::execScript(const std::string& sql) {
    char* message = nullptr;
    if (const int rc = sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, &message);
        rc != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw Error(text, sqlite3_extended_errcode(handle_));
    }
}

Statement Database::prepare(const std::string& sql) {
    if (auto it = idle_.find(sql); it != idle_.end()) {
        sqlite3_stmt* stmt = it->second;
        idle_.erase(it);
        return Statement(*this, stmt, sql);
    }
    sqlite3_stmt* stmt = nullptr;
    check(handle_, sqlite3_prepare_v2(handle_, sql.c_str(), -1, &stmt, nullptr), sql);
    return Statement(*this, stmt, sql);
}

void Database::giveBack(std::string sql, sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    idle_.emplace(std::move(sql), stmt);
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(handle_);
}
int Database::changes() const {
    return sqlite3_changes(handle_);
}
bool Database::inTransaction() const {
    return sqlite3_get_autocommit(handle_) == 0;
}
void Database::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(handle_, milliseconds);
}

std::vector<std::string> Database::tables() const {
    std::vector<std::string> names;
    for (const auto& object : schemaObjects("table"))
        names.push_back(object.name);
    return names;
}

bool Database::hasTable(std::string_view table) const {
    for (const auto& name : tables())
        if (equalsIgnoreCase(name, table))
            return true;
    return false;
}

std::vector<ColumnInfo> Database::columns(std::string_view table) const {
    auto& self = const_cast<Database&>(*this);
    Statement st =
        self.prepare("SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?)");
    st.bind(1, std::string(table));
    std::vector<ColumnInfo> result;
    while (st.step())
        result.push_back({st.text(0), st.text(1), st.integer(2) != 0,
                          st.isNull(3) ? std::string() : st.text(3),
                          static_cast<int>(st.integer(4))});
    return result;
}

bool Database::hasColumn(std::string_view table, std::string_view column) const {
    for (const auto& c : columns(table))
        if (equalsIgnoreCase(c.name, column))
            return true;
    return false;
}

std::vector<SchemaObject> Database::indexes() const {
    return schemaObjects("index");
}
std::vector<SchemaObject> Database::views() const {
    return schemaObjects("view");
}

std::vector<SchemaObject> Database::schemaObjects(const char* type) const {
    auto& self = const_cast<Database&>(*this);
    Statement st = self.prepare("SELECT name, tbl_name, sql FROM sqlite_master WHERE type = ? "
                                "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND sql IS NOT NULL "
                                "ORDER BY rowid");
    st.bind(1, type);
    std::vector<SchemaObject> result;
    while (st.step())
        result.push_back({st.text(0), st.text(1), st.text(2)});
    return result;
}

// ---- Transaction --------------------------------------------------------------------------

namespace {
Error rolledBack() {
    return Error("the transaction was rolled back", SQLITE_ABORT);
}
} // namespace

Transaction::Transaction(Database& db)
    : db_(db) {
    requireOpen();
    // prepared once: a batch begins and ends thousands of them
    db_.prepare("SAVEPOINT zarion_tx").run();
    ++db_.openTransactions_;
}

Transaction::~Transaction() {
    if (done_)
        return;
    if (!db_.inTransaction()) {
        --db_.openTransactions_;
        return; // SQLite has undone it already
    }
    try {
        // the outermost one ends the transaction whatever a failed commit left behind
        db_.execScript(--db_.openTransactions_ == 0 ? "ROLLBACK"
                                                    : "ROLLBACK TO zarion_tx; RELEASE zarion_tx");
    } catch (const Error&) {
        // nothing more can be done while unwinding
    }
}

void Transaction::commit() {
    if (!db_.inTransaction())
        throw rolledBack();
    db_.prepare("RELEASE zarion_tx").run();
    --db_.openTransactions_;
    done_ = true;
}

// A transaction of ours is open, yet SQLite has none: it undid it after a failure.
void Transaction::requireOpen() const {
    if (db_.openTransactions_ > 0 && !db_.inTransaction())
        throw rolledBack();
}

} // namespace zarion::db
