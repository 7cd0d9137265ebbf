#pragma once
// Two loans taken at once, each computed month by month without bonus instalments: the
// long loan (30,000,000 yen at 2.325 % over 35 years) in memory 1 and the short loan
// (5,000,000 yen at 2.0 % over 10 years) in memory 5, and the comparison window opened
// with its verification half.
#include <numeric>
#include <string>
#include <vector>

#include "reference_schedule.h"
#include "window_fixture.h"

namespace rebanto::testing {

class Verification : public ComparisonWindow {
protected:
    void run_loan_at(const std::string& principal, const std::string& rate,
                     const std::string& years) {
        f1.Ed0_moto.set_text(principal);
        f1.Ed0_kin.set_text(rate);
        f1.Ed0_nen.set_text(years);
        f1.Ed0_tuki.set_text("0");
        f1.Ed0_wari.set_text("0");
        f1.Ed1_mm5.set_text("1");
        f1.Bt0_allClearClick(f1.Bt0_allClear);
        f1.Button18.click();
    }
    void store_long(int k) {
        run_loan_at("30000000", "2.325", "35");
        store(k);
    }
    void store_short(int k) {
        run_loan_at("5000000", "2.0", "10");
        store(k);
    }
    // Long loan in memory 1, short loan in memory 5, the verification half open.
    void two_loans() {
        store_long(1);
        store_short(5);
        open();
        hi.Button9.click();
        platform.take_log();
    }
    void full_mode() { hi.RadioButton2.set_checked(true); }

    // The memory's monthly rows as they were stored.
    const std::vector<std::vector<std::string>>& memory(int k) const {
        return app.cur.slots[k - 1].monthly;
    }
    static const std::string& last_cell(const Grid& table, int col) {
        return table.cell(table.row_count() - 1, col);
    }
};

// The two loans worked out apart from the program.
inline constexpr RefRate kLongRate{2325, 1000};
inline constexpr RefRate kShortRate{2, 1};

inline RefLoan long_loan() {
    RefLoan loan;
    loan.principal = 30'000'000;
    loan.months = 420;
    loan.first_instalment = reference_instalment(30'000'000, 420, kLongRate);
    loan.rate = [](long long) { return kLongRate; };
    return loan;
}

inline RefLoan short_loan(RefRate rate = kShortRate) {
    RefLoan loan;
    loan.principal = 5'000'000;
    loan.months = 120;
    loan.first_instalment = reference_instalment(5'000'000, 120, rate);
    loan.rate = [rate](long long) { return rate; };
    return loan;
}

inline RefLoan prepaid(RefLoan loan, long long month, long long amount) {
    loan.prepay_month = month;
    loan.prepay_amount = amount;
    return loan;
}

inline long long total_interest(const std::vector<RefRow>& rows) {
    return std::accumulate(rows.begin(), rows.end(), 0LL,
                           [](long long sum, const RefRow& r) { return sum + r.interest; });
}

// The long loan paying, from the short loan's last month on, what the short loan no longer
// takes: the rest of its last instalment, then its whole instalment for every month gained.
// When a prepayment of `paid_off_by` in that last month paid the short loan off, what it
// paid beyond the balance goes to the long loan that month.
inline RefLoan with_capacity_kept(RefLoan loan, const std::vector<RefRow>& short_prepaid,
                                  long long short_term, long long paid_off_by = 0) {
    const RefRow last = short_prepaid.back();
    const long long left = last.after - paid_off_by;
    loan.extra = [last, left, short_term](long long m) -> long long {
        if (m == last.month) return -left;
        return m > last.month && m <= short_term ? last.instalment : 0;
    };
    return loan;
}

}  // namespace rebanto::testing
