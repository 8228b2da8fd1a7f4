#include "core/trail/FiledMonths.h"

#include <fstream>
#include <iterator>
#include <sodium.h>
#include <sstream>

#include "core/Text.h"
#include "core/trail/Trail.h"

namespace zarion::trail {
namespace {

FiledReturn readReturn(const db::Statement& st) {
    return {static_cast<int>(st.integer("godina")),
            static_cast<int>(st.integer("mesec")),
            static_cast<int>(st.integer("deo")),
            st.text("fajl"),
            st.text("kontrolni_zbir"),
            st.text("vreme")};
}

constexpr const char* ReturnColumns =
    "SELECT godina, mesec, deo, fajl, kontrolni_zbir, vreme FROM predati_meseci ";

// Which filed payments lock a calculation of this kind.
std::string lockingPayments(CalculationKind kind) {
    switch (kind) {
    case CalculationKind::Advance:
        return "deo IN (1, 2)";
    case CalculationKind::Final:
        return "deo <> 1";
    default:
        return "1 = 1";
    }
}

std::optional<std::string> readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

std::string sha256(const std::string& content) {
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(content.data()),
                       content.size());
    char hex[2 * crypto_hash_sha256_BYTES + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

std::string fileChecksum(const std::filesystem::path& file) {
    const auto content = readAll(file);
    return content ? sha256(*content) : std::string();
}

int declaredPayment(bool advance, bool finalPart) {
    return advance ? 1 : finalPart ? 2 : 0;
}

std::vector<FiledReturn> filedReturns(db::Database& payroll, int year) {
    std::vector<FiledReturn> filed;
    db::Statement st =
        payroll.prepare(std::string(ReturnColumns) + "WHERE godina = ? ORDER BY mesec, deo");
    st.bindAll(year);
    while (st.step())
        filed.push_back(readReturn(st));
    return filed;
}

std::optional<FiledReturn> lockingReturn(db::Database& payroll, CalculationKind kind, int year,
                                         int month) {
    db::Statement st =
        payroll.prepare(std::string(ReturnColumns) + "WHERE godina = ? AND mesec = ? AND " +
                        lockingPayments(kind) + " ORDER BY vreme DESC");
    st.bindAll(year, month);
    if (!st.step())
        return std::nullopt;
    return readReturn(st);
}

void recordExport(db::Database& payroll, const std::string& what,
                  const std::vector<std::filesystem::path>& files, int year, int month) {
    std::string description = what;
    for (const auto& file : files)
        description +=
            "\n" + std::filesystem::absolute(file).string() + " SHA-256 " + fileChecksum(file);
    Entry entry;
    entry.kind = kind::Exported;
    entry.month = month;
    entry.year = year;
    entry.description = description;
    record(payroll, entry);
}

void markFiled(db::Database& payroll, int year, int month, int payment,
               const std::vector<std::filesystem::path>& files) {
    std::optional<std::string> names;
    std::optional<std::string> checksum;
    if (!files.empty()) {
        std::string content;
        std::ostringstream joined;
        for (const auto& file : files) {
            joined << (&file == &files.front() ? "" : "; ") << file.string();
            content += readAll(file).value_or(std::string());
        }
        names = joined.str();
        checksum = sha256(content);
    }
    db::Transaction tx(payroll);
    payroll.run("UPDATE predati_meseci SET fajl = ?, kontrolni_zbir = ?, "
                "vreme = datetime('now', 'localtime') WHERE godina = ? AND mesec = ? AND deo = ?",
                names, checksum, year, month, payment);
    if (payroll.changes() == 0)
        payroll.run("INSERT INTO predati_meseci (godina, mesec, deo, fajl, kontrolni_zbir) "
                    "VALUES (?, ?, ?, ?, ?)",
                    year, month, payment, names, checksum);
    tx.commit();
}

Refused unmarkFiled(db::Database& payroll, int year, int month, int payment) {
    try {
        payroll.run("DELETE FROM predati_meseci WHERE godina = ? AND mesec = ? AND deo = ?", year,
                    month, payment);
    } catch (const db::Error& refused) {
        return warning(refused.reason());
    }
    if (payroll.changes() == 0)
        return warning("Mesec nije ozna~en kao predat."_yu);
    return std::nullopt;
}

} // namespace zarion::trail
