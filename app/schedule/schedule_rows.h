#pragma once
// The schedule as data for programs: each period and prepayment row of a current table
// with named columns and numbers, and the summary its totals row gives.
#include <optional>
#include <string>
#include <vector>

#include "schedule/schedule_run.h"

namespace rebanto::schedule {

// A number of a table cell in plain decimal form ("0.5" for ".5"); none for a text.
std::optional<std::string> number_in(const std::string& cell);

// The columns of a data row, in the table's order, named for the repayment method (the
// instalment column of equal principal holds the principal part, its last column the payment).
std::vector<std::string> column_names(bool equal_principal);

// Which cells of a row are numbers (the remark is text).
bool is_numeric_column(int col);

enum class RowKind { Period, Prepayment, Totals };

// A row's kind by its column 1: a number, "内" or "経".
RowKind kind_of(const std::vector<std::string>& row);
const char* kind_name(RowKind kind);

// The part's figures a reader looks for first: its first instalment, the totals row's
// interest, principal and amount paid, the months it covers and the month of its last
// payment, and the number of payments. Texts as the table holds them; empty when the part
// has no rows.
struct PartSummary {
    bool present = false;
    std::string instalment;
    std::string interest;
    std::string principal;
    std::string paid;
    std::string months;
    std::string last_month;
    long long payments = 0;
};

PartSummary summary_of(const Rows& table);

}  // namespace rebanto::schedule
