#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Currency.h"
#include "core/Dates.h"
#include "core/db/Database.h"
#include "core/startup/Paths.h"

namespace zarion {

// The one program-wide working context: who works, on which company and year, the open
// databases, the settings flags and the month chosen for a calculation. It lives from the main
// window's load to its close.
struct AppContext {
    explicit AppContext(const Clock& clockToUse)
        : clock(clockToUse) {}

    const Clock& clock;

    std::filesystem::path BaseFolder; // holds KOA.txt, IzvozExcel/, XML_TREZOR/
    std::filesystem::path DataRoot;   // holds firme.db, prazna/, G<year>/

    int WorkYear = 0;
    std::int64_t OperatorId = 0;
    std::string OperatorName;
    std::string OperatorSurname;
    std::string OperatorLk;
    std::int64_t OperatorOlId = 0;
    std::string ReceiptPrinter;
    int CompanyAccess = 0;

    std::int64_t CompanyId = 0;
    std::string CompanyCaption; // "<name> - <town>", shown right-aligned in the main window

    std::unique_ptr<db::Database> PayrollDb;
    std::unique_ptr<db::Database> CompanyMasterDb;

    bool SolidarityTaxOn = false;
    Currency StimulacijeUredba;
    bool TotalSeniorityOn = false;
    bool CalcModeFlag = false;
    std::string CompanyAddress;
    // The company is the customer whose bookkeeping keeps every employee's net pay on an
    // analytic card of its own (see startup::isAnalyticNetCustomer).
    bool CompanyPibFlag = false;

    // The month chosen with the month chooser for a calculation.
    int CalcMonth = 0;
    int CalcYear = 0;
    bool CalcFinal = false;

    // Set by the auxiliary procedures: the batch calculation withholds no deductions.
    bool WithoutDeductions = false;

    // Device name of the printer chosen for all printing; empty means the system's default.
    std::string PrinterName;

    // The chosen company's files, names matched without regard to case.
    std::filesystem::path companyFolder() const { return companyFolder(WorkYear); }
    std::filesystem::path companyFolder(int year) const {
        return startup::companyFolder(DataRoot, year, CompanyId);
    }
    std::filesystem::path payrollPath(int year) const {
        return startup::payrollPath(DataRoot, year, CompanyId);
    }
    std::filesystem::path logoPath() const {
        return startup::logoPath(DataRoot, WorkYear, CompanyId);
    }
};

} // namespace zarion
