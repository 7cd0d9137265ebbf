#include "tables/composite_rows.h"

#include <algorithm>
#include <array>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/schedule_columns.h"
#include "dates/month_shift.h"

namespace rebanto::composite {

namespace {

constexpr std::array<const char*, 20> kLabels{"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                              "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
// Columns that carry each component's own text, prefixed by its label.
constexpr std::array<int, 4> kTextColumns{4, 5, 7, 9};
namespace col = schedule_col;
constexpr int kSettingsRow = 1;
constexpr int kFirstDataRow = 2;

std::string place(const Grid& table, int row, int col) {
    return table.name() + " " + std::to_string(row) + "行" + std::to_string(col) + "列";
}

long double amount(const Grid& table, int row, int col) {
    const std::string& text = table.cell(row, col);
    try {
        return to_extended(text);
    } catch (const ConversionError&) {
        throw FieldValueError(place(table, row, col), text);
    }
}

// Month count: year trunc(m ÷ 12) and month m mod 12; calendar: month 1..12.
void put_months(Row& out, long m, bool calendar) {
    out[0] = std::to_string(m);
    const long year = calendar ? (m - 1) / 12 : m / 12;
    const long month = calendar ? (m - 1) % 12 + 1 : m % 12;
    // Columns 14-16 always hold the month count form; the calendar shows in 1, 2, 15, 16.
    out[kOwnMonth] = out[0];
    out[kOwnMonth + 1] = std::to_string(m / 12);
    out[kOwnMonth + 2] = std::to_string(m % 12);
    out[1] = std::to_string(year);
    out[2] = std::to_string(month);
    if (calendar) {
        out[kOwnMonth + 1] = out[1];
        out[kOwnMonth + 2] = out[2];
    }
}

// A data row read from a grid, its month number worked out once.
class Cursor {
public:
    Cursor(const Grid& table, int first) : table_(table), row_(first) {}
    bool done() const { return row_ >= table_.row_count(); }
    int row() const { return row_; }
    const Row& cells() const { return table_.row_cells(row_); }
    long month() {
        if (!known_) {
            month_ = month_number(table_, row_, schedule_col::kMonth);
            known_ = true;
        }
        return month_;
    }
    void advance() {
        ++row_;
        known_ = false;
    }
    long double amount(int col) const { return composite::amount(table_, row_, col); }

private:
    const Grid& table_;
    int row_;
    long month_ = 0;
    bool known_ = false;
};

class Merger {
public:
    Merger(const Grid& composite, int composite_first, const Grid& other, int other_first,
           const MergeRule& rule)
        : a_(composite, composite_first), b_(other, other_first), rule_(rule) {}

    void run(Rows& out) {
        while (!a_.done() && !b_.done()) {
            const bool a_plain = mergeable(a_.cells());
            const bool b_plain = mergeable(b_.cells());
            if (a_plain && b_plain && a_.month() == b_.month()) {
                out.push_back(matched());
                a_.advance();
                b_.advance();
            } else if (!b_plain || b_.month() < a_.month()) {
                out.push_back(other_alone());
                b_.advance();
            } else {
                out.push_back(composite_alone());
                a_.advance();
            }
        }
        for (; !b_.done(); b_.advance())
            out.push_back(other_alone());
        for (; !a_.done(); a_.advance())
            out.push_back(composite_alone());
    }

private:
    // The other table's first data row brings its loan's principal into the composite.
    bool brings_principal() const { return rule_.from_current && b_.row() == kFirstDataRow; }
    bool turns_equal_principal() const { return rule_.from_current && rule_.equal_principal; }

    Row matched() {
        const Row& a = a_.cells();
        const Row& b = b_.cells();
        Row out(kBonusColumns);
        put_months(out, a_.month(), rule_.calendar);
        for (int c : {3, 10, 11, 12})
            out[c] = general(a_.amount(c) + b_.amount(c));
        if (turns_equal_principal()) {
            // Equal principal: column 6 adds the instalment, column 8 the interest.
            const long double instalment = b_.amount(8);
            out[6] = general(a_.amount(6) + instalment);
            out[8] = general(a_.amount(8) + (instalment - b_.amount(6)));
        } else {
            out[6] = general(a_.amount(6) + b_.amount(6));
            out[8] = general(a_.amount(8) + b_.amount(8));
        }
        out[13] = a[13] + b[13];
        if (!rule_.from_current) {
            out[kNewPrincipal] = general(a_.amount(kNewPrincipal) + b_.amount(kNewPrincipal));
        } else if (brings_principal()) {
            out[kNewPrincipal] = general(a_.amount(kNewPrincipal) + b_.amount(3));
        } else {
            out[kNewPrincipal] = a[kNewPrincipal];
        }
        for (int c : kTextColumns)
            out[c] = a[c] + rule_.separator + b[c];
        return out;
    }

    Row other_alone() {
        const Row& b = b_.cells();
        Row out(kBonusColumns);
        put_months(out, b_.month(), rule_.calendar);
        for (int c : {3, 10, 11, 12, 13})
            out[c] = b[c];
        if (turns_equal_principal() && !b[13].starts_with("U")) {
            const long double instalment = b_.amount(8);
            out[6] = b[8];
            out[8] = general(instalment - b_.amount(6));
        } else {
            out[6] = b[6];
            out[8] = b[8];
        }
        if (rule_.from_current) {
            out[kNewPrincipal] = brings_principal() ? b[3] : "0";
        } else {
            out[kNewPrincipal] = b[kNewPrincipal];
        }
        for (int c : kTextColumns)
            out[c] = rule_.separator + b[c];
        return out;
    }

    Row composite_alone() {
        const Row& a = a_.cells();
        Row out(kBonusColumns);
        put_months(out, a_.month(), rule_.calendar);
        for (int c = 3; c <= 13; ++c)
            out[c] = a[c];
        out[kNewPrincipal] = a[kNewPrincipal];
        return out;
    }

    Cursor a_;
    Cursor b_;
    const MergeRule& rule_;
};

}  // namespace

std::string label(int number) {
    if (number >= 1 && number <= static_cast<int>(kLabels.size())) return kLabels[number - 1];
    return "(" + std::to_string(number) + ")";
}

bool mergeable(const Row& row) {
    const std::string& flag = row.size() > 13 ? row[13] : std::string();
    return flag.empty() || flag[0] == 'D' || flag[0] == 'S';
}

Row head_row(const Grid& current, const LoanRule& rule) {
    Row out(rule.bonus ? kBonusColumns : kMonthlyColumns);
    out[0] = rule.label + "表";
    out[1] = rule.years;
    out[2] = rule.months;
    for (int c : {col::kPrincipal, col::kRate, col::kRemaining})
        out[c] = current.cell(kFirstDataRow, c);
    out[col::kInstalment] = current.cell(kSettingsRow, col::kInstalment);
    out[7] = (rule.bonus ? "ﾎﾞｰﾅｽ返済" : "月返済") + rule.label + "表";
    for (int c = col::kLastInterest; c <= col::kFlag; ++c)
        out[c] = current.cell(kSettingsRow, c);
    return out;
}

Rows copy_table(const Grid& current, const LoanRule& rule) {
    const int columns = rule.bonus ? kBonusColumns : kMonthlyColumns;
    Rows rows;
    rows.reserve(current.row_count());
    for (int r = 0; r < current.row_count(); ++r) {
        const Row& in = current.row_cells(r);
        Row out(columns);
        for (int c = 0; c < 14 && c < static_cast<int>(in.size()); ++c)
            out[c] = in[c];
        for (int c = 0; c < 3; ++c)
            out[kOwnMonth + c] = out[c];
        out[kNewPrincipal] = r == kFirstDataRow ? out[3] : "0";
        const bool data = r >= kFirstDataRow;
        if (data && !rule.bonus) {
            for (int c = kInterestSoFar; c <= kOutstanding; ++c)
                out[c] = "0";
        }
        if (r == 0) {
            out[6] = "返済一回分";
            out[8] = "利息内訳) ";
        } else {
            for (int c : kTextColumns)
                out[c] = rule.label + out[c];
        }
        if (rule.equal_principal && data) {
            // The table shows the equal principal in column 6 and the instalment in 8.
            const long double instalment = amount(current, r, 8);
            out[6] = in[8];
            out[8] = general(instalment - amount(current, r, 6));
        }
        if (rule.calendar && data) {
            // A row without a month number keeps the loan's own year and month.
            try {
                const long m = month_number(current, r, schedule_col::kMonth);
                out[1] = std::to_string((m - 1) / 12);
                out[2] = std::to_string((m - 1) % 12 + 1);
            } catch (const ConversionError&) {
            }
        }
        rows.push_back(std::move(out));
    }
    if (rows.empty()) rows.emplace_back(columns);
    rows[0][kNewPrincipal] = "新規発生元金";
    if (!rule.bonus) {
        rows[0][kInterestSoFar] = "利息累計額";
        rows[0][kPrincipalSoFar] = "元入累計額";
        rows[0][kOutstanding] = "元金残総額";
    }
    if (rows.size() < 2) rows.emplace_back(columns);
    rows[1] = head_row(current, rule);
    return rows;
}

void merge_rows(const Grid& composite, int composite_first, const Grid& other, int other_first,
                const MergeRule& rule, Rows& out) {
    out.reserve(out.size() + std::max(0, composite.row_count() - composite_first) +
                std::max(0, other.row_count() - other_first));
    Merger(composite, composite_first, other, other_first, rule).run(out);
}

void date_totals_rows(Rows& rows, int first) {
    for (std::size_t r = std::max(first, 1); r < rows.size(); ++r) {
        if (rows[r][13] != "K") continue;
        for (int c = 0; c < 3; ++c)
            rows[r][c] = rows[r - 1][c];
    }
}

void running_totals(Grid& table, int components) {
    const int first = components + 1;
    if (first >= table.row_count()) return;
    // Every value is read before anything is written: a cell that is no number leaves
    // the table as it was.
    Rows rows = table.rows();
    long double interest = amount(table, first, 10);
    long double principal = amount(table, first, 11);
    long double outstanding = amount(table, first, kNewPrincipal) - principal;
    rows[first][kInterestSoFar] = general(interest);
    rows[first][kPrincipalSoFar] = general(principal);
    rows[first][kOutstanding] = general(outstanding);
    for (int r = first + 1; r < table.row_count(); ++r) {
        Row& row = rows[r];
        if (row[13] == "K") {
            // A totals row repeats the totals and the month of the row above it.
            for (int c : {kInterestSoFar, kPrincipalSoFar, kOutstanding, 0, kOwnMonth})
                row[c] = rows[r - 1][c];
            continue;
        }
        const long double repaid = amount(table, r, 11);
        interest += amount(table, r, 10);
        principal += repaid;
        outstanding += amount(table, r, kNewPrincipal) - repaid;
        row[kInterestSoFar] = general(interest);
        row[kPrincipalSoFar] = general(principal);
        row[kOutstanding] = general(outstanding);
    }
    for (int r = 1; r <= components && r < table.row_count(); ++r) {
        for (int c = kOwnMonth; c <= kOutstanding; ++c)
            rows[r][c].clear();
    }
    table.assign_rows(std::move(rows));
    table.set_selection(table.selected_row(), kOutstanding);
}

}  // namespace rebanto::composite
