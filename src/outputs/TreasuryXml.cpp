#include "outputs/TreasuryXml.h"

#include <fstream>
#include <stdexcept>

#include "core/FileForms.h"
#include "core/NumberFormat.h"
#include "core/Text.h"

namespace zarion::outputs {
namespace {

const FileForm Form = fileForm(OutsideFile::Treasury);

// The lines of a treasury file.
class Lines {
public:
    void line(std::string_view text) {
        text_ += text;
        text_ += Form.lineEnd;
    }
    void element(std::string_view name, std::string_view value) {
        text_ += '<';
        text_ += name;
        text_ += '>';
        for (const char c : YusciiToPlain(value)) {
            if (c == '&')
                text_ += "&amp;";
            else if (c == '<')
                text_ += "&lt;";
            else if (c == '>')
                text_ += "&gt;";
            else
                text_ += c;
        }
        text_ += "</";
        text_ += name;
        text_ += '>';
        text_ += Form.lineEnd;
    }
    // The opening and the closing tag on two lines with nothing between.
    void emptyPair(std::string_view name) {
        line("<" + std::string(name) + ">");
        line("</" + std::string(name) + ">");
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

std::string amount(Currency value) {
    return format(value, NumberFormat::Plain2);
}

std::string compactDate(const Date& date) {
    std::string iso = toIsoText(date);
    std::erase(iso, '-');
    return iso;
}

void batchStart(Lines& out, const TreasuryHeader& header, Currency total) {
    out.line("<?xml version='1.0' encoding='UTF-8'?>");
    out.line("<BATCH>");
    out.line("<VERSION>1.0prpay</VERSION>");
    out.line("<NAME>Batch name</NAME>");
    out.element("BATCH_ID", header.batchNumber);
    out.element("ORG_CODE", header.jibk);
    out.element("DUE_DATE", toIsoText(header.today));
    out.line("<CURRENCY>RSD</CURRENCY>");
    out.element("BATCH_AMOUNT", amount(total));
}

void commitmentLine(Lines& out, const TreasuryHeader& header, const CommitmentLine& line,
                    int number) {
    out.element("CL_EXTERNAL_ID", std::to_string(number));
    out.element("ECONOMIC_CODE", line.code);
    out.emptyPair("SUB_ECONOMIC_CODE");
    out.line("<FUNCTION_CODE>070</FUNCTION_CODE>");
    out.element("SOURCE_CODE", line.source);
    if (header.subSource == 0)
        out.line("<SUB_SOURCE_CODE></SUB_SOURCE_CODE>");
    else
        out.element("SUB_SOURCE_CODE", PadZeros(std::to_string(header.subSource), 2));
    out.line("<PROGRAM_CODE>0902</PROGRAM_CODE>");
    out.line("<PROJECT_CODE>0005</PROJECT_CODE>");
    out.element("AMOUNT", amount(line.amount));
}

} // namespace

std::string loadJibk(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT jibk FROM parametri3");
    return st.step() ? st.text(0) : std::string();
}

Outcome<std::string> checkedBatchNumber(const std::string& typed) {
    const std::string number = trim(typed);
    if (number.size() != 6 || number.find_first_not_of("0123456789") != std::string::npos)
        return warning("Nije dobasr jedinstveni broj. MOra biti {estocifren!"_yu);
    return number;
}

void storeBatchNumber(db::Database& payroll, const std::string& number) {
    db::Transaction tx(payroll);
    if (payroll.scalar("SELECT COUNT(*) FROM podaci_ppppd").value_or(0) == 0)
        payroll.run("INSERT INTO podaci_ppppd(sledeci_placanje) VALUES (?)", number);
    else
        payroll.run("UPDATE podaci_ppppd SET sledeci_placanje = ?", number);
    tx.commit();
}

std::string storedBatchNumber(db::Database& payroll) {
    db::Statement st = payroll.prepare("SELECT sledeci_placanje FROM podaci_ppppd");
    return st.step() ? st.text(0) : std::string();
}

std::string treasuryFileName(const TreasuryHeader& header, const std::string& kind) {
    return header.jibk + "_BE_" + kind + "_" + compactDate(header.today) + "_" +
           header.batchNumber + "_" + std::to_string(1000 + header.sequence).substr(2) + ".xml";
}

std::string commitmentXml(const TreasuryHeader& header,
                          const std::vector<CommitmentLine>& commitment) {
    Lines out;
    batchStart(out, header, commitmentTotal(commitment));
    out.line("<COM>");
    out.element("COM_EXTERNAL_ID", header.batchNumber);
    out.line("<DOCUMENT>");
    out.element("DOC_NUMBER", header.batchNumber);
    out.line("<DOC_TYPE>99</DOC_TYPE>");
    out.line("<DOC_SUBTYPE>Obracun zarade</DOC_SUBTYPE>");
    out.line("<DOC_FINAL>1</DOC_FINAL>");
    out.element("DOC_REGISTRATION_DATE", toIsoText(header.today));
    out.emptyPair("DOC_ISSUER");
    out.element("DOC_DUE_DATE", toIsoText(header.today));
    out.element("DOC_AMOUNT", amount(commitmentTotal(commitment)));
    out.line("<DOC_CURRENCY>RSD</DOC_CURRENCY>");
    out.emptyPair("DOC_DESCRIPTION");
    out.line("</DOCUMENT>");
    out.emptyPair("DESCRIPTION");
    int number = 0;
    out.line("<LINES_EXPENDITURE>");
    for (const CommitmentLine& line : commitment)
        if (line.expenditure()) {
            out.line("<LINE_EXPENDITURE>");
            commitmentLine(out, header, line, ++number);
            out.line("</LINE_EXPENDITURE>");
        }
    out.line("</LINES_EXPENDITURE>");
    out.line("<LINES_LIABILITY>");
    for (const CommitmentLine& line : commitment)
        if (line.liability()) {
            out.line("<LINE_LIABILITY>");
            commitmentLine(out, header, line, ++number);
            out.line("<CR_DB>C</CR_DB>");
            out.line("</LINE_LIABILITY>");
        }
    out.line("</LINES_LIABILITY>");
    out.line("</COM>");
    out.line("</BATCH>");
    return out.take();
}

std::string paymentXml(const TreasuryHeader& header, const std::vector<TreasuryPayment>& payments) {
    Lines out;
    batchStart(out, header, paymentsTotal(payments));
    out.element("COUNT_TRN", std::to_string(payments.size()));
    out.line("<PAYMENTS>");
    for (const TreasuryPayment& payment : payments) {
        out.line("<PAYMENT>");
        out.element("PAY_EXTERNAL_ID", payment.externalId);
        out.element("AMOUNT", amount(payment.amount));
        out.line("<PAYEE>");
        out.element("PAYEE_NAME", payment.payee);
        out.element("ACCOUNT_NUMBER", payment.account);
        out.line("</PAYEE>");
        out.element("PAYMENT_CODE", payment.paymentCode);
        out.element("MOD_REF_CREDIT_NUMBER", payment.model);
        out.element("REF_CREDIT_NUMBER", payment.reference);
        out.line("<MOD_REF_DEBIT_NUMBER />");
        out.line("<REF_DEBIT_NUMBER />");
        out.element("PURPOSE", payment.purpose);
        out.line("<LIABILITIES>");
        out.line("<LIABILITY>");
        out.element("LIABILITY_CODE", trim(payment.liabilityCode));
        out.element("LIABILITY_AMOUNT", amount(payment.amount));
        out.line("</LIABILITY>");
        out.line("</LIABILITIES>");
        out.line("</PAYMENT>");
    }
    out.line("</PAYMENTS>");
    out.line("</BATCH>");
    return out.take();
}

std::filesystem::path writeTreasuryFile(const std::filesystem::path& folder,
                                        const std::string& name, const std::string& text) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    std::filesystem::remove(file);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush())
        throw std::runtime_error("Ne mogu da upisem fajl " + file.string());
    return file;
}

std::filesystem::path treasuryFolder(const std::filesystem::path& base) {
    return base / "XML_TREZOR";
}

std::string treasuryWrittenMessage(const std::filesystem::path& file) {
    return "XML fajl je generisan u " + file.parent_path().string() + "\n" + file.string();
}

} // namespace zarion::outputs
