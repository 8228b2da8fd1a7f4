#pragma once

#include <string>

namespace zarion {

// The files the program writes for parties outside it.
enum class OutsideFile {
    TaxReturn,        // the PPP-PD return (XML)
    BankPayments,     // the banks' mass-payment files
    HealthInsurance,  // the health-insurance fund's list
    CreditorsChamber, // the creditors' chamber file
    Treasury,         // the treasury's commitment and payment batches (XML)
    AnnualReturn,     // the text files of the annual return
};

// How such a file is written. Fixed-width files hold plain letters only (Š → S, Đ → Dj), so each
// character is one byte and the widths hold; a separated file replaces its separator inside a
// free-text field.
struct FileForm {
    const char* encoding;
    const char* lineEnd;
    char separator; // 0 for a fixed-width or XML file
};

constexpr FileForm fileForm(OutsideFile file) {
    switch (file) {
    case OutsideFile::TaxReturn:
        return {"UTF-8", "\r\n", 0};
    case OutsideFile::BankPayments:
        return {"ASCII, plain letters", "\r\n", 0};
    case OutsideFile::HealthInsurance:
        return {"ASCII, plain letters", "\r\n", ';'};
    case OutsideFile::Treasury:
        return {"ASCII, plain letters", "\r\n", 0};
    case OutsideFile::CreditorsChamber:
    case OutsideFile::AnnualReturn:
        break;
    }
    return {"ASCII, plain letters", "\r\n", ';'};
}

// The text of a field of a separated file, with the separator replaced by a blank.
std::string separatedField(std::string text, const FileForm& form);

} // namespace zarion
