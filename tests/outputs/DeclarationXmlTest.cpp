// The PPP-PD file: its lines byte for byte, the flags, the split at list position 1,000, the
// drive answers, and every file valid under the return's schema.
#include "outputs/DeclarationXml.h"

#include <fstream>
#include <gtest/gtest.h>

#include "FileText.h"
#include "SampleDeclaration.h"
#include "TempDir.h"
#include "TextChecks.h"
#include "XmlSchema.h"

namespace zarion::test {
namespace {

using outputs::Col;
using outputs::Declaration;

constexpr Date Today = {2026, 4, 9};

std::string crlf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// One special element of a row, the four lines of its mark and value.
std::string mfp(const char* mark, const char* value) {
    return crlf({"<ns1:MFP>"}) + "<Oznaka>" + mark + "</Oznaka>\r\n<Vrednost>" + value +
           "</Vrednost>\r\n" + crlf({"</ns1:MFP>"});
}

std::string header(bool finalMark) {
    return crlf({"<?xml version='1.0' encoding='UTF-8'?>",
                 "<ns1:PodaciPoreskeDeklaracije xmlns:ns1='http://pid.purs.gov.rs' "
                 "xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance'>",
                 "<ns1:PodaciOPrijavi>",
                 "<ns1:KlijentskaOznakaDeklaracije>20260409</ns1:KlijentskaOznakaDeklaracije>",
                 "<ns1:VrstaPrijave>1</ns1:VrstaPrijave>",
                 "<ns1:ObracunskiPeriod>2026-03</ns1:ObracunskiPeriod>"}) +
           (finalMark ? crlf({"<ns1:OznakaZaKonacnu>K</ns1:OznakaZaKonacnu>"}) : "") +
           crlf({"<ns1:DatumPlacanja>2026-04-10</ns1:DatumPlacanja>",
                 "<ns1:NajnizaOsnovica>0</ns1:NajnizaOsnovica>", "</ns1:PodaciOPrijavi>",
                 "<ns1:PodaciOIsplatiocu>", "<ns1:TipIsplatioca>1</ns1:TipIsplatioca>",
                 "<ns1:PoreskiIdentifikacioniBroj>101234567</ns1:PoreskiIdentifikacioniBroj>",
                 "<ns1:BrojZaposlenih>12</ns1:BrojZaposlenih>",
                 "<ns1:MaticniBrojisplatioca>07654321</ns1:MaticniBrojisplatioca>",
                 "<ns1:NazivPrezimeIme>Sumadija &amp; Djerdap d.o.o.</ns1:NazivPrezimeIme>",
                 "<ns1:SedistePrebivaliste>013</ns1:SedistePrebivaliste>",
                 "<ns1:Telefon>011/123-456</ns1:Telefon>",
                 "<ns1:UlicaIBroj>Zicka 5</ns1:UlicaIBroj>",
                 "<ns1:eMail>plate@firma.rs</ns1:eMail>", "</ns1:PodaciOIsplatiocu>",
                 "<ns1:DeklarisaniPrihodi>"});
}

Declaration march(bool finalPart) {
    Declaration d;
    d.header = marchHeader();
    d.finalPart = finalPart;
    d.rows = {regularSalary(), regularSalary(), lowestBaseSalary()};
    d.rows[1].checked = false;
    return d;
}

void expectValid(const std::string& xml) {
    const auto errors = schemaErrors(ZARION_PPPPD_XSD, xml);
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors) << "\n" << xml.substr(0, 3000);
}

TEST(DeclarationFile, FinalReturnLaidOutLineByLine) {
    const std::string expected =
        header(true) +
        crlf({"<ns1:PodaciOPrihodima>",
              "<ns1:RedniBroj>1</ns1:RedniBroj>",
              "<ns1:VrstaIdentifikatoraPrimaoca>1</ns1:VrstaIdentifikatoraPrimaoca>",
              "<ns1:IdentifikatorPrimaoca>0101990710008</ns1:IdentifikatorPrimaoca>",
              "<ns1:Prezime>Djuric</ns1:Prezime>",
              "<ns1:Ime>Zeljko</ns1:Ime>",
              "<ns1:OznakaPrebivalista>007</ns1:OznakaPrebivalista>",
              "<ns1:SVP>101101000</ns1:SVP>",
              "<ns1:BrojKalendarskihDana>31</ns1:BrojKalendarskihDana>",
              "<ns1:BrojEfektivnihSati>168</ns1:BrojEfektivnihSati>",
              "<ns1:MesecniFondSati>168</ns1:MesecniFondSati>",
              "<ns1:Bruto>100000.00</ns1:Bruto>",
              "<ns1:OsnovicaPorez>65779</ns1:OsnovicaPorez>",
              "<ns1:Porez>6577.90</ns1:Porez>",
              "<ns1:OsnovicaDoprinosi>100000.00</ns1:OsnovicaDoprinosi>",
              "<ns1:PIO>24000</ns1:PIO>",
              "<ns1:ZDR>10300</ns1:ZDR>",
              "<ns1:NEZ>750</ns1:NEZ>",
              "<ns1:PIOBen>0</ns1:PIOBen>",
              "<ns1:DeklarisaniMFP>"}) +
        mfp("MFP.1", "34221") + mfp("MFP.2", "50000.00") + mfp("MFP.4", "50000.00") +
        mfp("MFP.11", "34221") + mfp("MFP.12", "150000") +
        crlf({"</ns1:DeklarisaniMFP>",
              "</ns1:PodaciOPrihodima>",
              "<ns1:PodaciOPrihodima>",
              "<ns1:RedniBroj>2</ns1:RedniBroj>",
              "<ns1:VrstaIdentifikatoraPrimaoca>1</ns1:VrstaIdentifikatoraPrimaoca>",
              "<ns1:IdentifikatorPrimaoca>0505985710010</ns1:IdentifikatorPrimaoca>",
              "<ns1:Prezime>Sakovic</ns1:Prezime>",
              "<ns1:Ime>Ana</ns1:Ime>",
              "<ns1:OznakaPrebivalista>234</ns1:OznakaPrebivalista>",
              "<ns1:SVP>101101000</ns1:SVP>",
              "<ns1:BrojKalendarskihDana>30</ns1:BrojKalendarskihDana>",
              "<ns1:BrojEfektivnihSati>160</ns1:BrojEfektivnihSati>",
              "<ns1:MesecniFondSati>168</ns1:MesecniFondSati>",
              "<ns1:Bruto>50000.5</ns1:Bruto>",
              "<ns1:OsnovicaPorez>15779.5</ns1:OsnovicaPorez>",
              "<ns1:Porez>1577.95</ns1:Porez>",
              "<ns1:OsnovicaDoprinosi>51297</ns1:OsnovicaDoprinosi>",
              "<ns1:PIO>12311.28</ns1:PIO>",
              "<ns1:ZDR>5283.59</ns1:ZDR>",
              "<ns1:NEZ>384.73</ns1:NEZ>",
              "<ns1:PIOBen>0</ns1:PIOBen>",
              "<ns1:DeklarisaniMFP>"}) +
        mfp("MFP.11", "34221") +
        crlf({"</ns1:DeklarisaniMFP>", "</ns1:PodaciOPrihodima>", "</ns1:DeklarisaniPrihodi>",
              "<ns1:Ukupno>", "<ns1:Bruto>150000.5</ns1:Bruto>",
              "<ns1:OsnovicaPorez>81558.5</ns1:OsnovicaPorez>", "<ns1:Porez>8155.85</ns1:Porez>",
              "<ns1:OsnovicaDoprinosi>151297</ns1:OsnovicaDoprinosi>",
              "<ns1:PIO>36311.28</ns1:PIO>", "<ns1:ZDR>15583.59</ns1:ZDR>",
              "<ns1:NEZ>1134.73</ns1:NEZ>", "<ns1:PIOBen>0.00</ns1:PIOBen>", "</ns1:Ukupno>",
              "</ns1:PodaciPoreskeDeklaracije>"});
    const Declaration d = march(true);
    const auto parts = outputs::declarationParts(d, Today);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0], expected);
    expectValid(parts[0]);
    // the row keeps the hours it was given
    EXPECT_EQ(d.rows[0][Col::BrojEfektivnihSati], "176");
}

