#include "core/cell_values.h"

#include <string>

#include "base/errors.h"
#include "base/numtext.h"
#include "model/form.h"

namespace rebanto {

namespace {

// Beyond any schedule: a month number past it is a damaged cell, not a month.
constexpr std::int64_t kMonthLimit = 100'000'000;

std::string place(const Grid& table, int row, int col) {
    return table.form().name() + "." + table.name() + " " + std::to_string(row) + "行" +
           std::to_string(col) + "列";
}

}  // namespace

long double amount_in(const Grid& table, int row, int col) {
    const std::string& text = table.cell(row, col);
    try {
        return to_extended(text);
    } catch (const ConversionError&) {
        throw FieldValueError(place(table, row, col), text);
    }
}

Money money_in(const Grid& table, int row, int col) {
    const long double value = amount_in(table, row, col);
    try {
        return Money::from_extended(value);
    } catch (const MoneyOverflow&) {
        throw FieldValueError(place(table, row, col), table.cell(row, col));
    }
}

long month_in(const Grid& table, int row, int col) {
    const std::string& text = table.cell(row, col);
    try {
        const std::int64_t m = to_int(text);
        if (m < -kMonthLimit || m > kMonthLimit) throw ConversionError(text);
        return static_cast<long>(m);
    } catch (const ConversionError&) {
        throw FieldValueError(place(table, row, col), text);
    }
}

}  // namespace rebanto
