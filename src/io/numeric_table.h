#pragma once
// A schedule grid as a table of numbers for a spreadsheet: one line of column names, then
// one row per schedule row with the amounts, counts and rates as numbers and the texts
// (remarks, the row's kind) in columns of their own. The lender-style markers that the
// grids keep in number columns of prepayment and totals rows ("内", "経過", "=精算総額")
// are no numbers and leave those cells empty.
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto::numeric {

enum class Kind {
    Text,
    Count,  // months, years, numbers of payments
    Yen,    // amounts
    Rate,   // percent a year
};

struct Column {
    std::string name;
    Kind kind = Kind::Text;
};

// A cell: a number (its value and its plain decimal text) or a text; empty when both are.
struct Cell {
    std::string text;
    bool number = false;
    long double value = 0;
};

struct Table {
    std::string name;  // the sheet's name
    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;
};

// The hint of every "表計算用（数値）" button.
inline constexpr const char* kNumericExportHint =
    "表計算で数値として使えるファイル(UTF-8のCSV、または.xlsxのExcelブック)に保存します";

// The names of the row kinds in the first column.
inline constexpr const char* kKindColumn = "区分";
inline constexpr const char* kPeriodRow = "返済";
inline constexpr const char* kPrepaymentRow = "内入";
inline constexpr const char* kTotalsRow = "合計";

// A current monthly or bonus table (header row 0, settings row 1, data rows from row 2).
Table current_table(const Grid& table, const std::string& name);
// A composite table: its head rows (one per loan) stay out, its data rows follow.
Table composite_table(const Grid& table, int components, bool bonus, const std::string& name);
// A comparison table: its title rows stay out, and so does its unnamed column 7.
Table comparison_table(const Grid& table, int titles, const std::string& name);

}  // namespace rebanto::numeric
