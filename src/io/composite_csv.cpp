#include "io/composite_csv.h"

#include "base/csv_line.h"
#include "base/format.h"
#include "core/cell_values.h"
#include "core/schedule_columns.h"
#include "tables/composite_rows.h"

namespace rebanto {

namespace {

namespace col = schedule_col;

// A composite row's kind by its flags in column 13.
enum class Kind { Ordinary, Totals, Prepayment, None };

Kind kind_of(const std::string& flags) {
    if (flags == "K") return Kind::Totals;
    if (flags.empty() || flags[0] == 'D' || flags[0] == 'S') return Kind::Ordinary;
    if (flags[0] == 'U') return Kind::Prepayment;
    return Kind::None;
}

class Line {
public:
    explicit Line(const Grid& table, int row) : table_(table), row_(row) {}
    Line& text(const std::string& t) {
        field(t);
        return *this;
    }
    Line& cell(int col, const std::string& before = {}, const std::string& after = {}) {
        field(before + table_.cell(row_, col) + after);
        return *this;
    }
    Line& fixed(int col, int width) {
        field(format_fixed(amount_in(table_, row_, col), width, 0));
        return *this;
    }
    // Money fields are quoted: the money format has thousands separators.
    Line& money13(int col) {
        field("\"" + format_money(money_in(table_, row_, col), 13) + "\"");
        return *this;
    }
    Line& money(int col) {
        field("\"" + format_money(money_in(table_, row_, col)) + "\"");
        return *this;
    }
    // The lender-style line: its money fields carry their own quotes, nothing else is quoted.
    std::string take() const { return csv_line(fields_, ',', CsvQuoting::AsGiven); }

private:
    void field(std::string f) { fields_.push_back(std::move(f)); }
    const Grid& table_;
    int row_;
    std::vector<std::string> fields_;
};

std::string header_line(const Grid& table, int columns) {
    Line line(table, 0);
    for (int c = 0; c < columns; ++c)
        line.cell(c);
    return line.take();
}

std::string head_line(const Grid& table, int r) {
    Line line(table, r);
    for (int c = col::kMonth; c < col::kNewPrincipal; ++c)
        line.cell(c);
    line.cell(col::kNewPrincipal, "\"", "\"").cell(col::kFlag);
    return line.take();
}

// Columns 13 to 16 as they stand, then the new principal and, in the monthly table, the
// running totals.
void tail(Line& line, bool bonus) {
    line.cell(col::kFlag).cell(composite::kOwnMonth).cell(composite::kOwnMonth + 1);
    line.cell(composite::kOwnMonth + 2).money13(composite::kNewPrincipal);
    if (bonus) return;
    line.money13(composite::kInterestSoFar)
        .money13(composite::kPrincipalSoFar)
        .money13(composite::kOutstanding);
}

std::string ordinary_line(const Grid& table, int r, bool bonus) {
    Line line(table, r);
    line.fixed(col::kMonth, 4).fixed(col::kYears, 3).cell(col::kMonthOfYear);
    line.money13(col::kPrincipal).cell(col::kRate, "", "%").cell(col::kRemaining, "", "回払");
    line.money13(col::kInstalment).cell(col::kEndCount, "（", "回目=");
    line.money13(col::kLastInterest).cell(col::kInRow, "）", "回計=");
    line.money13(col::kInterest).money13(col::kRepaid).money13(col::kNewPrincipal);
    tail(line, bonus);
    return line.take();
}

std::string totals_line(const Grid& table, int r) {
    Line line(table, r);
    line.text("").cell(col::kInRow).text("　ここで完済時総返済額=").text("");
    line.money(col::kPrincipal).text("").money(col::kInstalment);
    line.text("は当回迄返済額総計").text("").text("各々小計=");
    line.money(col::kInterest).money(col::kRepaid).money(col::kNewPrincipal);
    line.cell(col::kFlag, "で完済  ");
    return line.take();
}

std::string prepayment_line(const Grid& table, int r, bool bonus) {
    Line line(table, r);
    line.cell(col::kMonth).cell(col::kYears).cell(col::kMonthOfYear);
    line.text("　内入れ返済－　総額=").text("").text("").money13(col::kInstalment);
    line.cell(col::kEndCount).cell(col::kLastInterest).text("に返済");
    line.money13(col::kInterest).money13(col::kRepaid).money(col::kNewPrincipal);
    tail(line, bonus);
    return line.take();
}

// Ordinary, totals and prepayment rows each in their own form; other rows are left out.
std::optional<std::string> body_line(const Grid& table, int r, bool bonus) {
    switch (kind_of(table.cell(r, col::kFlag))) {
        case Kind::Ordinary:
            return ordinary_line(table, r, bonus);
        case Kind::Totals:
            return totals_line(table, r);
        case Kind::Prepayment:
            return prepayment_line(table, r, bonus);
        case Kind::None:
            break;
    }
    return std::nullopt;
}

}  // namespace

void composite_csv(const Grid& table, int components, bool bonus, const std::string& title_line,
                   std::vector<std::string>& out) {
    const int columns = bonus ? composite::kBonusColumns : composite::kMonthlyColumns;
    append_titled_table(
        {title_line, table.row_count(), components, [&table](int r) { return head_line(table, r); },
         header_line(table, columns),
         [&table, bonus](int r) { return body_line(table, r, bonus); }},
        out);
}

}  // namespace rebanto
