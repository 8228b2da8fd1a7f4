#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Currency.h"
#include "core/Outcome.h"

// The grid of a paper return: the lines of the official form, with the rows the operator may
// correct and the rows derived from others by the formulas their descriptions state.
namespace zarion::parameters {

struct ReturnRow {
    std::string number;      // "I" for a heading, then "1.", "2.", "2.1." …
    std::string description; // as printed on the form
    std::string aop;         // contributions: the form's AOP code
    std::string account;     // contributions: the payment account
    bool hasCount = false;   // the row carries the number of persons
    std::int64_t count = 0;
    std::vector<Currency> amounts; // one per amount column of the grid
    bool twoLines = false;         // the description takes two printed lines
    bool locked = false;           // a heading, or a row derived from others
};

// A derived row: the signed sum of other rows, column by column, optionally times a rate in
// percent (rounded to the para, halves to even); its count is the count of the first term.
struct Derivation {
    std::string target;
    std::vector<std::pair<std::string, int>> terms; // row number, +1 or −1
    double ratePercent = 0;
};

class ReturnGrid {
public:
    // With `firstColumnIsTotal`, the first amount column of every row is the sum of the others.
    ReturnGrid(std::vector<std::string> amountHeadings, std::vector<ReturnRow> rows,
               std::vector<Derivation> derivations, bool firstColumnIsTotal = false);

    const std::vector<std::string>& amountHeadings() const { return amountHeadings_; }
    const std::vector<ReturnRow>& rows() const { return rows_; }
    const ReturnRow& row(std::string_view number) const;

    // The calling window's fill, by row number; derived rows follow. Throws std::out_of_range
    // for a number the form has not.
    void fill(std::string_view number, std::int64_t count, std::vector<Currency> amounts);
    void fill(std::string_view number, std::vector<Currency> amounts);

    // The operator's correction of one amount of the row at the index: "Izabrani red je
    // zaklju~an!" for a heading or derived row (or the total column); otherwise the count (for a
    // row that carries one) and the amount are written and every derived row follows.
    Refused edit(std::size_t index, std::size_t column, std::int64_t count, Currency amount);

    // The refusal edit would give, checked before the operator is asked anything.
    Refused editable(std::size_t index, std::size_t column = 0) const;

private:
    std::size_t indexOf(std::string_view number) const;
    void recompute();

    std::vector<std::string> amountHeadings_;
    std::vector<ReturnRow> rows_;
    std::vector<Derivation> derivations_;
    bool firstColumnIsTotal_;
};

} // namespace zarion::parameters
