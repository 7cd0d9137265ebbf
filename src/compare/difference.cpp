#include "compare/difference.h"

#include <array>

#include "base/numtext.h"
#include "core/cell_values.h"

namespace rebanto::comparison {

namespace {

constexpr std::array<int, 3> kFlowColumns{kInstalment, kInterest, kPrincipal};
constexpr std::array<int, 4> kRunningColumns{kNewPrincipal, kInterestSoFar, kPrincipalSoFar,
                                             kOutstanding};
using Flows = std::array<long double, 3>;
using Running = std::array<long double, 4>;

// One of the two tables being walked: its grid, its title-row count and the row reached.
struct Side {
    const Grid& grid;
    int titles;
    int row;

    bool left() const { return row < grid.row_count(); }
    const std::string& remark(int r) const { return grid.cell(r, kRemark); }
    RowKind kind() const { return kind_of(remark(row)); }
    long month() const { return month_in(grid, row); }
    Flows flows(int r) const {
        return {amount_in(grid, r, kInstalment), amount_in(grid, r, kInterest),
                amount_in(grid, r, kPrincipal)};
    }
    Running running(int r) const {
        Running v{};
        for (std::size_t i = 0; i < kRunningColumns.size(); ++i)
            v[i] = amount_in(grid, r, kRunningColumns[i]);
        return v;
    }
    // The running totals a row before or after this table's periods stands for: the
    // header and the title rows carry none, and neither does a row whose new-principal
    // cell is empty.
    Running running_or_none(int r) const {
        if (r <= titles || r >= grid.row_count() || grid.cell(r, kNewPrincipal).empty()) {
            return Running{};
        }
        return running(r);
    }
    int last() const { return grid.row_count() - 1; }
};

Flows minus(const Flows& x, const Flows& y) {
    return {x[0] - y[0], x[1] - y[1], x[2] - y[2]};
}

Running minus(const Running& x, const Running& y) {
    return {x[0] - y[0], x[1] - y[1], x[2] - y[2], x[3] - y[3]};
}

class Difference {
public:
    Difference(const Grid& a, int titles_a, const Grid& b, int titles_b, bool calendar, Rows& out)
        : a_{a, titles_a, titles_a + 1},
          b_{b, titles_b, titles_b + 1},
          calendar_(calendar),
          out_(out) {}

    void run() {
        write_titles();
        merge();
        tail_of_b();
        tail_of_a();
    }

private:
    void write_titles() {
        for (int r = 0; r <= a_.titles; ++r) {
            Row row = a_.grid.row_cells(r);
            row.resize(kColumns);
            out_.push_back(std::move(row));
        }
        for (int r = 1; r <= b_.titles; ++r) {
            Row row(kColumns);
            for (int c = 0; c <= kRemark; ++c)
                row[c] = b_.grid.cell(r, c);
            row[kMonth] = "▲" + row[kMonth];
            out_.push_back(std::move(row));
        }
        first_data_ = static_cast<int>(out_.size());
    }

    void merge() {
        while (a_.left() && b_.left()) {
            const RowKind ka = a_.kind();
            const RowKind kb = b_.kind();
            if (ka == RowKind::Totals) {
                ++a_.row;
            } else if (kb == RowKind::Totals) {
                ++b_.row;
            } else if (ka == RowKind::Prepayment) {
                for (; a_.left() && a_.kind() == RowKind::Prepayment; ++a_.row)
                    fold_a(b_.running_or_none(b_.row - 1));
            } else if (kb == RowKind::Prepayment) {
                for (; b_.left() && b_.kind() == RowKind::Prepayment; ++b_.row)
                    fold_b(a_.running_or_none(a_.row - 1));
            } else if (kb != RowKind::Plain) {
                b_only(a_.remark(a_.row) + "▼" + b_.remark(b_.row), a_.running_or_none(a_.row - 1));
            } else {
                const long ma = a_.month();
                const long mb = b_.month();
                if (ka == RowKind::Plain && ma == mb) {
                    matched(ma);
                } else if (mb >= ma) {
                    a_only(ma, a_.remark(a_.row) + "△" + b_.remark(b_.row),
                           b_.running_or_none(b_.row - 1));
                } else {
                    b_only(a_.remark(a_.row) + "▼" + b_.remark(b_.row),
                           a_.running_or_none(a_.row - 1));
                }
            }
        }
    }

