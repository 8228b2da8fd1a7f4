#pragma once

#include <string>

namespace zarion {
struct AppContext;
}

namespace zarion::maintenance {

// How taking over last year's database ended: copied, or refused with the reason.
struct TakeOverResult {
    bool copied = false;
    std::string message; // the text to show the operator either way
};

// Starts the working year from a copy of last year's payroll database of the company.
// Refused while the working year's database holds an employee or a calculation, or when last
// year's database is missing; a refusal leaves every file as it was. Otherwise the working
// database is closed, replaced by the copy and opened again; the program is then to end so the
// next start brings the copy up to the template.
TakeOverResult takeOverLastYear(AppContext& context);

} // namespace zarion::maintenance
