#include "Templates.h"

#include <string>

#include "ChangeTriggers.h"

namespace zarion::embedded {
extern const char* const plateSql;
extern const char* const trailSql;
extern const char* const trailTablesTsv;
extern const char* const trail_benefitsSql;
extern const char* const opstineSql;
extern const char* const firmeSql;
extern const char* const backtarlenSql;
extern const char* const kosheme2Sql;
extern const char* const columnDescriptionsTsv;
} // namespace zarion::embedded

namespace zarion::schema {

// The tables come first, then the history of changes with the triggers that keep it.
const char* payrollSql() {
    static const std::string script = std::string(embedded::plateSql) + embedded::trailSql +
                                      changeTriggersSql(embedded::trailTablesTsv) +
                                      embedded::trail_benefitsSql;
    return script.c_str();
}
const char* municipalitiesSql() {
    return embedded::opstineSql;
}
const char* registerSql() {
    return embedded::firmeSql;
}
const char* masterDataSql() {
    return embedded::backtarlenSql;
}
const char* accountSchemesSql() {
    return embedded::kosheme2Sql;
}
const char* columnDescriptionsTsv() {
    return embedded::columnDescriptionsTsv;
}

} // namespace zarion::schema
