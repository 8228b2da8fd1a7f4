#include "payroll/Messages.h"

namespace zarion::payroll::messages {

std::string parametersMissing() {
    return "Greska kod pronalazenja parametara za izabrani mesec!";
}
std::string hourFundZero() {
    return "Fond sati je 0: obracun nije moguc!";
}
std::string ratesSumToHundred() {
    return "Zbir stopa doprinosa i poreza je 100%: obracun nije moguc!";
}
std::string taxRateHundred() {
    return "Stopa poreza je 100%: obracun nije moguc!";
}
std::string amountTooLarge() {
    return "Iznos je prevelik: obracun nije moguc!";
}
std::string divisionByZero() {
    return "Deljenje nulom: obracun nije moguc!";
}

} // namespace zarion::payroll::messages
