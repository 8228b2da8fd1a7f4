#include "report/Spreadsheet.h"

#include <algorithm>
#include <optional>
#include <regex>
#include <xlsxwriter.h>

#include "core/Currency.h"
#include "core/Utf8.h"

namespace zarion::report {

namespace {
constexpr double MinColumnWidth = 6;
constexpr double MaxColumnWidth = 50;
constexpr double ColumnPadding = 2;

std::string failed(const std::filesystem::path& path, const std::string& reason) {
    return "Izvoz u excel fajl " + path.string() + " nije uspeo" + (reason.empty() ? "" : ": ") +
           reason + ".";
}

// "1234.50" as the files write it, or "-1.234,50" as the lists show it: an amount.
std::optional<double> amountValue(const std::string& text) {
    static const std::regex plain(R"(-?\d+\.\d\d)");
    static const std::regex grouped(R"(-?(\d+|\d{1,3}(\.\d{3})+),\d\d)");
    if (std::regex_match(text, plain))
        return Currency::parse(text).toDouble();
    if (!std::regex_match(text, grouped))
        return std::nullopt;
    std::string digits = text;
    std::erase(digits, '.');
    std::replace(digits.begin(), digits.end(), ',', '.');
    return Currency::parse(digits).toDouble();
}

class Workbook {
public:
    explicit Workbook(const std::filesystem::path& path)
        : book_(workbook_new(path.string().c_str())) {}
    ~Workbook() {
        if (book_)
            workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return book_; }
    // Writes the file; false when it could not be written.
    bool close() {
        const lxw_error result = workbook_close(book_);
        book_ = nullptr;
        return result == LXW_NO_ERROR;
    }

private:
    lxw_workbook* book_;
};

void writeSheet(lxw_workbook* book, const SheetList& list) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* headingFormat = workbook_add_format(book);
    format_set_bold(headingFormat);
    lxw_format* amountFormat = workbook_add_format(book);
    format_set_num_format(amountFormat, "#,##0.00");

    std::vector<std::size_t> widths(list.headings.size(), 0);
    auto note = [&widths](std::size_t column, const std::string& text) {
        if (column >= widths.size())
            widths.resize(column + 1, 0);
        widths[column] = std::max(widths[column], utf8::length(text));
    };
    for (std::size_t c = 0; c < list.headings.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), list.headings[c].c_str(),
                               headingFormat);
        note(c, list.headings[c]);
    }
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < list.rows[r].size(); ++c) {
            const std::string& text = list.rows[r][c];
            const auto column = static_cast<lxw_col_t>(c);
            if (const auto value = amountValue(text))
                worksheet_write_number(sheet, row, column, *value, amountFormat);
            else if (!text.empty())
                worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
            note(c, text);
        }
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const double width = std::clamp(static_cast<double>(widths[c]) + ColumnPadding,
                                        MinColumnWidth, MaxColumnWidth);
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                             nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 0);
}
} // namespace

std::string SpreadsheetResult::message() const {
    return ok() ? "Zavrsen je izvoz u excel fajl " + path.string() : error;
}

SpreadsheetResult ExportListToSpreadsheet(const SheetList& list,
                                          const std::filesystem::path& baseFolder,
                                          const std::string& name) {
    SpreadsheetResult result;
    const std::filesystem::path folder = baseFolder / "IzvozExcel";
    result.path = folder / (name + ".xlsx");
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (!failure)
        std::filesystem::remove(result.path, failure);
    if (failure) {
        result.error = failed(result.path, failure.message());
        return result;
    }
    Workbook book(result.path);
    if (!book.get()) {
        result.error = failed(result.path, "");
        return result;
    }
    writeSheet(book.get(), list);
    if (!book.close())
        result.error = failed(result.path, "");
    return result;
}

} // namespace zarion::report
