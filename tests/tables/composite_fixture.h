#pragma once
// Loans written into the current tables by hand, with round figures whose sums can be
// worked out on paper: each month pays the same interest and principal, and the table
// ends with a totals row ("K") as a finished schedule does.
#include <string>
#include <vector>

#include "core/schedule_table.h"
#include "tables_fixture.h"

namespace rebanto::testing {

struct HandLoan {
    long long first_month;
    long long last_month;
    long long principal;
    long long interest;  // every month
    long long repaid;    // every month
    long long step = 1;  // months between rows
};

class CompositeTest : public TablesTest {
protected:
    static std::string n(long long v) { return std::to_string(v); }

    // Header, settings row, one row per month, and the totals row at the last month.
    void write_loan(Grid& table, const HandLoan& loan, const std::string& rate = "2") {
        std::vector<std::vector<std::string>> rows;
        rows.push_back(table.row_cells(0));
        std::vector<std::string> settings(14);
        settings[6] = n(loan.interest + loan.repaid);
        settings[8] = "************";
        settings[13] = "T･6･6･64･･･････････････････････････";
        rows.push_back(settings);
        long long balance = loan.principal;
        long long count = (loan.last_month - loan.first_month) / loan.step + 1;
        long long number = 1;
        for (long long m = loan.first_month; m <= loan.last_month; m += loan.step, ++number) {
            rows.push_back({n(m), n(m / 12), n(m % 12), n(balance), rate, n(count),
                            n(loan.interest + loan.repaid), n(number), n(loan.interest), "1",
                            n(loan.interest), n(loan.repaid), n(balance - loan.repaid), ""});
            balance -= loan.repaid;
            --count;
        }
        const long long paid = (loan.interest + loan.repaid) * (number - 1);
        rows.push_back({n(loan.last_month), "経", "過", n(paid), "=精算総額", "返済計", n(paid),
                        "-", "0", "経過", n(loan.interest * (number - 1)),
                        n(loan.repaid * (number - 1)), n(balance), "K"});
        table.set_row_count(0);
        for (auto& row : rows)
            table.append_row(row);
    }

    // Sum of one column over the data rows from `first` that are not totals rows.
    static long long column_sum(const Grid& table, int first, int col) {
        long long sum = 0;
        for (int r = first; r < table.row_count(); ++r) {
            if (table.cell(r, 13).find('K') != std::string::npos) continue;
            sum += std::stoll(table.cell(r, col));
        }
        return sum;
    }

    // The first data row whose month column reads `month`.
    static int row_of_month(const Grid& table, int first, long long month) {
        for (int r = first; r < table.row_count(); ++r) {
            if (table.cell(r, 0) == std::to_string(month)) return r;
        }
        return -1;
    }

    // Loan A: months 1..120, 1,320,000 yen repaid by 11,000 a month with 1,000 interest.
    const HandLoan loan_a{1, 120, 1'320'000, 1'000, 11'000};
    // Loan B: months 61..180, 2,400,000 yen repaid by 20,000 a month with 5,000 interest.
    const HandLoan loan_b{61, 180, 2'400'000, 5'000, 20'000};
};

}  // namespace rebanto::testing
