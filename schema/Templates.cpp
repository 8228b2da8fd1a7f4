#include "Templates.h"

namespace zarion::embedded {
extern const char* const plateSql;
extern const char* const opstineSql;
extern const char* const firmeSql;
extern const char* const backtarlenSql;
extern const char* const kosheme2Sql;
extern const char* const columnDescriptionsTsv;
} // namespace zarion::embedded

namespace zarion::schema {

const char* payrollSql() {
    return embedded::plateSql;
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
