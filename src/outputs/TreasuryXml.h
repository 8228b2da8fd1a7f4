#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Outcome.h"
#include "core/db/Database.h"
#include "outputs/Treasury.h"

namespace zarion::outputs {

// What names a treasury batch: the budget user's code (JIBK), the batch's unique six-digit
// number, the file sequence of the day and the sub-source of financing (0 for none).
struct TreasuryHeader {
    std::string jibk;
    std::string batchNumber;
    int sequence = 1;
    int subSource = 0;
    Date today;
};

// The budget user's code as parametri3 keeps it.
std::string loadJibk(db::Database& payroll);

// The unique number trimmed, or "Nije dobasr jedinstveni broj. MOra biti {estocifren!" when it is
// not exactly six digits.
Outcome<std::string> checkedBatchNumber(const std::string& typed);
// Keeps the number as the next payment's (podaci_ppppd.sledeci_placanje).
void storeBatchNumber(db::Database& payroll, const std::string& number);
// The number kept, empty when there is none.
std::string storedBatchNumber(db::Database& payroll);

// "<JIBK>_BE_COM_<yyyyMMdd>_<number>_<sequence as two digits>.xml" (PAY in place of COM).
std::string treasuryFileName(const TreasuryHeader& header, const std::string& kind);

// The files' texts, one element a line, lines ending in CR LF, plain letters.
std::string commitmentXml(const TreasuryHeader& header,
                          const std::vector<CommitmentLine>& commitment);
std::string paymentXml(const TreasuryHeader& header, const std::vector<TreasuryPayment>& payments);

// Writes the text into the folder (made when missing) under the file's name, replacing an
// earlier file; returns its path.
std::filesystem::path writeTreasuryFile(const std::filesystem::path& folder,
                                        const std::string& name, const std::string& text);

// The folder of the treasury files under the base folder.
std::filesystem::path treasuryFolder(const std::filesystem::path& base);
// "XML fajl je generisan u <folder>" with the file's full path.
std::string treasuryWrittenMessage(const std::filesystem::path& file);

} // namespace zarion::outputs