TEST(DeclarationFile, AdvanceLeavesOutTheFinalMarkCalendarDaysAndSpecialElements) {
    Declaration d = march(false);
    d.advance = true;
    const std::string text = outputs::declarationParts(d, Today)[0];
    EXPECT_EQ(text.substr(0, header(false).size()), header(false));
    EXPECT_EQ(text.find("OznakaZaKonacnu"), std::string::npos);
    EXPECT_EQ(text.find("BrojKalendarskihDana"), std::string::npos);
    EXPECT_EQ(text.find("DeklarisaniMFP"), std::string::npos);
    expectValid(text);

    d.advance = false; // neither flag: the final mark, no special elements
    const std::string neither = outputs::declarationParts(d, Today)[0];
    EXPECT_EQ(neither.substr(0, header(true).size()), header(true));
    EXPECT_NE(neither.find("<ns1:BrojKalendarskihDana>31</ns1:BrojKalendarskihDana>\r\n"),
              std::string::npos);
    EXPECT_EQ(neither.find("DeklarisaniMFP"), std::string::npos);
    expectValid(neither);
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// 1,200 rows of 1,000.00 gross each; the fifth row unchecked.
Declaration longList() {
    Declaration d = march(false);
    d.rows.assign(1200, regularSalary());
    for (auto& row : d.rows)
        row[Col::Bruto] = "1000.00";
    d.rows[4].checked = false;
    return d;
}

TEST(DeclarationFile, CheckedRowAtPosition1000OpensTheSecondFile) {
    const auto parts = outputs::declarationParts(longList(), Today);
    ASSERT_EQ(parts.size(), 2u);
    // positions 1 to 999 less the unchecked fifth; the rest from position 1,000 on
    EXPECT_EQ(count(parts[0], "<ns1:PodaciOPrihodima>"), 998u);
    EXPECT_EQ(count(parts[1], "<ns1:PodaciOPrihodima>"), 201u);
    EXPECT_NE(parts[0].find("<ns1:RedniBroj>998</ns1:RedniBroj>"), std::string::npos);
    EXPECT_NE(parts[1].find("<ns1:RedniBroj>999</ns1:RedniBroj>"), std::string::npos);
    EXPECT_NE(parts[1].find("<ns1:RedniBroj>1199</ns1:RedniBroj>"), std::string::npos);
    EXPECT_EQ(parts[1].find("<ns1:RedniBroj>1</ns1:RedniBroj>"), std::string::npos);
    EXPECT_NE(parts[0].find("<ns1:Ukupno>\r\n<ns1:Bruto>998000</ns1:Bruto>"), std::string::npos);
    EXPECT_NE(parts[1].find("<ns1:Ukupno>\r\n<ns1:Bruto>201000</ns1:Bruto>"), std::string::npos);
    EXPECT_EQ(parts[1].substr(0, header(true).size()), header(true));
    expectValid(parts[0]);
    expectValid(parts[1]);
}

TEST(DeclarationFile, UncheckedRowAtPosition1000KeepsOneFileAndDeletesAnOldSecond) {
    Declaration d = longList();
    d.rows[999].checked = false;
    TempDir dir;
    const auto files = outputs::driveFiles(dir.path(), 'F');
    std::ofstream(files.second) << "old second part";
    const auto written = outputs::writeDeclaration(d, Today, files);
    ASSERT_TRUE(written) << written.message();
    EXPECT_EQ(*written, std::vector<std::filesystem::path>{files.first});
    EXPECT_FALSE(std::filesystem::exists(files.second));
    const std::string text = fileText(files.first);
    EXPECT_EQ(count(text, "<ns1:PodaciOPrihodima>"), 1198u);
    expectContains(text, {"<ns1:RedniBroj>1198</ns1:RedniBroj>", "<ns1:Bruto>1198000</ns1:Bruto>"});
    expectValid(text);
    EXPECT_EQ(outputs::exportCompletion(*written),
              "Zavrsen je izvoz u XML fajl!\n" + files.first.string());
}

TEST(DeclarationFile, NoCheckedRowGivesOneFileWithZeroTotals) {
    Declaration d = march(true);
    for (auto& row : d.rows)
        row.checked = false;
    const auto parts = outputs::declarationParts(d, Today);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_NE(parts[0].find("<ns1:DeklarisaniPrihodi>\r\n</ns1:DeklarisaniPrihodi>\r\n"
                            "<ns1:Ukupno>\r\n<ns1:Bruto>0</ns1:Bruto>\r\n"),
              std::string::npos);
    EXPECT_NE(parts[0].find("<ns1:NEZ>0</ns1:NEZ>\r\n<ns1:PIOBen>0.00</ns1:PIOBen>"),
              std::string::npos);
}

TEST(DeclarationFile, DriveAnswersAndChosenNames) {
    EXPECT_EQ(outputs::answeredDrive("e:"), 'e');
    EXPECT_EQ(outputs::answeredDrive("  F  "), 'F');
    EXPECT_EQ(outputs::answeredDrive("0"), std::nullopt);
    EXPECT_EQ(outputs::answeredDrive(" "), std::nullopt);
    TempDir dir;
    const auto drive = outputs::driveFiles(dir.path(), 'e');
    EXPECT_EQ(drive.first, dir.path() / "drive" / "E" / "ppppd.xml");
    EXPECT_EQ(drive.second, dir.path() / "drive" / "E" / "ppppd2.xml");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "drive" / "E"));
    for (const char* chosen : {"/x/mart", "/x/mart.xml", "/x/mart.XML"}) {
        const auto files = outputs::chosenFiles(chosen);
        EXPECT_EQ(files.first, "/x/mart.xml") << chosen;
        EXPECT_EQ(files.second, "/x/mart2.xml") << chosen;
    }
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(DeclarationFile, SchemaRefusesEmptyElementsAndMalformedValues) {
    const std::string good = outputs::declarationParts(march(true), Today)[0];
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"<ns1:BrojKalendarskihDana>31<", "<ns1:BrojKalendarskihDana><"},
             {"<ns1:SVP>101101000<", "<ns1:SVP>10110100<"},
             {"<ns1:Bruto>100000.00<", "<ns1:Bruto>100000,00<"},
             {"<ns1:OznakaPrebivalista>007<", "<ns1:OznakaPrebivalista>7<"},
             {"<ns1:NajnizaOsnovica>0</ns1:NajnizaOsnovica>\r\n", ""},
             {"<Oznaka>MFP.1</Oznaka>", "<ns1:Oznaka>MFP.1</ns1:Oznaka>"}}) {
        const std::string bad = replaced(good, from, to);
        EXPECT_FALSE(schemaErrors(ZARION_PPPPD_XSD, bad).empty()) << from;
    }
}

TEST(DeclarationFile, MunicipalityIsTheLastThreeDigits) {
    EXPECT_EQ(outputs::municipalityCode(7), "007");
    EXPECT_EQ(outputs::municipalityCode(13), "013");
    EXPECT_EQ(outputs::municipalityCode(1234), "234");
}

} // namespace
} // namespace zarion::test
