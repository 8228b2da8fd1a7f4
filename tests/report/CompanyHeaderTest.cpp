#include "report/CompanyHeader.h"

#include <gtest/gtest.h>

#include "SampleCompany.h"
#include "TempDir.h"
#include "Templates.h"

using namespace zarion;
using namespace zarion::report;
using zarion::test::sampleCompany;

namespace {
const Text& textAt(const Page& page, std::string_view content) {
    const Text* text = page.findText(content);
    if (!text)
        throw std::runtime_error("no text " + std::string(content));
    return *text;
}
} // namespace

TEST(CompanyHeader, ReadsTheFirstRowOfPodaci) {
    test::TempDir dir;
    auto db = db::Database::create(dir / "backtarlen.db");
    db->execScript(schema::masterDataSql());
    EXPECT_FALSE(readCompanyData(*db).has_value());

    db->run("INSERT INTO podaci (Naziv, ADRESA, grad, PIB, maticni, ziroracun) "
            "VALUES (?, ?, ?, ?, ?, ?)",
            std::string(" Žitopromet a.d. "), std::string("Kralja Petra 1"), std::string("Čačak"),
            std::string("100200300"), std::string("08765432"), std::string("205-1-11"));
    db->run("INSERT INTO podaci (Naziv) VALUES (?)", std::string("Druga"));
    const auto company = readCompanyData(*db);
    ASSERT_TRUE(company.has_value());
    EXPECT_EQ(
        std::tie(company->Naziv, company->grad, company->PIB, company->maticni, company->ziroracun),
        std::tuple("Žitopromet a.d.", "Čačak", "100200300", "08765432", "205-1-11"));
    EXPECT_EQ(company->pdv, ""); // null reads as an empty text
}

TEST(CompanyHeader, PrintsTheCompanyBlockLogoAndDoubleRule) {
    Painter p;
    PrintHeader(p, sampleCompany(), "/logo/firma.png");
    const Page& page = p.document().pages[0];

    const Text& name = textAt(page, "Šćepanović i sinovi d.o.o.");
    EXPECT_EQ(name.align, Align::Center);
    EXPECT_DOUBLE_EQ(name.x, 160);
    EXPECT_DOUBLE_EQ(name.y, 7);
    EXPECT_EQ(name.font, (Font{"yuoptimar", 10, false}));

    const Text& address = textAt(page, "Đure Đakovića 12 - Niš");
    EXPECT_DOUBLE_EQ(address.y, 12);
    EXPECT_DOUBLE_EQ(address.font.size, 8);
    EXPECT_DOUBLE_EQ(textAt(page, "matični br: 07654321, registracioni br: 12345").y, 16);
    EXPECT_DOUBLE_EQ(textAt(page, "Šifra delatnosti: 6201").y, 20);
    EXPECT_DOUBLE_EQ(textAt(page, "PIB: 101234567, PDV: 123456789").y, 24);
    const Text& account = textAt(page, "Žiro račun: 160-123456-78 Banka Intesa");
    EXPECT_DOUBLE_EQ(account.y, 28);
    EXPECT_DOUBLE_EQ(account.x, 160);
    for (const std::string& line : page.texts())
        EXPECT_DOUBLE_EQ(textAt(page, line).rightLimit, 200) << line; // kept within the rules

    const auto& logo = std::get<Picture>(page.commands.front());
    EXPECT_EQ(logo.file, "/logo/firma.png");
    EXPECT_DOUBLE_EQ(logo.x, 10);
    EXPECT_DOUBLE_EQ(logo.y, 12);
    EXPECT_NEAR(logo.width, 77.21, 0.005);
    EXPECT_NEAR(logo.height, 21, 1e-9);

    std::vector<Line> rules;
    for (const Command& command : page.commands)
        if (const auto* line = std::get_if<Line>(&command))
            rules.push_back(*line);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_DOUBLE_EQ(rules[0].y1, 36);
    EXPECT_DOUBLE_EQ(rules[0].width, 0.7);
    EXPECT_DOUBLE_EQ(rules[1].y1, 35);
    EXPECT_DOUBLE_EQ(rules[1].width, 0.1);
    for (const Line& rule : rules) {
        EXPECT_DOUBLE_EQ(rule.x1, 5);
        EXPECT_DOUBLE_EQ(rule.x2, 200);
    }
}

TEST(CompanyHeader, WithoutALogoPrintsNoPicture) {
    Painter p;
    PrintHeader(p, sampleCompany(), {});
    for (const Command& command : p.document().pages[0].commands)
        EXPECT_FALSE(std::holds_alternative<Picture>(command));
}
