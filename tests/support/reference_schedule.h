#pragma once
// An equal-instalment monthly schedule worked out apart from the program, from the lender's
// rules alone: interest on the balance cut to the 100-yen accrual unit, truncated to the yen
// (x + 0.00001, integer part); the instalment of a fresh loan from the annuity formula in
// quadruple precision, rounded to ten-thousandths and then truncated to the yen. Exact
// integer arithmetic everywhere else.
#include <functional>
#include <vector>

namespace rebanto::testing {

struct RefRow {
    long long month, principal, remaining, instalment, interest, repaid, after;
};

// A rate in percent per year as a fraction: 2.325 % is {2325, 1000}.
struct RefRate {
    long long num, den;
};

inline long long reference_interest(long long balance, RefRate rate) {
    const __int128 base = balance / 100 * 100;
    const __int128 den = static_cast<__int128>(rate.den) * 1200;
    const __int128 num = base * rate.num;
    return static_cast<long long>((num * 100000 + den) / (den * 100000));
}

inline long long reference_instalment(long long principal, long long count, RefRate rate) {
    const __float128 c = static_cast<__float128>(rate.num) / rate.den / 1200;
    __float128 h = 1;
    for (long long i = 0; i < count; ++i)
        h *= 1 + c;
    const __float128 x = principal * c / (1 - 1 / h);
    const long long v = static_cast<long long>(x * 10000 + static_cast<__float128>(0.5));
    return v / 10000;
}

struct RefLoan {
    long long principal = 24'000'000;
    long long months = 420;
    long long first_instalment = 83'564;
    std::function<RefRate(long long month)> rate = [](long long) { return RefRate{2325, 1000}; };
    // Months up to this one keep the first instalment; later months get the instalment of
    // a fresh loan of the balance over the remaining count at the month's rate.
    long long keep_until = 1'000'000;
    // False: the instalment is worked out once, for the month after keep_until, and kept.
    bool recompute_each_month = true;
    long long prepay_month = 0;  // a prepayment paid with this month's instalment
    long long prepay_amount = 0;
    // Paid on top of the instalment in a month (nothing when empty).
    std::function<long long(long long month)> extra;
};

// The rows a one-month-step replay writes: a month whose balance is at most 0.3 × the
// instalment writes none (the residue of the last payment).
inline std::vector<RefRow> reference_schedule(const RefLoan& loan) {
    std::vector<RefRow> rows;
    long long balance = loan.principal;
    long long instalment = loan.first_instalment;
    for (long long m = 1; m <= loan.months; ++m) {
        const long long remaining = loan.months - m + 1;
        if (m > loan.keep_until && (loan.recompute_each_month || m == loan.keep_until + 1))
            instalment = reference_instalment(balance, remaining, loan.rate(m));
        const long long paid = instalment + (loan.extra ? loan.extra(m) : 0);
        if (10 * balance > 3 * paid) {
            const long long interest = reference_interest(balance, loan.rate(m));
            const long long repaid = paid - interest;
            rows.push_back({m, balance, remaining, paid, interest, repaid, balance - repaid});
            balance -= repaid;
        }
        if (m == loan.prepay_month) balance -= loan.prepay_amount;
    }
    return rows;
}

}  // namespace rebanto::testing
