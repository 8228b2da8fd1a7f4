#include "outputs/DeclarationXml.h"

#include <fstream>
#include <system_error>

#include "core/NumberFormat.h"
#include "core/NumericText.h"
#include "core/Text.h"
#include "core/startup/Paths.h"

namespace zarion::outputs {
namespace {

constexpr std::string_view EndOfLine = "\r\n";

// The five special elements: their label and column.
struct SpecialElement {
    const char* label;
    Col column;
};
constexpr SpecialElement SpecialElements[] = {{"MFP.1", Col::MFP1},
                                              {"MFP.2", Col::MFP2},
                                              {"MFP.4", Col::MFP4},
                                              {"MFP.11", Col::MFP11},
                                              {"MFP.12", Col::MFP12}};

constexpr const char* TotalElements[] = {"Bruto", "OsnovicaPorez", "Porez", "OsnovicaDoprinosi",
                                         "PIO",   "ZDR",           "NEZ"};

// Lines of one part of the return.
class PartWriter {
public:
    explicit PartWriter(std::string& out)
        : out_(&out) {}

    void line(std::string_view text) {
        *out_ += text;
        *out_ += EndOfLine;
    }
    // <ns1:name>value</ns1:name>, or without the prefix; nothing when the value is empty.
    void element(std::string_view name, std::string_view value, std::string_view prefix = "ns1:") {
        if (value.empty())
            return;
        *out_ += '<';
        *out_ += prefix;
        *out_ += name;
        *out_ += '>';
        escaped(value);
        *out_ += "</";
        *out_ += prefix;
        *out_ += name;
        *out_ += '>';
        *out_ += EndOfLine;
    }
    void open(std::string_view name) { tag("<ns1:", name); }
    void close(std::string_view name) { tag("</ns1:", name); }

private:
    void tag(std::string_view start, std::string_view name) {
        *out_ += start;
        *out_ += name;
        *out_ += '>';
        *out_ += EndOfLine;
    }
    void escaped(std::string_view value) {
        for (const char c : value) {
            if (c == '&')
                *out_ += "&amp;";
            else if (c == '<')
                *out_ += "&lt;";
            else if (c == '>')
                *out_ += "&gt;";
            else
                *out_ += c;
        }
    }

