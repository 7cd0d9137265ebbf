#pragma once
// The rows of the composite tables. A composite adds several loans month by month: row 0
// is the header, rows 1..n one head row per loan (component), then the data rows in month
// order. A loan comes in as a copy of its current table, or merged into the composite in
// one pass over both tables, which are both in month order.
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto::composite {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// The composite monthly table has the running totals in columns 18-20; the bonus one
// ends at column 17, and so does the work table of a merge.
inline constexpr int kMonthlyColumns = 21;
inline constexpr int kBonusColumns = 18;
// Columns of a composite row beyond those of a schedule row.
inline constexpr int kOwnMonth = 14;      // 14-16: month, year, month in the loan's own table
inline constexpr int kNewPrincipal = 17;  // principal arising in the month
inline constexpr int kInterestSoFar = 18;
inline constexpr int kPrincipalSoFar = 19;
inline constexpr int kOutstanding = 20;

// "①".."⑳" for components 1..20; a number in brackets beyond them.
std::string label(int number);

// Whether a data row may be summed with another loan's: a plain row (no flag, or "D" or
// "S"); totals ("K") and prepayment ("U") rows stand alone.
bool mergeable(const Row& row);

// How a loan's current table enters a composite.
struct LoanRule {
    std::string label;
    bool bonus = false;  // the bonus composite: 18 columns, "ﾎﾞｰﾅｽ返済" in the head row
    bool equal_principal = false;
    bool calendar = false;  // "12（暦月表示）"
    std::string years;      // Ed0_nen and Ed0_tuki when the loan is added
    std::string months;
};

// The head row of a loan: its label, term and first data row, and its settings row.
Row head_row(const Grid& current, const LoanRule& rule);

// A composite of one loan: the header, the head row and one row per data row.
Rows copy_table(const Grid& current, const LoanRule& rule);

// What is merged into a composite.
struct MergeRule {
    // The separator put between the composite's texts and the other table's, and before
    // the other table's texts in a row of its own: the loan's label, or "※" for the
    // composite bonus table.
    std::string separator;
    // A current table (its first data row brings its principal, equal-principal rows are
    // turned into instalment and interest) or a composite table (taken as it stands).
    bool from_current = true;
    bool equal_principal = false;
    bool calendar = false;
};

// Appends to `out` the data rows of `composite` (from row `composite_first`) merged with
// those of `other` (from row `other_first`), 18 columns a row: rows of the same month
// summed, the others taken alone, in month order. Every month number and every summed
// cell is read once; a cell that is no number names its table, row and column.
void merge_rows(const Grid& composite, int composite_first, const Grid& other, int other_first,
                const MergeRule& rule, Rows& out);

// A totals row shows the month of the row above it.
void date_totals_rows(Rows& rows, int first);

// The running totals (累積) of a composite monthly table with `components` head rows.
void running_totals(Grid& table, int components);

}  // namespace rebanto::composite
