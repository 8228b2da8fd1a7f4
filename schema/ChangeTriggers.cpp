#include "ChangeTriggers.h"

#include <sstream>
#include <vector>

namespace zarion::schema {
namespace {

struct Column {
    std::string name;
    bool inDinars = false; // kept in ten-thousandths of a dinar
};

struct Table {
    std::string name;
    std::string key;      // the column naming the row; empty for a single-row table
    std::string employee; // the column of the employee the row concerns, if any
    bool ownMonth = false;
    std::vector<Column> columns;
};

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, '\t'))
        parts.push_back(part);
    parts.resize(5);
    return parts;
}

std::vector<Table> parseTables(std::string_view text) {
    std::vector<Table> tables;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        const auto parts = fields(line);
        Table table{parts[0], parts[1], parts[2], parts[3] == "mesec", {}};
        std::istringstream columns(parts[4]);
        for (std::string column; columns >> column;) {
            const auto mark = column.find(":din");
            table.columns.push_back({column.substr(0, mark), mark != std::string::npos});
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

enum class Event { Insert, Update, Delete };

// A column's value as the history shows it: an amount divided down to dinars.
std::string value(const std::string& row, const Column& column) {
    const std::string plain = row + "." + column.name;
    return column.inDinars ? plain + " / 10000.0" : plain;
}

// The column's pair [before, after] when the event touched it, else NULL (left out).
std::string change(Event event, const Column& column) {
    const std::string quoted = "'" + column.name + "', CASE WHEN ";
    switch (event) {
    case Event::Insert:
        return quoted + "NEW." + column.name + " IS NOT NULL THEN json_array(NULL, " +
               value("NEW", column) + ") END";
    case Event::Update:
        return quoted + "OLD." + column.name + " IS NOT NEW." + column.name + " THEN json_array(" +
               value("OLD", column) + ", " + value("NEW", column) + ") END";
    case Event::Delete:
        break;
    }
    return quoted + "OLD." + column.name + " IS NOT NULL THEN json_array(" + value("OLD", column) +
           ", NULL) END";
}

std::string trigger(const Table& table, Event event) {
    const char* kind = event == Event::Insert   ? "unos"
                       : event == Event::Update ? "izmena"
                                                : "brisanje";
    const char* on = event == Event::Insert   ? "INSERT"
                     : event == Event::Update ? "UPDATE"
                                              : "DELETE";
    const std::string row = event == Event::Delete ? "OLD" : "NEW";
    const std::string key =
        table.key.empty() ? "''" : "'" + table.key + "=' || " + row + "." + table.key;
    const std::string employee = table.employee.empty() ? "NULL" : row + "." + table.employee;
    const std::string month =
        table.ownMonth ? row + ".MEsec" : "strftime('%m', 'now', 'localtime') + 0";
    const std::string year =
        table.ownMonth ? row + ".GODINA" : "strftime('%Y', 'now', 'localtime') + 0";
    std::string changes;
    for (const Column& column : table.columns)
        changes += (changes.empty() ? "" : ",\n        ") + change(event, column);
    return "CREATE TRIGGER istorija_" + table.name + "_" + kind + " AFTER " + on + " ON " +
           table.name +
           " BEGIN\n"
           "    INSERT INTO istorija_promena (operater, komanda, vrsta, tabela, kljuc, id_radnik, "
           "mesec, godina, promene, razlog)\n"
           "    SELECT k.operater, k.komanda, '" +
           kind + "', '" + table.name + "', " + key + ", " + employee + ", " + month + ", " + year +
           ", d.promene, k.razlog\n"
           "    FROM (SELECT json_patch('{}', json_object(\n        " +
           changes +
           "\n    )) AS promene) d LEFT JOIN istorija_kontekst k\n"
           "    WHERE d.promene <> '{}';\nEND;\n";
}

} // namespace

std::string changeTriggersSql(std::string_view tables) {
    std::string sql;
    for (const Table& table : parseTables(tables))
        for (Event event : {Event::Insert, Event::Update, Event::Delete})
            sql += trigger(table, event);
    return sql;
}

} // namespace zarion::schema
