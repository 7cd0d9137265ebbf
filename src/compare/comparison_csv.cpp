#include "compare/comparison_csv.h"

#include "base/csv_line.h"
#include "base/format.h"
#include "compare/comparison_table.h"
#include "core/cell_values.h"

namespace rebanto::comparison {

namespace {

// The lender-style lines quote their money fields themselves and leave every other cell as
// it stands.
std::string joined(const std::vector<std::string>& cells) {
    return csv_line(cells, ',', CsvQuoting::AsGiven);
}

std::string joined(const Grid& table, int row) {
    std::vector<std::string> cells;
    cells.reserve(kColumns);
    for (int c = 0; c < kColumns; ++c)
        cells.push_back(table.cell(row, c));
    return joined(cells);
}

std::string money13(const Grid& table, int row, int col) {
    return "\"" + format_money(money_in(table, row, col), 13) + "\"";
}

// A month of one table alone is a period row of the difference table like any other: its
// remark starts with the mark "△" or "▼" instead of a row flag, and it is written.
RowKind csv_kind(const std::string& remark) {
    if (remark.starts_with("△") || remark.starts_with("▼")) return RowKind::Plain;
    return kind_of(remark);
}

std::string data_line(const Grid& table, int r, bool formatted_month) {
    const std::string month =
        formatted_month ? format_fixed(amount_in(table, r, kMonth), 4, 0) : table.cell(r, kMonth);
    const std::string year =
        formatted_month ? format_fixed(amount_in(table, r, kYear), 3, 0) : table.cell(r, kYear);
    std::vector<std::string> cells{month,
                                   year,
                                   table.cell(r, kMonthOfYear),
                                   money13(table, r, kInstalment),
                                   money13(table, r, kInterest),
                                   money13(table, r, kPrincipal),
                                   table.cell(r, kRemark),
                                   table.cell(r, kBlank)};
    for (int c : {kNewPrincipal, kInterestSoFar, kPrincipalSoFar, kOutstanding})
        cells.push_back(money13(table, r, c));
    return joined(cells);
}

// Period rows with the month and year formatted; prepayment and totals rows as they stand.
std::optional<std::string> body_line(const Grid& table, int r) {
    switch (csv_kind(table.cell(r, kRemark))) {
        case RowKind::Plain:
            return data_line(table, r, true);
        case RowKind::Prepayment:
        case RowKind::Totals:
            return data_line(table, r, false);
        case RowKind::Other:
            break;
    }
    return std::nullopt;
}

}  // namespace

void comparison_csv(const Grid& table, int titles, const std::string& title_line,
                    std::vector<std::string>& out) {
    append_titled_table(
        {title_line, table.row_count(), titles, [&table](int r) { return joined(table, r); },
         joined(table, 0), [&table](int r) { return body_line(table, r); }},
        out);
}

}  // namespace rebanto::comparison
