#include "payroll/IndividualHelpers.h"

namespace zarion::payroll {

IndividualHelpers& individualHelpers() {
    static IndividualHelpers helpers;
    return helpers;
}

} // namespace zarion::payroll
