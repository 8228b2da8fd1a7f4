#include "Commands.h"

#include "compensation/BenefitsCommands.h"
#include "compensation/SickLeaveCommands.h"
#include "employees/DeductionCommands.h"
#include "employees/EmployeesCommands.h"
#include "maintenance/MaintenanceCommands.h"
#include "other_income/OtherIncomeCommands.h"
#include "other_income/OwnerCommands.h"
#include "outputs/AnnualCommands.h"
#include "outputs/BooksCommands.h"
#include "outputs/OutputsCommands.h"
#include "parameters/ParametersCommands.h"
#include "payroll/AverageCommands.h"
#include "payroll/IndividualCommands.h"
#include "payroll/PayrollCommands.h"

namespace zarion {

void registerCommands(ui::frmGlavni& window, AppContext& context) {
    registerMaintenanceCommands(window, context);
    registerParametersCommands(window, context);
    registerEmployeesCommands(window, context);
    employees::registerDeductionCommands(window, context);
    registerPayrollCommands(window, context);
    registerIndividualCommands(window, context);
    registerAverageCommands(window, context);
    registerOutputsCommands(window, context);
    registerBooksCommands(window, context);
    registerOtherIncomeCommands(window, context);
    registerOwnerCommands(window, context);
    registerAnnualCommands(window, context);
    registerSickLeaveCommands(window, context);
    registerBenefitsCommands(window, context);
}

} // namespace zarion
