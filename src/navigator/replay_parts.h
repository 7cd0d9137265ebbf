#pragma once
// Pieces of a replay that work on texts and tables alone: the bonus timing a bonus table
// was built with, the question when it differs from the main window's, the month numbers
// shifted back to the control table's, and the first instalment before its difference.
#include <optional>
#include <string>

#include "base/money.h"
#include "model/grid.h"

namespace rebanto::navigator {

// The bonus interval and the months before the first bonus instalment of a bonus table
// (fields 1 and 2 of its settings-row flag; a pension marker "年金…" is a 6-month interval).
struct BonusTiming {
    std::string interval;
    std::string first;
};
BonusTiming table_bonus_timing(const Grid& bonus_table);

// The question asked when a bonus table's timing differs from the main window's; none when
// they agree. A field the table does not carry is not compared.
std::optional<std::string> bonus_timing_question(const BonusTiming& table, int main_interval,
                                                 int main_first);

// Shifts the month numbers of a rebuilt current table so that its first row has
// `first_month`, rewriting years and months; stops at the first row that would fall to month
// 0 or before. Rows without a month number (totals and prepayment rows) keep their cells.
void shift_month_numbers(Grid& current, long long first_month);

// An instalment text less a first-payment difference, worked out on ten-thousandths and
// written in the shortest decimal form.
std::string less_difference(const std::string& instalment, Money difference);

}  // namespace rebanto::navigator
