#pragma once

#include <string>

#include "core/db/Database.h"
#include "outputs/BankFiles.h"

namespace zarion::outputs {

// What the bank lists and files take from the company: its name and town for the Direktna
// file's name, its client number at Intesa, and the place the lists are signed in.
struct BankFileSettings {
    std::string company; // "<name> <town>"
    std::string intesaClient;
    std::string place;
};

BankFileSettings loadBankFileSettings(db::Database& payroll, db::Database* companyMaster);

// The context of a file of that bank for the month, written today.
BankFileContext bankFileContext(const BankFileSettings& settings, PaymentBank bank, PayoutKind kind,
                                const ListSelection& selection, const Date& today);

} // namespace zarion::outputs
