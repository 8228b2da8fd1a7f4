#include "core/startup/SchemaMerge.h"

#include <algorithm>

#include "core/Text.h"
#include "core/db/Triggers.h"
#include "core/startup/DatabaseFiles.h"
#include "core/trail/Trail.h"

namespace zarion::startup {
namespace {

bool isSystemTable(const std::string& name) {
    return toUpper(name.substr(0, 4)) == "MSYS";
}

std::string quoted(const std::string& name) {
    std::string out = "\"";
    for (const char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// "TEXT(50)" → {"TEXT", "50"}.
std::pair<std::string, std::string> splitType(const std::string& declType) {
    const auto open = declType.find('(');
    if (open == std::string::npos)
        return {trim(declType), {}};
    const auto close = declType.find(')', open);
    return {trim(declType.substr(0, open)), trim(declType.substr(open + 1, close - open - 1))};
}

template <typename Named>
bool containsName(const std::vector<Named>& objects, const std::string& name) {
    return std::any_of(objects.begin(), objects.end(),
                       [&](const Named& o) { return equalsIgnoreCase(o.name, name); });
}

// The target's own spelling of a name it holds under another case.
std::string findName(const std::vector<db::SchemaObject>& objects, const std::string& name) {
    for (const auto& o : objects)
        if (equalsIgnoreCase(o.name, name))
            return o.name;
    return name;
}

void createTable(db::Database& reference, db::Database& target, const std::string& table) {
    auto st = reference.prepare(
        "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    st.bindAll(table);
    if (st.step())
        target.execScript(st.text(0));
}

void addField(db::Database& reference, db::Database& target, const MissingItem& item) {
    for (const auto& column : reference.columns(item.table)) {
        if (!equalsIgnoreCase(column.name, item.field))
            continue;
        std::string sql = "ALTER TABLE " + quoted(item.table) + " ADD COLUMN " +
                          quoted(column.name) + " " + column.declType;
        if (!column.defaultValue.empty())
            sql += " DEFAULT " + column.defaultValue;
        target.execScript(sql);
        return;
    }
}

void writeVersion(db::Database& reference, db::Database& target) {
    const long long version = startup::schemaVersion(reference);
    if (target.scalar("SELECT count(*) FROM aaverzija").value_or(0) == 0)
        target.run("INSERT INTO aaverzija(Verzija) VALUES (?)", static_cast<std::int64_t>(version));
    else
        target.run("UPDATE aaverzija SET Verzija = ? WHERE rowid = (SELECT min(rowid) FROM "
                   "aaverzija)",
                   static_cast<std::int64_t>(version));
}

// The reference's objects of one kind, except "~TMP…" ones, replace the target's objects of the
// same name. Returns how many were copied.
int replaceObjects(const std::string& kind, const std::vector<db::SchemaObject>& wanted,
                   const std::vector<db::SchemaObject>& present, db::Database& target) {
    int copied = 0;
    for (const auto& object : wanted) {
        if (object.name.rfind("~TMP", 0) == 0)
            continue;
        if (containsName(present, object.name))
            target.execScript("DROP " + kind + " " + quoted(findName(present, object.name)));
        target.execScript(object.sql);
        ++copied;
    }
    return copied;
}

} // namespace

std::vector<MissingItem> listMissing(db::Database& reference, db::Database& target) {
    std::vector<MissingItem> missing;
    for (const auto& table : reference.tables()) {
        if (isSystemTable(table))
            continue;
        const bool tableMissing = !target.hasTable(table);
        const auto targetColumns =
            tableMissing ? std::vector<db::ColumnInfo>{} : target.columns(table);
        if (tableMissing)
            missing.push_back({table, {}, {}, {}, true});
        for (const auto& column : reference.columns(table)) {
            if (!tableMissing && containsName(targetColumns, column.name))
                continue;
            const auto [type, size] = splitType(column.declType);
            missing.push_back({table, column.name, type, size, tableMissing});
        }
    }
    return missing;
}

void createMissing(db::Database& reference, db::Database& target,
                   const std::vector<MissingItem>& missing) {
    for (const auto& item : missing) {
        if (!item.wholeTable)
            addField(reference, target, item);
        else if (item.field.empty())
            createTable(reference, target, item.table); // its fields come with the table
    }
    const auto targetIndexes = target.indexes();
    for (const auto& index : reference.indexes())
        if (!containsName(targetIndexes, index.name) && target.hasTable(index.tableName))
            target.execScript(index.sql);
    writeVersion(reference, target);
}

int copyViews(db::Database& reference, db::Database& target) {
    return replaceObjects("VIEW", reference.views(), target.views(), target);
}

int copyTriggers(db::Database& reference, db::Database& target) {
    return replaceObjects("TRIGGER", db::triggers(reference), db::triggers(target), target);
}

void completeSchema(db::Database& reference, db::Database& target,
                    const std::vector<MissingItem>& missing) {
    const long long before = schemaVersion(target);
    createMissing(reference, target, missing);
    copyTriggers(reference, target);
    if (!target.hasTable("istorija_promena")) // a reference without the history of changes
        return;
    // the postings' entries read the context's one row
    if (target.scalar("SELECT count(*) FROM istorija_kontekst").value_or(0) == 0)
        target.run("INSERT INTO istorija_kontekst (operater) VALUES (NULL)");
    trail::Entry merged;
    merged.kind = trail::kind::SchemaMerged;
    merged.table = "aaverzija";
    merged.description =
        "Verzija " + std::to_string(before) + " -> " + std::to_string(schemaVersion(target));
    trail::record(target, merged);
}

void mergeSchema(db::Database& reference, db::Database& target) {
    db::Transaction tx(target);
    completeSchema(reference, target, listMissing(reference, target));
    copyViews(reference, target);
    tx.commit();
}

} // namespace zarion::startup
