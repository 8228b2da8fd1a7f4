#include "parameters/ReturnGrid.h"

#include <stdexcept>

#include "core/Text.h"

namespace zarion::parameters {

ReturnGrid::ReturnGrid(std::vector<std::string> amountHeadings, std::vector<ReturnRow> rows,
                       std::vector<Derivation> derivations, bool firstColumnIsTotal)
    : amountHeadings_(std::move(amountHeadings))
    , rows_(std::move(rows))
    , derivations_(std::move(derivations))
    , firstColumnIsTotal_(firstColumnIsTotal) {
    for (ReturnRow& row : rows_)
        row.amounts.resize(amountHeadings_.size());
    for (const Derivation& derivation : derivations_)
        rows_[indexOf(derivation.target)].locked = true;
    recompute();
}

std::size_t ReturnGrid::indexOf(std::string_view number) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].number == number)
            return i;
    throw std::out_of_range("Nema reda " + std::string(number) + " u obrascu");
}

const ReturnRow& ReturnGrid::row(std::string_view number) const {
    return rows_[indexOf(number)];
}

void ReturnGrid::fill(std::string_view number, std::int64_t count, std::vector<Currency> amounts) {
    ReturnRow& row = rows_[indexOf(number)];
    row.count = count;
    amounts.resize(amountHeadings_.size());
    row.amounts = std::move(amounts);
    recompute();
}

void ReturnGrid::fill(std::string_view number, std::vector<Currency> amounts) {
    fill(number, rows_[indexOf(number)].count, std::move(amounts));
}

Refused ReturnGrid::editable(std::size_t index, std::size_t column) const {
    if (index >= rows_.size() || rows_[index].locked || column >= amountHeadings_.size() ||
        (firstColumnIsTotal_ && column == 0))
        return warning("Izabrani red je zaklju~an!"_yu);
    return std::nullopt;
}

Refused ReturnGrid::edit(std::size_t index, std::size_t column, std::int64_t count,
                         Currency amount) {
    if (auto refused = editable(index, column))
        return refused;
    ReturnRow& row = rows_[index];
    if (row.hasCount)
        row.count = count;
    row.amounts[column] = amount;
    recompute();
    return std::nullopt;
}

void ReturnGrid::recompute() {
    if (firstColumnIsTotal_)
        for (ReturnRow& row : rows_) {
            Currency total;
            for (std::size_t column = 1; column < row.amounts.size(); ++column)
                total += row.amounts[column];
            row.amounts[0] = total;
        }
    for (const Derivation& derivation : derivations_) {
        ReturnRow& target = rows_[indexOf(derivation.target)];
        std::vector<Currency> sums(amountHeadings_.size());
        for (const auto& [number, sign] : derivation.terms) {
            const ReturnRow& term = rows_[indexOf(number)];
            for (std::size_t column = 0; column < sums.size(); ++column)
                sums[column] += sign < 0 ? -term.amounts[column] : term.amounts[column];
        }
        if (derivation.ratePercent != 0)
            for (Currency& sum : sums)
                sum = sum.times(derivation.ratePercent / 100).round2();
        target.amounts = std::move(sums);
        if (!derivation.terms.empty())
            target.count = rows_[indexOf(derivation.terms.front().first)].count;
    }
}

} // namespace zarion::parameters
