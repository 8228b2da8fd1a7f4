#include "Commands.h"

#include "employees/DeductionCommands.h"
#include "employees/EmployeesCommands.h"
#include "maintenance/MaintenanceCommands.h"
#include "parameters/ParametersCommands.h"

namespace zarion {

void registerCommands(ui::frmGlavni& window, AppContext& context) {
    registerMaintenanceCommands(window, context);
    registerParametersCommands(window, context);
    registerEmployeesCommands(window, context);
    employees::registerDeductionCommands(window, context);
}

} // namespace zarion
