#include "outputs/BankFiles.h"

#include <cstdio>
#include <fstream>

#include "core/FileForms.h"
#include "core/NumberFormat.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

constexpr char Dinar[] = "941"; // the numeric code of the dinar

std::string twoDigits(int value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string ddmmyy(const Date& date) {
    return twoDigits(date.day) + twoDigits(date.month) + twoDigits(date.year);
}

std::string dottedDate(const Date& date) {
    return twoDigits(date.day) + "." + twoDigits(date.month) + "." + std::to_string(date.year);
}

// The 13 digits of the account's middle part: "160-0000000012345-67" gives "0000000012345".
// A shorter account is padded with blanks, so that the fields after it keep their places.
std::string accountMiddle(const std::string& account) {
    return PadRight(account.size() > 4 ? account.substr(4, 13) : std::string(), 13);
}

std::string amountText(Currency amount) {
    return format(amount, NumberFormat::Plain2);
}

// The amount in para, as a whole number.
std::string paraText(Currency amount) {
    return std::to_string(amount.round2().raw() / (Currency::Scale / 100));
}

std::string prefixOf(PayoutKind kind) {
    switch (kind) {
    case PayoutKind::Compensations:
        return "NZ_";
    case PayoutKind::OtherIncome:
        return "OZ_";
    case PayoutKind::Salaries:
        break;
    }
    return "";
}

std::string purposeOf(PayoutKind kind) {
    switch (kind) {
    case PayoutKind::Compensations:
        return "NAKNADA ZARADE";
    case PayoutKind::OtherIncome:
        return "OSTALE ZARADE ";
    case PayoutKind::Salaries:
        break;
    }
    return "ZARADA        ";
}

std::string plainName(const std::string& name, std::size_t width) {
    return PadRight(NameToPlain(name), width);
}

std::string personalNumber(const BankTransfer& transfer) {
    return transfer.JMBG.empty() ? std::string(13, '*') : transfer.JMBG;
}

std::string line(const BankTransfer& t, const BankFileContext& c) {
    switch (c.bank) {
    case PaymentBank::Direktna:
        return std::string("0000000000000000") + Dinar + PadLeft(amountText(t.amount), 16) +
               ddmmyy(c.today) + plainName(t.name, 30) + accountMiddle(t.account);
    case PaymentBank::Komercijalna:
        return "000" + accountMiddle(t.account) + Dinar + PadLeft(amountText(t.amount), 16) +
               ddmmyy(c.today) + plainName(t.name, 30) + purposeOf(c.kind);
    case PaymentBank::Intesa:
        break;
    }
    return c.intesaClient + dottedDate(c.today) + accountMiddle(t.account) +
           PadLeft(paraText(t.amount), 25) + " JMB " + personalNumber(t);
}

std::string intesaClosingLine(const BankGroup& group, const BankFileContext& c) {
    return c.intesaClient + dottedDate(c.today) +
           PadZeros(std::to_string(group.transfers.size()), 6) +
           PadLeft(paraText(group.total), 16) + " PLATA ZA";
}

} // namespace

std::string bankFileName(const BankFileContext& c) {
    switch (c.bank) {
    case PaymentBank::Direktna:
        return prefixOf(c.kind) + "Direktna" + NameToPlain(c.company) + ddmmyy(c.today) + ".txt";
    case PaymentBank::Komercijalna:
        return prefixOf(c.kind) + "Kombank_" + ddmmyy(c.today) + ".txt";
    case PaymentBank::Intesa:
        break;
    }
    return "intesa" + twoDigits(c.month) + std::to_string(c.year) + ".txt";
}

std::string bankFileText(const BankGroup& group, const BankFileContext& context) {
    const FileForm form = fileForm(OutsideFile::BankPayments);
    std::string text;
    for (const BankTransfer& transfer : group.transfers)
        text += line(transfer, context) + form.lineEnd;
    if (context.bank == PaymentBank::Intesa)
        text += intesaClosingLine(group, context) + form.lineEnd;
    return text;
}

std::filesystem::path writeBankFile(const std::filesystem::path& folder, const BankGroup& group,
                                    const BankFileContext& context) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / bankFileName(context);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bankFileText(group, context);
    if (!out)
        throw std::runtime_error("Fajl nije upisan: " + path.string());
    return path;
}

std::optional<PaymentBank> paymentBankByName(std::string_view name) {
    if (equalsIgnoreCase(name, "direktna"))
        return PaymentBank::Direktna;
    if (equalsIgnoreCase(name, "komercijalna"))
        return PaymentBank::Komercijalna;
    if (equalsIgnoreCase(name, "intesa"))
        return PaymentBank::Intesa;
    return std::nullopt;
}

} // namespace zarion::outputs
