#include "Templates.h"

namespace zarion::embedded {
extern const char* const plateSql;
extern const char* const opstineSql;
extern const char* const firmeSql;
extern const char* const backtarlenSql;
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

} // namespace zarion::schema
