#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <regex>

#include "SampleCompany.h"
#include "TempDir.h"
#include "ToolOutput.h"
#include "core/Text.h"
#include "report/CompanyHeader.h"
#include "report/SampleList.h"
#include "report/qt/Renderer.h"
#include "report/qt/SpreadsheetExport.h"
#include "report/qt/frmPregled.h"

using namespace zarion;
using namespace zarion::report;

namespace {
constexpr double PointsPerMm = 72 / 25.4;

std::filesystem::path makeLogo(const std::filesystem::path& folder) {
    QImage logo(772, 210, QImage::Format_RGB32);
    logo.fill(QColor(30, 80, 160));
    QPainter painter(&logo);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 48, QFont::Bold));
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("LOGO"));
    painter.end();
    const auto path = folder / "logo.png";
    logo.save(QString::fromStdString(path.string()));
    return path;
}

CompanyData sampleCompany() {
    CompanyData company = test::sampleCompany();
    company.ziroracun = "160-0000000245813-31";
    company.banka = "Banca Intesa a.d. Beograd"; // too long to stay centred on 160 mm
    return company;
}

// Right edges (in mm) of the words of a PDF page that equal the given text.
std::vector<double> rightEdges(const std::string& bboxHtml, const std::string& word) {
    const std::regex pattern(R"re(<word xMin="[^"]*" yMin="[^"]*" xMax="([^"]*)" yMax="[^"]*">)re" +
                             word + "</word>");
    std::vector<double> edges;
    for (std::sregex_iterator it(bboxHtml.begin(), bboxHtml.end(), pattern), end; it != end; ++it)
        edges.push_back(std::stod((*it)[1]) / PointsPerMm);
    return edges;
}
} // namespace

class RenderTest : public QObject {
    Q_OBJECT
private slots:
    void headerAndListPrintToATwoPagePdf();
    void previewSavesThePdfWhereTheOperatorChose();
    void listViewGivesHeadingsAndRowsOfEveryColumn();
};

void RenderTest::headerAndListPrintToATwoPagePdf() {
    test::TempDir dir;
    const auto pdf = dir / "spisak.pdf";
    const Document document = sampleList(sampleCompany(), makeLogo(dir.path()));
    QCOMPARE(document.pages.size(), std::size_t(2));
    QVERIFY(writePdf(document, pdf));

    const std::string text = test::toolOutput("pdftotext -layout '" + pdf.string() + "' -");
    QVERIFY(text.find("Šćepanović i sinovi d.o.o.") != std::string::npos);
    QVERIFY(text.find("Žiro račun: 160-0000000245813-31 Banca Intesa a.d. Beograd") !=
            std::string::npos);
    QVERIFY(text.find("1.234.567,89") != std::string::npos);
    QVERIFY(text.find("Đukić Milica") != std::string::npos);
    QCOMPARE(std::count(text.begin(), text.end(), '\f'), 2);
    QVERIFY(text.find("Strana 2 od 2") != std::string::npos);
    const std::string info = test::toolOutput("pdfinfo '" + pdf.string() + "'");
    QVERIFY(std::regex_search(info, std::regex("Pages: +2\n")));
    QVERIFY(std::regex_search(info, std::regex("Page size:.* pts \\(A4\\)")));

    // Amounts end at their column's edge, measured with the real font.
    const std::string boxes = test::toolOutput("pdftotext -bbox '" + pdf.string() + "' -");
    const auto netEdges = rightEdges(boxes, "1.234.567,89");
    QCOMPARE(netEdges.size(), std::size_t(2)); // NETO and ZA ISPLATU of the first row
    QVERIFY(std::abs(netEdges[0] - 170) < 0.5);
    QVERIFY(std::abs(netEdges[1] - 200) < 0.5);
    const auto bruto = rightEdges(boxes, "BRUTO");
    QVERIFY(!bruto.empty());
    QVERIFY(std::abs(bruto[0] - 140) < 0.5);
    // The header's long account line ends where the rules end instead of running off the paper.
    const auto account = rightEdges(boxes, "Beograd");
    QCOMPARE(account.size(), std::size_t(1));
    QVERIFY2(std::abs(account[0] - 200) < 0.5, std::to_string(account[0]).c_str());
}

void RenderTest::previewSavesThePdfWhereTheOperatorChose() {
    test::TempDir dir;
    const auto pdf = dir / "pregled.pdf";
    QString suggested;
    QString shown;
    bool failed = true;
    setPreviewServices({[&](QWidget*, const QString& name) {
                            suggested = name;
                            return QString::fromStdString(pdf.string());
                        },
                        [&](QWidget*, const QString& text, bool isFailure) {
                            shown = text;
                            failed = isFailure;
                        }});
    const Document document = sampleList(sampleCompany(), {});
    frmPregled form(document, "");
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.pregled->pageCount(), 2);
    QTest::mouseClick(form.cmdSacuvajPDF, Qt::LeftButton);

    QCOMPARE(suggested, QStringLiteral("Probni spisak.pdf"));
    QVERIFY(std::filesystem::exists(pdf));
    QVERIFY(!failed);
    QCOMPARE(shown, QString::fromStdString("Sa~uvan je PDF fajl "_yu + pdf.string()));
    QCOMPARE(form.cmdStampaj->text(), QString::fromStdString("[tampaj"_yu));
    setPreviewServices({});
}

void RenderTest::listViewGivesHeadingsAndRowsOfEveryColumn() {
    QTreeWidget tree;
    tree.setHeaderLabels(
        {QStringLiteral("ID"), QStringLiteral("Prezime i ime"), QStringLiteral("NETO")});
    tree.setColumnHidden(2, true);
    new QTreeWidgetItem(&tree, {QStringLiteral("1"), QStringLiteral("Šćepanović Đorđe"),
                                QStringLiteral("1234.50")});
    new QTreeWidgetItem(&tree, {QStringLiteral("2"), QStringLiteral("Žarković Ćirilo")});

    const SheetList list = sheetFromModel(*tree.model());
    QCOMPARE(list.headings, (std::vector<std::string>{"ID", "Prezime i ime", "NETO"}));
    QCOMPARE(list.rows.size(), std::size_t(2));
    QCOMPARE(list.rows[0], (std::vector<std::string>{"1", "Šćepanović Đorđe", "1234.50"}));
    QCOMPARE(list.rows[1], (std::vector<std::string>{"2", "Žarković Ćirilo", ""}));

    test::TempDir base;
    const SpreadsheetResult result = ExportListToSpreadsheet(*tree.model(), base.path(), "lista");
    QVERIFY(result.ok());
    QVERIFY(std::filesystem::exists(base / "IzvozExcel" / "lista.xlsx"));
}

QTEST_MAIN(RenderTest)
#include "RenderTest.moc"
