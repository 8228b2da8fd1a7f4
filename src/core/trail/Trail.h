#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/db/Database.h"

namespace zarion::trail {

// Whether the base keeps the history of changes: one of an older schema, not yet merged up to
// the template, does not.
bool keepsHistory(db::Database& payroll);

// Who works and with which command. Every entry of the history made from now on, by the program
// or by the database's own triggers, names them. Setting them withdraws any reason left behind.
struct Actor {
    std::string operatorName;
    std::string command;
};
void setActor(db::Database& payroll, const Actor& actor);
// The command alone, for the window or menu command the operator has turned to.
void setCommand(db::Database& payroll, const std::string& command);

// The kinds of entries, as stored in istorija_promena.vrsta.
namespace kind {
inline constexpr const char* Added = "unos";
inline constexpr const char* Changed = "izmena";
inline constexpr const char* Removed = "brisanje";
inline constexpr const char* Posted = "knjizenje";
inline constexpr const char* Reposted = "ponovno_knjizenje";
inline constexpr const char* CalculationDeleted = "brisanje_obracuna";
inline constexpr const char* Exported = "izvoz";
inline constexpr const char* SchemaMerged = "sema";
inline constexpr const char* Procedure = "pomocna";
inline constexpr const char* Filed = "predat_mesec";
inline constexpr const char* Unfiled = "povucen_mesec";
} // namespace kind

// One entry the program writes itself; the changes of rows the triggers write.
struct Entry {
    std::string kind;
    std::string table;
    std::string key;
    std::int64_t employeeId = 0; // 0: no one employee
    int month = 0;               // 0: the month the entry is made
    int year = 0;
    std::string changes; // {"column": [before, after], ...}, empty when none
    std::string description;
};

// A stored time "YYYY-MM-DD HH:MM:SS" as the operator reads it: "dd.MM.yyyy HH:MM:SS".
std::string displayTime(const std::string& stored);

// Adds the entry under the current actor, with the reason when one is given.
void record(db::Database& payroll, const Entry& entry);

// The reason given with the access code for changing a filed month. While it lives, the
// calculations of filed months may change and every entry carries the reason; it ends with
// the scope. An empty reason permits nothing and changes nothing.
class Permit {
public:
    Permit(db::Database& payroll, const std::string& reason);
    ~Permit();
    Permit(Permit&& other) noexcept;
    Permit& operator=(Permit&&) = delete;
    Permit(const Permit&) = delete;

private:
    db::Database* payroll_;
};

// The time the entries of salary postings and re-postings carry. Their triggers read it from the
// context instead of the clock, which keeps a batch of ten thousand postings cheap; the program
// states it as a posting, a run of postings or a procedure on the salaries begins, and takes it
// back when the scope ends, so a posting inside a run gives way to the run's time again. A
// salary posted outside the program has no time in its entry.
class PostingTime {
public:
    explicit PostingTime(db::Database& payroll);
    ~PostingTime();
    PostingTime(const PostingTime&) = delete;
    PostingTime& operator=(const PostingTime&) = delete;

private:
    db::Database* payroll_ = nullptr; // none: the base keeps no history
    std::optional<std::string> previous_;
};

// A transaction that posts or re-posts salaries: it states their entries' time as it begins and
// takes the time back inside the transaction as it commits.
class PostingTransaction {
public:
    explicit PostingTransaction(db::Database& payroll);
    void commit();

private:
    db::Transaction tx_;
    std::optional<PostingTime> time_;
};

} // namespace zarion::trail
