// The month shift of the current tables ("月回増減"): loans started at different times
// line up in a composite only when their month numbers count from the same month, so a
// table's month numbers move by a whole number of months before it is merged.
#include <vector>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// The era year of the month numbers that "月回補正" writes: years counted from 1988.
constexpr int kEraBase = 1988;
constexpr long kMonthLimit = 100'000'000;

// Every month number is read before any is written, so a cell that is no number leaves
// the table as it was. The shift stops at the first row it would take to month 0 or
// below; the rows before it keep their new numbers.
bool shift_table(Grid& table, long shift) {
    std::vector<long> months;
    for (int r = kFirstDataRow; r < table.row_count(); ++r) {
        const std::string& text = table.cell(r, 0);
        try {
            const std::int64_t m = to_int(text);
            if (m < -kMonthLimit || m > kMonthLimit) throw ConversionError(text);
            months.push_back(static_cast<long>(m) + shift);
        } catch (const ConversionError&) {
            throw FieldValueError(table.name() + " " + std::to_string(r) + "行0列", text);
        }
    }
    for (std::size_t i = 0; i < months.size(); ++i) {
        const long m = months[i];
        if (m <= 0) return false;
        const int r = kFirstDataRow + static_cast<int>(i);
        table.set_cell(r, 0, std::to_string(m));
        table.set_cell(r, 1, std::to_string(m / 12));
        table.set_cell(r, 2, std::to_string(m % 12));
    }
    return true;
}

}  // namespace

void TForm1::Button43Click(Control&) {
    Panel2.show();
    Edit59.set_text("0");
}

// The shift is the era year and month as a count of months.
void TForm1::shift_parts_change(Control&) {
    put(Edit59, count(Edit60) * 12 + count(Edit61));
}

void TForm1::La2_nenClick(Control&) {
    const Date today = app_.platform().today();
    put(Edit60, today.year - kEraBase);
    put(Edit61, today.month);
}

void TForm1::shift_part_dbl_click(Control& sender) {
    const Date today = app_.platform().today();
    if (&sender == &Edit60) {
        put(Edit60, today.year - kEraBase);
    } else {
        put(Edit61, today.month);
    }
}

void TForm1::La2_tukiClick(Control&) {
    const int month = count(Edit61) + 1;
    const int year = count(Edit60);
    if (month == 13) {
        put(Edit60, year + 1);
        put(Edit61, 1);
    } else {
        put(Edit61, month);
    }
}

void TForm1::La2_tukiRightClick(Control&) {
    const int month = count(Edit61) - 1;
    const int year = count(Edit60);
    if (month == 0) {
        put(Edit60, year - 1);
        put(Edit61, 12);
    } else {
        put(Edit61, month);
    }
}

void TForm1::Button44Click(Control&) {
    if (shift_table(app_.cur.StGr1, count(Edit59))) Panel2.hide();
}

void TForm1::Button71Click(Control&) {
    if (shift_table(app_.cur.StGr2, count(Edit59))) Panel2.hide();
}

void TForm1::Bt2_tojiruClick(Control&) {
    Panel2.hide();
}

}  // namespace rebanto
