#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Currency.h"
#include "core/Dates.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zarion::db {

// A failure reported by SQLite: its message, SQLite's own reason without the statement's text,
// and its (extended) result code, from which the cause follows.
class Error : public std::runtime_error {
public:
    enum class Cause {
        Busy,       // another connection holds the lock beyond the busy timeout
        Full,       // the disk or the file's page limit is full
        Io,         // reading or writing the file failed
        Corrupt,    // the file is damaged or is no database
        ReadOnly,   // the file or its folder cannot be written
        CannotOpen, // the file cannot be opened or created
        Constraint, // a row broke a rule of its table
        RolledBack, // SQLite has already undone the open transaction
        Other,
    };

    explicit Error(const std::string& what, int code = 0, std::string reason = {});

    int code() const { return code_; }
    Cause cause() const;
    // SQLite's message without the statement; the whole message when there is none.
    const std::string& reason() const { return reason_; }
    // A constraint concerns the row being written; every other failure concerns the database
    // and ends the work of the open transaction.
    bool concernsOneRow() const { return cause() == Cause::Constraint; }

private:
    int code_;
    std::string reason_;
};

class Database;

// One prepared statement, borrowed from its database's cache and given back when destroyed.
// Parameters are bound by position (1-based); columns are read by position or by name, the name
// matched without regard to case. Readers follow the numeric-prefix rule: a null number reads as
// 0, a null text as "", texts come back trimmed.
class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    Statement& bind(int index, std::nullptr_t);
    Statement& bind(int index, int value);
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, bool value);
    Statement& bind(int index, Currency value);
    Statement& bind(int index, const Date& value);
    Statement& bind(int index, const std::string& value);
    Statement& bind(int index, const char* value);
    template <typename T> Statement& bind(int index, const std::optional<T>& value) {
        return value ? bind(index, *value) : bind(index, nullptr);
    }
    template <typename... Args> Statement& bindAll(const Args&... args) {
        int index = 0;
        (bind(++index, args), ...);
        return *this;
    }

    // Steps to the next row: true when a row is ready, false when the statement is done.
    bool step();
    // Runs a statement that returns no rows.
    void run();

    int columnCount() const;
    std::string columnName(int column) const;
    // Declared type of a result column ("CURRENCY", "TEXT(50)"), empty for an expression.
    std::string columnDeclType(int column) const;
    // Index of a column by name; throws Error when there is none.
    int column(std::string_view name) const;

    bool isNull(int column) const;
    std::string text(int column) const;
    std::int64_t integer(int column) const;
    double number(int column) const;
    Currency money(int column) const;
    bool flag(int column) const { return integer(column) != 0; }
    Date date(int column) const;

    bool isNull(std::string_view name) const { return isNull(column(name)); }
    std::string text(std::string_view name) const { return text(column(name)); }
    std::int64_t integer(std::string_view name) const { return integer(column(name)); }
    double number(std::string_view name) const { return number(column(name)); }
    Currency money(std::string_view name) const { return money(column(name)); }
    bool flag(std::string_view name) const { return flag(column(name)); }
    Date date(std::string_view name) const { return date(column(name)); }

private:
    friend class Database;
    Statement(Database& db, sqlite3_stmt* stmt, std::string sql);
    bool isCurrencyColumn(int column) const;

    Database* db_;
    sqlite3_stmt* stmt_;
    std::string sql_;
};

struct ColumnInfo {
    std::string name;
    std::string declType; // as declared: "LONG", "TEXT(50)", "CURRENCY", …
    bool notNull = false;
    std::string defaultValue; // SQL text of the default, empty when none
    int primaryKeyPosition = 0;
};

struct SchemaObject {
    std::string name;
    std::string tableName;
    std::string sql; // the CREATE statement as stored
};

// One SQLite file. Statements are prepared once and reused; text is never pasted into SQL. A
// connection belongs to the thread that uses it, so SQLite takes no lock of its own per call.
class Database {
public:
    // Opens an existing file; throws Error when it is missing or not a database.
    static std::unique_ptr<Database> open(const std::filesystem::path& path);
    // Creates the file (or opens it when present).
    static std::unique_ptr<Database> create(const std::filesystem::path& path);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Runs a script of statements without parameters (schema files, PRAGMAs).
    void execScript(const std::string& sql);
    Statement prepare(const std::string& sql);
    template <typename... Args> void run(const std::string& sql, const Args&... args) {
        prepare(sql).bindAll(args...).run();
    }
    // First column of the first row, or nullopt when the query returns no row.
    template <typename... Args>
    std::optional<std::int64_t> scalar(const std::string& sql, const Args&... args) {
        Statement st = prepare(sql);
        st.bindAll(args...);
        if (!st.step())
            return std::nullopt;
        return st.integer(0);
    }

    std::int64_t lastInsertId() const;
    int changes() const;
    bool inTransaction() const;
    // How long a statement waits for another connection's lock before it fails as busy.
    void setBusyTimeout(int milliseconds);

    // Schema introspection; names are matched without regard to case.
    std::vector<std::string> tables() const; // user tables, without sqlite_ internals
    bool hasTable(std::string_view table) const;
    std::vector<ColumnInfo> columns(std::string_view table) const;
    bool hasColumn(std::string_view table, std::string_view column) const;
    std::vector<SchemaObject> indexes() const; // explicitly created indexes only
    std::vector<SchemaObject> views() const;

private:
    friend class Statement;
    explicit Database(sqlite3* handle, std::filesystem::path path);
    void giveBack(std::string sql, sqlite3_stmt* stmt);
    std::vector<SchemaObject> schemaObjects(const char* type) const;

    friend class Transaction;
    sqlite3* handle_;
    std::filesystem::path path_;
    std::multimap<std::string, sqlite3_stmt*> idle_;
    int openTransactions_ = 0;
};

// Begins a transaction, or a savepoint inside the one already open; the destructor rolls it back
// unless commit() ran. When SQLite has undone the enclosing transaction by itself (a full disk,
// an I/O error), a nested one refuses to begin and commit() refuses to end: neither starts a new
// transaction of its own that would store part of the work.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    void requireOpen() const;

    Database& db_;
    bool done_ = false;
};

} // namespace zarion::db