    // B goes on after A has ended: its months stand against A's last row.
    void tail_of_b() {
        const Running a_last = a_.running_or_none(a_.last());
        while (b_.left()) {
            const RowKind kind = b_.kind();
            if (kind == RowKind::Totals) {
                ++b_.row;
            } else if (kind == RowKind::Prepayment) {
                fold_b(a_last);
                ++b_.row;
            } else {
                b_only(b_.remark(b_.row), a_last);
            }
        }
    }

    // A goes on after B has ended: its months stand against B's last row.
    void tail_of_a() {
        const Running b_last = b_.running_or_none(b_.last());
        while (a_.left()) {
            const RowKind kind = a_.kind();
            if (kind == RowKind::Totals) {
                ++a_.row;
            } else if (kind == RowKind::Prepayment) {
                fold_a(b_last);
                ++a_.row;
            } else {
                a_only(a_.month(), a_.remark(a_.row), b_last);
            }
        }
    }

    Row& new_row(long month) {
        Row& row = out_.emplace_back(kColumns);
        const YearMonth ym = year_month(month, calendar_);
        row[kMonth] = std::to_string(month);
        row[kYear] = std::to_string(ym.year);
        row[kMonthOfYear] = std::to_string(ym.month);
        return row;
    }

    static void put_flows(Row& row, const Flows& v) {
        for (std::size_t i = 0; i < kFlowColumns.size(); ++i)
            row[kFlowColumns[i]] = general(v[i]);
    }

    static void put_running(Row& row, const Running& v) {
        for (std::size_t i = 0; i < kRunningColumns.size(); ++i)
            row[kRunningColumns[i]] = general(v[i]);
    }

    void matched(long month) {
        const Flows flows = minus(a_.flows(a_.row), b_.flows(b_.row));
        const Running running = minus(a_.running(a_.row), b_.running(b_.row));
        Row& row = new_row(month);
        put_flows(row, flows);
        put_running(row, running);
        row[kRemark] = a_.remark(a_.row) + b_.remark(b_.row);
        ++a_.row;
        ++b_.row;
    }

    void a_only(long month, std::string remark, const Running& b_before) {
        const Flows flows = a_.flows(a_.row);
        const Running running = minus(a_.running(a_.row), b_before);
        Row& row = new_row(month);
        put_flows(row, flows);
        put_running(row, running);
        row[kRemark] = std::move(remark);
        ++a_.row;
    }

    void b_only(std::string remark, const Running& a_before) {
        const long month = b_.month();
        const Flows flows = minus(Flows{}, b_.flows(b_.row));
        const Running running = minus(a_before, b_.running(b_.row));
        Row& row = new_row(month);
        put_flows(row, flows);
        put_running(row, running);
        row[kRemark] = std::move(remark);
        ++b_.row;
    }

    // A prepayment folds into the difference row before it; before the first one there
    // is nothing to fold into, so it gets a row of its own month.
    Row& fold_target(const Side& side) {
        if (static_cast<int>(out_.size()) <= first_data_) {
            Row& row = new_row(side.month());
            put_flows(row, Flows{});
        }
        return out_.back();
    }

    static Flows flows_of(const Row& row) {
        return {to_extended(row[kInstalment]), to_extended(row[kInterest]),
                to_extended(row[kPrincipal])};
    }

    // "U一括": A's prepayment is added to the row before it.
    void fold_a(const Running& b_before) {
        const Flows paid = a_.flows(a_.row);
        const Running running = minus(a_.running(a_.row), b_before);
        Row& row = fold_target(a_);
        const Flows before = flows_of(row);
        put_flows(row, {before[0] + paid[0], before[1] + paid[1], before[2] + paid[2]});
        put_running(row, running);
        row[kRemark] = "U一括";
    }

    // "U加算": B's prepayment is taken from the row before it.
    void fold_b(const Running& a_before) {
        const Flows paid = b_.flows(b_.row);
        const Running running = minus(a_before, b_.running(b_.row));
        Row& row = fold_target(b_);
        put_flows(row, minus(flows_of(row), paid));
        put_running(row, running);
        row[kRemark] = "U加算";
    }

    Side a_;
    Side b_;
    bool calendar_;
    Rows& out_;
    int first_data_ = 0;
};

}  // namespace

void difference_rows(const Grid& a, int titles_a, const Grid& b, int titles_b, bool calendar,
                     Rows& out) {
    out.reserve(out.size() + a.row_count() + b.row_count());
    Difference(a, titles_a, b, titles_b, calendar, out).run();
}

}  // namespace rebanto::comparison