    std::string* out_;
};

std::string leadingNumber(std::string_view text) {
    return std::to_string(wholeValue(text));
}

std::string compactDate(const Date& date) {
    std::string iso = toIsoText(date);
    std::erase(iso, '-');
    return iso;
}

void writeHeader(PartWriter& w, const Declaration& d, Date today) {
    const DeclarationHeader& h = d.header;
    w.line("<?xml version='1.0' encoding='UTF-8'?>");
    w.line("<ns1:PodaciPoreskeDeklaracije xmlns:ns1='" + std::string(DeclarationNamespace) +
           "' xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance'>");
    w.open("PodaciOPrijavi");
    w.element("KlijentskaOznakaDeklaracije", compactDate(today));
    w.element("VrstaPrijave", leadingNumber(h.POD11));
    w.element("ObracunskiPeriod", leadingNumber(h.POD122) + "-" + h.POD121.substr(0, 2));
    if (!d.advance)
        w.element("OznakaZaKonacnu", "K");
    if (h.POD14 != Date{})
        w.element("DatumPlacanja", toIsoText(h.POD14));
    w.element("NajnizaOsnovica", h.NajnizaOsnovica ? "1" : "0");
    w.close("PodaciOPrijavi");
    w.open("PodaciOIsplatiocu");
    w.element("TipIsplatioca", leadingNumber(h.POD21));
    w.element("PoreskiIdentifikacioniBroj", h.POD22);
    w.element("BrojZaposlenih", h.POD23);
    w.element("MaticniBrojisplatioca", h.POD25);
    w.element("NazivPrezimeIme", YusciiToPlain(h.POD26));
    w.element("SedistePrebivaliste", YusciiToPlain(h.POD27));
    w.element("Telefon", h.POD28);
    w.element("UlicaIBroj", YusciiToPlain(h.POD29));
    w.element("eMail", h.POD210);
    w.close("PodaciOIsplatiocu");
    w.open("DeklarisaniPrihodi");
}

void writeRow(PartWriter& w, const Declaration& d, const DeclarationRow& row, std::size_t number) {
    w.open("PodaciOPrihodima");
    w.element("RedniBroj", std::to_string(number));
    w.element("VrstaIdentifikatoraPrimaoca", row[Col::VrstaIdentifikatoraPrimaoca]);
    w.element("IdentifikatorPrimaoca", row[Col::IdentifikatorPrimaoca]);
    w.element("Prezime", YusciiToPlain(row[Col::Prezime]));
    w.element("Ime", YusciiToPlain(row[Col::Ime]));
    w.element("OznakaPrebivalista", row[Col::OznakaPrebivalista]);
    w.element("SVP", row[Col::SVP]);
    if (!d.advance)
        w.element("BrojKalendarskihDana", row[Col::BrojKalendarskihDana]);
    // hours are never declared above the fund
    const bool aboveFund =
        numericValue(row[Col::MesecniFondSati]) < numericValue(row[Col::BrojEfektivnihSati]);
    w.element("BrojEfektivnihSati",
              row[aboveFund ? Col::MesecniFondSati : Col::BrojEfektivnihSati]);
    w.element("MesecniFondSati", row[Col::MesecniFondSati]);
    for (std::size_t i = 0; i < TotalledColumns.size(); ++i)
        w.element(TotalElements[i], row[TotalledColumns[i]]);
    w.line("<ns1:PIOBen>0</ns1:PIOBen>");
    if (d.finalPart) {
        bool opened = false;
        for (const SpecialElement& e : SpecialElements) {
            const std::string& value = row[e.column];
            if (value.empty())
                continue;
            if (!opened)
                w.open("DeklarisaniMFP");
            opened = true;
            w.open("MFP");
            w.element("Oznaka", e.label, "");
            w.element("Vrednost", value, "");
            w.close("MFP");
        }
        if (opened)
            w.close("DeklarisaniMFP");
    }
    w.close("PodaciOPrihodima");
}

void writeClosing(PartWriter& w, const DeclarationTotals& totals) {
    w.close("DeklarisaniPrihodi");
    w.open("Ukupno");
    for (std::size_t i = 0; i < TotalledColumns.size(); ++i)
        w.element(TotalElements[i], format(totals.sums[i], NumberFormat::General));
    w.line("<ns1:PIOBen>0.00</ns1:PIOBen>");
    w.close("Ukupno");
    w.close("PodaciPoreskeDeklaracije");
}

} // namespace

std::vector<std::string> declarationParts(const Declaration& declaration, Date today) {
    std::vector<std::string> parts(1);
    parts.front().reserve(1024 + declaration.rows.size() * 900);
    PartWriter writer(parts.back());
    writeHeader(writer, declaration, today);
    DeclarationTotals totals;
    std::size_t counter = 0;
    for (std::size_t position = 1; position <= declaration.rows.size(); ++position) {
        const DeclarationRow& row = declaration.rows[position - 1];
        if (!row.checked)
            continue;
        ++counter;
        if (position == SecondFileFrom) {
            writeClosing(writer, totals);
            totals = {};
            parts.emplace_back();
            writer = PartWriter(parts.back());
            writeHeader(writer, declaration, today);
        }
        writeRow(writer, declaration, row, counter);
        totals.add(row);
    }
    writeClosing(writer, totals);
    return parts;
}

std::optional<char> answeredDrive(std::string_view answer) {
    const std::string trimmed = trim(answer);
    if (trimmed.empty() || trimmed.front() == '0')
        return std::nullopt;
    return trimmed.front();
}

DeclarationFiles driveFiles(const std::filesystem::path& base, char drive) {
    const std::filesystem::path root = startup::driveFolder(base, drive);
    return {root / "ppppd.xml", root / "ppppd2.xml"};
}

DeclarationFiles chosenFiles(const std::filesystem::path& chosen) {
    std::string name = chosen.string();
    if (name.size() > 4 && equalsIgnoreCase(std::string_view(name).substr(name.size() - 4), ".xml"))
        name.resize(name.size() - 4);
    return {name + ".xml", name + "2.xml"};
}

Outcome<std::vector<std::filesystem::path>>
writeDeclaration(const Declaration& declaration, Date today, const DeclarationFiles& files) {
    std::error_code ignored;
    std::filesystem::remove(files.first, ignored);
    std::filesystem::remove(files.second, ignored);
    const std::vector<std::string> parts = declarationParts(declaration, today);
    std::vector<std::filesystem::path> written;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::filesystem::path& path = i == 0 ? files.first : files.second;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(parts[i].data(), static_cast<std::streamsize>(parts[i].size()));
        out.close();
        if (!out)
            return error("Greska kod upisa u fajl " + path.string() + "!");
        written.push_back(path);
    }
    return written;
}

std::string exportCompletion(const std::vector<std::filesystem::path>& written) {
    std::string text = "Zavrsen je izvoz u XML fajl!";
    for (const std::filesystem::path& path : written)
        text += "\n" + path.string();
    return text;
}

} // namespace zarion::outputs
