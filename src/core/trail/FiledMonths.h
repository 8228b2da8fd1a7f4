#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/CalculationKind.h"
#include "core/Outcome.h"
#include "core/db/Database.h"

namespace zarion::trail {

// A month and payment whose return has been filed: payment 0 is the month in one payment, 1 the
// first part (advance), 2 the final part.
struct FiledReturn {
    int year = 0;
    int month = 0;
    int payment = 0;
    std::string file;
    std::string checksum; // SHA-256 of the file's content, in hex
    std::string when;     // "YYYY-MM-DD HH:MM:SS"
};

// SHA-256 of a text, as 64 lower-case hex digits.
std::string sha256(const std::string& content);
// SHA-256 of a file's content; empty when it cannot be read.
std::string fileChecksum(const std::filesystem::path& file);

// The payment a return declares, from its flags.
int declaredPayment(bool advance, bool finalPart);

// The filed returns of a year, by month and payment.
std::vector<FiledReturn> filedReturns(db::Database& payroll, int year);

// The filed return that locks the calculations of this kind and month: the advance is locked by
// a filed first or final part (the final part declares the month less the advance), the final
// calculation by a filed payment other than the first part. Compensations are locked by any
// filed return of their month.
std::optional<FiledReturn> lockingReturn(db::Database& payroll, CalculationKind kind, int year,
                                         int month);
// Whether a change to this calculation needs the access code and a reason.
inline bool needsPermit(db::Database& payroll, CalculationKind kind, int year, int month) {
    return lockingReturn(payroll, kind, year, month).has_value();
}

// Records a file written for the tax authority or a bank: what it is, and each file's full name
// with the SHA-256 of its content, under the month it pays.
void recordExport(db::Database& payroll, const std::string& what,
                  const std::vector<std::filesystem::path>& files, int year, int month);

// Marks the month and payment filed with the written files (names and checksums); an earlier
// mark of the same month and payment takes the new files. Recorded in the history.
void markFiled(db::Database& payroll, int year, int month, int payment,
               const std::vector<std::filesystem::path>& files);
// Lifts the mark of the month and payment. Needs a live Permit (the reason given with the
// access code), which goes into the history with it.
Refused unmarkFiled(db::Database& payroll, int year, int month, int payment);

} // namespace zarion::trail
