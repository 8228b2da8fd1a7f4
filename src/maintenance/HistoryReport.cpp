#include "maintenance/HistoryReport.h"

#include <algorithm>

#include "core/Text.h"
#include "core/Utf8.h"
#include "core/trail/Trail.h"
#include "maintenance/HistoryCaptions.h"
#include "report/ListFlow.h"

namespace zarion::maintenance {
namespace {

std::string period(const trail::HistoryEntry& e) {
    if (e.month == 0)
        return {};
    return (e.month < 10 ? "0" : "") + std::to_string(e.month) + "/" + std::to_string(e.year);
}

std::string employee(const trail::HistoryEntry& e) {
    if (e.employeeId == 0)
        return {};
    return std::to_string(e.employeeId) + (e.employeeName.empty() ? "" : " " + e.employeeName);
}

// The text in pieces of at most `characters`, broken between words; a word longer than a piece
// is cut.
std::vector<std::string> wrapped(std::string_view text, std::size_t characters) {
    std::vector<std::string> pieces(1);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        std::string word(text.substr(start, end - start));
        start = end + 1;
        while (!word.empty()) {
            const std::size_t used = utf8::length(pieces.back());
            if (used != 0 && used + 1 + utf8::length(word) > characters)
                pieces.emplace_back();
            const std::string fits = utf8::left(word, characters);
            pieces.back() += (pieces.back().empty() ? "" : " ") + fits;
            word.erase(0, fits.size());
        }
    }
    return pieces;
}

} // namespace

const std::array<std::string, HistoryColumns>& historyHeadings() {
    static const std::array<std::string, HistoryColumns> headings = {
        "Vreme"_yu, "Operater"_yu, "Komanda"_yu, "Vrsta promene"_yu, "Radnik"_yu,
        "Mesec"_yu, "Promena"_yu,  "Razlog"_yu,  "Opis"_yu};
    return headings;
}

std::vector<std::array<std::string, HistoryColumns>> historyLines(const trail::HistoryEntry& e) {
    const std::vector<trail::ColumnChange> changes = captionedChanges(e);
    std::vector<std::array<std::string, HistoryColumns>> lines;
    lines.push_back(
        {trail::displayTime(e.when), e.operatorName, e.command,
         trail::kindCaption(e.kind) + (e.table.empty() ? "" : ", " + historyTableCaption(e.table)),
         employee(e), period(e),
         changes.empty() ? std::string() : trail::changesText({changes.front()}), e.reason,
         e.description});
    for (std::size_t i = 1; i < changes.size(); ++i) {
        std::array<std::string, HistoryColumns> more{};
        more[6] = trail::changesText({changes[i]});
        lines.push_back(more);
    }
    return lines;
}

std::string historyFilterText(const trail::HistoryFilter& f, const std::string& employeeName) {
    std::string text = "Godina " + std::to_string(f.year);
    if (f.monthFrom != 0 && f.monthFrom == f.monthTo)
        text += ", mesec " + std::to_string(f.monthFrom);
    else if (f.monthFrom != 0 || f.monthTo != 0)
        text += ", meseci " + std::to_string(f.monthFrom) + " - " + std::to_string(f.monthTo);
    if (!f.operatorName.empty())
        text += ", operater " + f.operatorName;
    if (f.employeeId != 0)
        text += ", radnik " + employeeName;
    if (!f.kind.empty())
        text += ", " + trail::kindCaption(f.kind);
    return text;
}

report::Document historyReport(const report::CompanyData& company,
                               const std::filesystem::path& logo, const std::string& filterText,
                               const std::vector<trail::HistoryEntry>& entries) {
    using report::Align;
    report::Painter p(report::Orientation::Landscape, "Istorija promena");
    const double width = p.document().pageWidth();
    report::PrintHeader(p, company, logo);
    p.setFont("yuoptimar", 11, true);
    p.PrintCentered("Istorija promena"_yu, width / 2, 39);
    p.setFont("yuoptimar", 8);
    p.PrintCentered(filterText, width / 2, 45);
    const auto& h = historyHeadings();
    // where each column starts and how many characters it holds
    struct Place {
        double x;
        std::size_t characters;
    };
    constexpr Place place[HistoryColumns] = {{5, 19},  {32, 14},  {54, 18},  {80, 26}, {116, 18},
                                             {142, 7}, {156, 46}, {226, 16}, {250, 28}};
    std::vector<report::ListColumn> columns;
    for (std::size_t i = 0; i < HistoryColumns; ++i)
        columns.push_back({place[i].x, Align::Left, {h[i]}});
    report::ListLayout layout;
    layout.right = width - 5;
    layout.bottom = p.document().pageHeight() - 17;
    layout.rowHeight = 3.6;
    p.setFont("yuoptimar", 6.5);
    report::ListFlow list(p, columns, layout);
    list.start(51);
    for (const trail::HistoryEntry& entry : entries)
        for (const auto& line : historyLines(entry)) {
            // a text longer than its column goes on over the next rows
            std::array<std::vector<std::string>, HistoryColumns> pieces;
            std::size_t rows = 1;
            for (std::size_t i = 0; i < HistoryColumns; ++i) {
                pieces[i] = wrapped(line[i], place[i].characters);
                rows = std::max(rows, pieces[i].size());
            }
            for (std::size_t row = 0; row < rows; ++row) {
                std::vector<report::ListCell> cells;
                for (const std::vector<std::string>& column : pieces)
                    cells.emplace_back(row < column.size() ? column[row] : std::string());
                list.row(cells);
            }
        }
    list.rule();
    list.finish();
    return p.take();
}

} // namespace zarion::maintenance
