// The month shift of the current tables ("月回増減"): loans started at different times
// line up in a composite only when their month numbers count from the same month, so a
// table's month numbers move by a whole number of months before it is merged.
#include <vector>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "dates/month_shift.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

namespace col = schedule_col;

// The era year of the month numbers that "月回補正" writes: years counted from 1988.
constexpr int kEraBase = 1988;
// Far beyond any calendar: such a month number is refused rather than overflowed.
constexpr long kMonthLimit = 100'000'000;

}  // namespace

long month_number(const Grid& table, int row, int column) {
    const std::string& text = table.cell(row, column);
    try {
        const std::int64_t whole = to_int(text);
        if (whole < -kMonthLimit || whole > kMonthLimit) throw ConversionError(text);
        return static_cast<long>(whole);
    } catch (const ConversionError&) {
        throw FieldValueError(
            table.name() + " " + std::to_string(row) + "行" + std::to_string(column) + "列", text);
    }
}

bool shift_month_numbers(Grid& table, long shift) {
    std::vector<long> months;
    for (int r = kFirstDataRow; r < table.row_count(); ++r)
        months.push_back(month_number(table, r, col::kMonth) + shift);
    for (std::size_t i = 0; i < months.size(); ++i) {
        const long m = months[i];
        if (m <= 0) return false;
        const int r = kFirstDataRow + static_cast<int>(i);
        table.set_cell(r, col::kMonth, std::to_string(m));
        table.set_cell(r, col::kYears, std::to_string(m / 12));
        table.set_cell(r, col::kMonthOfYear, std::to_string(m % 12));
    }
    return true;
}

void CompositePage::Button43Click(Control&) {
    Panel2.show();
    Edit59.set_text("0");
}

// The shift is the era year and month as a count of months.
void CompositePage::shift_parts_change(Control&) {
    put(Edit59, count(Edit60) * 12 + count(Edit61));
}

void CompositePage::La2_nenClick(Control&) {
    const Date today = app().platform().today();
    put(Edit60, today.year - kEraBase);
    put(Edit61, today.month);
}

void CompositePage::shift_part_dbl_click(Control& sender) {
    const Date today = app().platform().today();
    if (&sender == &Edit60) {
        put(Edit60, today.year - kEraBase);
    } else {
        put(Edit61, today.month);
    }
}

void CompositePage::La2_tukiClick(Control&) {
    const int month = count(Edit61) + 1;
    const int year = count(Edit60);
    if (month == 13) {
        put(Edit60, year + 1);
        put(Edit61, 1);
    } else {
        put(Edit61, month);
    }
}

void CompositePage::La2_tukiRightClick(Control&) {
    const int month = count(Edit61) - 1;
    const int year = count(Edit60);
    if (month == 0) {
        put(Edit60, year - 1);
        put(Edit61, 12);
    } else {
        put(Edit61, month);
    }
}

void CompositePage::Button44Click(Control&) {
    if (shift_month_numbers(app().cur.StGr1, count(Edit59))) Panel2.hide();
}

void CompositePage::Button71Click(Control&) {
    if (shift_month_numbers(app().cur.StGr2, count(Edit59))) Panel2.hide();
}

void CompositePage::Bt2_tojiruClick(Control&) {
    Panel2.hide();
}

}  // namespace rebanto
