#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Dates.h"
#include "outputs/BankList.h"

namespace zarion::outputs {

// The banks whose mass-payment files the program writes.
enum class PaymentBank { Direktna, Komercijalna, Intesa };

// Which payout the file carries: salaries, salary compensations or other income.
enum class PayoutKind { Salaries, Compensations, OtherIncome };

// What a bank file needs besides the transfers.
struct BankFileContext {
    PaymentBank bank = PaymentBank::Direktna;
    PayoutKind kind = PayoutKind::Salaries;
    Date today;
    int year = 0; // the paid month, for the Intesa file's name
    int month = 0;
    std::string company;      // the company's name and town, for the Direktna file's name
    std::string intesaClient; // the company's client number at Intesa (parametri3)
};

// The file's name: "Direktna<company><ddmmyy>.txt", "Kombank_<ddmmyy>.txt",
// "intesa<mmyyyy>.txt", with "NZ_" (compensations) or "OZ_" (other income) before the rest of
// the Direktna and Komercijalna names.
std::string bankFileName(const BankFileContext& context);

// The file's content for the transfers of one bank: one fixed-width line per transfer (and
// Intesa's closing line), in plain letters, each line ended by CR LF.
std::string bankFileText(const BankGroup& group, const BankFileContext& context);

// Writes the file into the folder, replacing one of the same name; returns its full path.
std::filesystem::path writeBankFile(const std::filesystem::path& folder, const BankGroup& group,
                                    const BankFileContext& context);

// The bank by its name on the command line: "direktna", "komercijalna", "intesa".
std::optional<PaymentBank> paymentBankByName(std::string_view name);

} // namespace zarion::outputs
