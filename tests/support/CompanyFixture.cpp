#include "CompanyFixture.h"

#include "TemplateDatabase.h"
#include "Templates.h"
#include "core/startup/Paths.h"

namespace zarion::test {

CompanyFixture::CompanyFixture(DateTime now)
    : clock(now) {
    context.BaseFolder = base.path();
    context.DataRoot = base / "kontora";
    context.WorkYear = now.date.year;
    context.CompanyId = 1;
    context.PayrollDb = makeTemplateDatabase(context.payrollPath(context.WorkYear));
}

db::Database& CompanyFixture::master() {
    if (!context.CompanyMasterDb) {
        context.CompanyMasterDb = db::Database::create(
            startup::masterDataPath(context.DataRoot, context.WorkYear, context.CompanyId));
        context.CompanyMasterDb->execScript(schema::masterDataSql());
        context.CompanyMasterDb->run(
            "INSERT INTO podaci(Naziv, ADRESA, grad, PIB, maticni, ziroracun, banka) "
            "VALUES ('Žitopromet d.o.o.', 'Karađorđeva 12', 'Šabac', '101234567', "
            "'07654321', '205-0000000999900-11', 'Komercijalna banka')");
    }
    return *context.CompanyMasterDb;
}

} // namespace zarion::test
