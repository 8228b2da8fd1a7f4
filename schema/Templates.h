#pragma once

namespace zarion::schema {

// SQL scripts that build the databases from nothing.
const char* payrollSql();        // a company's payroll database (the template prazna/plate.db)
const char* municipalitiesSql(); // rows of opstine, the tax authority's municipality codes
const char* registerSql();       // firme.db: companies and operators
const char* masterDataSql();     // backtarlen.db: the company's own data
const char* accountSchemesSql(); // G<year>/KoSheme2.db: the bookkeeping module's journal types

// The operator's description of the single-row tables and their columns, one per line:
// table (or tables joined by commas), column and description, separated by tabs.
const char* columnDescriptionsTsv();

} // namespace zarion::schema
