#pragma once
// Comparison tables written by hand, with round figures whose differences can be worked
// out on paper: each month pays the same interest and principal, the running columns
// count them up, and a table ends with a totals row as a summed schedule does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compare/comparison_table.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto::testing {

struct HandRow {
    long long month;
    long long instalment, interest, principal;
    std::string remark;
    long long new_principal, interest_so_far, principal_so_far, outstanding;
};

class ComparisonTables : public ::testing::Test {
protected:
    static std::string n(long long v) { return std::to_string(v); }

    static comparison::Row row_of(const HandRow& h) {
        return {n(h.month),
                n(h.month / 12),
                n(h.month % 12),
                n(h.instalment),
                n(h.interest),
                n(h.principal),
                h.remark,
                "",
                n(h.new_principal),
                n(h.interest_so_far),
                n(h.principal_so_far),
                n(h.outstanding)};
    }

    // A loan of `principal` from `first` to `last` paying `interest` and `repaid` every
    // month; `remark` marks every row.
    static std::vector<HandRow> loan(long long first, long long last, long long principal,
                                     long long interest, long long repaid,
                                     const std::string& remark = "") {
        std::vector<HandRow> rows;
        long long k = 1;
        for (long long m = first; m <= last; ++m, ++k) {
            rows.push_back({m, interest + repaid, interest, repaid, remark,
                            m == first ? principal : 0, interest * k, repaid * k,
                            principal - repaid * k});
        }
        return rows;
    }

    // Header, the title rows, the rows, and (with `totals`) a totals row repeating the
    // running columns of the last row, as the composite work writes it.
    static void write(Grid& table, const std::vector<std::string>& titles,
                      const std::vector<HandRow>& rows, bool totals = true) {
        comparison::Rows out;
        comparison::Row header(comparison::kColumns);
        for (int c = 0; c < comparison::kColumns; ++c) {
            if (comparison::kHeader[c] != nullptr) header[c] = comparison::kHeader[c];
        }
        out.push_back(header);
        for (const std::string& title : titles) {
            comparison::Row row(comparison::kColumns);
            row[0] = title;
            row[3] = "1000000";
            row[4] = "①2.325";
            row[6] = "T･6･6･64･･･";
            out.push_back(row);
        }
        for (const HandRow& h : rows)
            out.push_back(row_of(h));
        if (totals && !rows.empty()) {
            HandRow k = rows.back();
            k.remark = "K";
            k.new_principal = 0;
            out.push_back(row_of(k));
        }
        table.assign_rows(std::move(out));
    }

    // The first data row (after `titles` title rows) of a month, or -1.
    static int row_of_month(const Grid& table, int titles, long long month) {
        for (int r = titles + 1; r < table.row_count(); ++r) {
            if (table.cell(r, 0) == n(month)) return r;
        }
        return -1;
    }

    Form sheet{"Sheet", ""};
    Grid a{sheet, "A", 2, comparison::kColumns, 1, 3};
    Grid b{sheet, "B", 2, comparison::kColumns, 1, 3};
    Grid d{sheet, "D", 2, comparison::kColumns, 1, 3};
};

}  // namespace rebanto::testing
