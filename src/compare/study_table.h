#pragma once
// The study table "StGr5" of the prepayment verification: how big it is for a budget and
// a range of columns, the budget split of each row, the headers, and the time texts.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto::comparison::study {

// Columns 0, 1, 3 and 4 hold the amounts of a row; each column group after them holds the
// total interest and the last months of the long and the short loan.
inline constexpr int kFirstGroupColumn = 6;
inline constexpr int kLongMonthly = 0;
inline constexpr int kShortMonthly = 1;
inline constexpr int kLongBonus = 3;
inline constexpr int kShortBonus = 4;
// The row of the case without prepayment; the splits follow it.
inline constexpr int kNoPrepaymentRow = 1;
inline constexpr int kFirstSplitRow = 2;
// Beyond these the study would run for hours: the settings are refused instead.
inline constexpr int kMaxRows = 1000;
inline constexpr int kMaxGroups = 100;

int groups_of(int column_count);
// The first column of group r (from 1).
inline int group_column(int r) {
    return kFirstGroupColumn + 3 * (r - 1);
}

// The headers of the amount columns and of one group.
void amount_headers(std::string (&headers)[6]);
std::string group_header(bool rate_mode, long double value);
inline constexpr const char* kLongLastMonthHeader = "1-最終月回(月々)";
inline constexpr const char* kShortLastMonthHeader = "5-最終月回(月々)";

struct Budget {
    long double monthly = 0;       // Edit4
    long double monthly_step = 0;  // Edit5
    long double bonus = 0;         // Edit14
    long double bonus_step = 0;    // Edit15
};

// The bonus step that keeps pace with the monthly one: trunc(step × bonus ÷ budget + 0.0001).
long double bonus_step(const Budget& budget);

// Rows of the table: trunc(budget ÷ step + 2) + 1, the header and the no-prepayment row
// included; nullopt with the reason when the budget cannot make a table.
struct Size {
    int rows = 0;
    int columns = 0;
    int groups = 0;
};
struct SizeOrProblem {
    std::optional<Size> size;
    std::string problem;
};
SizeOrProblem size_of(const Budget& budget, long double last, long double base, long double step,
                      bool rate_mode);
// trunc((last − base) ÷ step + 1), 0 when it cannot be worked out.
int group_count(long double last, long double base, long double step);

// The amounts of split row `m` (from 0): the long loan's monthly and bonus share fall by a
// step a row, the short loan gets the rest.
struct Split {
    long double long_monthly, long_bonus, short_monthly, short_bonus;
};
Split split_of(const Budget& budget, int m);

// The value of group r (from 1): the short loan's rate or the prepayment month.
inline long double group_value(long double base, long double step, int r) {
    return step * (r - 1) + base;
}

// "経過=", "時間/回=" and "処理予想時間=" with their times.
struct TimeTexts {
    std::string elapsed, per_item, expected;
};
TimeTexts time_texts(std::int64_t elapsed_ms, int items_done, int groups, int rows);
std::string seconds_text(long double ms);

// The study table as CSV: the title line, then every row with its cells between commas.
std::vector<std::string> csv_lines(const Grid& study, const std::string& title);

}  // namespace rebanto::comparison::study
