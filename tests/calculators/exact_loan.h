#pragma once
// A loan worked out apart from the program, in exact integers: the annuity compared as a
// fraction of big integers, interest truncated on the balance cut to the accrual unit.
// The expected figures of the calculator tests come from here, never from the program.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace rebanto::testing {

// A natural number of any size, little-endian 32-bit limbs.
class BigNat {
public:
    explicit BigNat(std::uint64_t v = 0) {
        while (v != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(v));
            v >>= 32;
        }
    }
    friend BigNat operator*(BigNat a, std::uint32_t k) {
        a.mul32(k);
        return a;
    }
    // a − b for a ≥ b.
    friend BigNat operator-(const BigNat& a, const BigNat& b) {
        BigNat r = a;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < r.limbs_.size(); ++i) {
            std::int64_t d = static_cast<std::int64_t>(r.limbs_[i]) - borrow -
                             (i < b.limbs_.size() ? b.limbs_[i] : 0);
            borrow = d < 0 ? 1 : 0;
            r.limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        r.trim();
        return r;
    }
    friend BigNat operator+(const BigNat& a, const BigNat& b) {
        BigNat r;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(a.limbs_.size(), b.limbs_.size()) || carry; ++i) {
            std::uint64_t s = carry;
            if (i < a.limbs_.size()) s += a.limbs_[i];
            if (i < b.limbs_.size()) s += b.limbs_[i];
            r.limbs_.push_back(static_cast<std::uint32_t>(s));
            carry = s >> 32;
        }
        r.trim();
        return r;
    }
    friend int compare(const BigNat& a, const BigNat& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
        return 0;
    }
    // Multiplies by any 64-bit number.
    friend BigNat times(const BigNat& a, std::uint64_t k) {
        const BigNat low = a * static_cast<std::uint32_t>(k);
        BigNat high = a * static_cast<std::uint32_t>(k >> 32);
        high.limbs_.insert(high.limbs_.begin(), 0u);
        high.trim();
        return low + high;
    }
    static BigNat power(std::uint32_t base, int exponent) {
        BigNat r(1);
        for (int i = 0; i < exponent; ++i)
            r.mul32(base);
        return r;
    }

private:
    void mul32(std::uint32_t k) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t p = static_cast<std::uint64_t>(limb) * k + carry;
            limb = static_cast<std::uint32_t>(p);
            carry = p >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }
    std::vector<std::uint32_t> limbs_;
};

// A periodic rate as the fraction a / b: an annual rate of R thousandths of a percent
// paid monthly is R / 1,200,000.
struct PeriodRate {
    std::uint32_t a;
    std::uint32_t b;
    static constexpr PeriodRate monthly(std::uint32_t thousandths_of_percent) {
        return {thousandths_of_percent, 1'200'000};
    }
    // The rates the search finds have five decimals.
    static constexpr PeriodRate monthly_fine(std::uint32_t hundred_thousandths_of_percent) {
        return {hundred_thousandths_of_percent, 120'000'000};
    }
    static constexpr PeriodRate half_yearly(std::uint32_t thousandths_of_percent) {
        return {thousandths_of_percent, 200'000};
    }
};

// Whether the equal instalment of principal p over n payments, rounded to ten-thousandths
// (ties to even) and cut to the yen, is at least t yen: p·c·h / (h − 1) ≥ t − 1/20000 with
// h = (1 + c)^n, that is 20000·p·a·(b + a)^n ≥ (20000·t − 1)·b·((b + a)^n − b^n).
inline bool instalment_reaches(std::int64_t p, int n, PeriodRate c, std::int64_t t) {
    if (20000 * t - 1 < 0) return true;
    const BigNat grown = BigNat::power(c.b + c.a, n);
    const BigNat left = times(times(grown, static_cast<std::uint64_t>(p) * c.a), 20000);
    const BigNat right =
        times(times(grown - BigNat::power(c.b, n), c.b), static_cast<std::uint64_t>(20000 * t - 1));
    return compare(left, right) >= 0;
}

// The instalment of principal p: the largest t the instalment reaches. At rates below
// 100 % per period it is below twice the principal.
inline std::int64_t exact_instalment(std::int64_t p, int n, PeriodRate c) {
    std::int64_t lo = 0;          // reached
    std::int64_t hi = 2 * p + 2;  // not reached
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (instalment_reaches(p, n, c, mid)) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return lo;
}

// The smallest principal from 1 to 1,000,000,000 yen whose instalment reaches t; 0 when
// none does.
inline std::int64_t smallest_principal_reaching(std::int64_t t, int n, PeriodRate c) {
    std::int64_t lo = 1;
    std::int64_t hi = 1'000'000'000;
    if (!instalment_reaches(hi, n, c, t)) return 0;
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (instalment_reaches(mid, n, c, t)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

// The balance after n payments of `instalment` from principal p: each interest is
// trunc(base·c + 0.00001) on the balance cut toward zero to the accrual unit.
inline std::int64_t balance_after(std::int64_t p, std::int64_t instalment, int n, PeriodRate c,
                                  std::int64_t unit) {
    __int128 balance = p;
    for (int i = 0; i < n; ++i) {
        const __int128 base = balance / unit * unit;
        const __int128 interest =
            (base * c.a * 100'000 + c.b) / (static_cast<__int128>(c.b) * 100'000);
        balance -= instalment - interest;
    }
    return static_cast<std::int64_t>(balance);
}

// The add-on rate of m payments at the periodic rate c, in hundred-millionths of a
// percent, rounded half up: with N = m·a·(b + a)^m and D = b·((b + a)^m − b^m) the add-on
// is (N / D − 1) × 100 %, so the result is floor(((N − D)·2·10^10 + D) / (2·D)).
inline std::int64_t addon_in_1e8(int m, PeriodRate c) {
    const BigNat grown = BigNat::power(c.b + c.a, m);
    const BigNat n_ = times(grown, static_cast<std::uint64_t>(m) * c.a);
    const BigNat d = times(grown - BigNat::power(c.b, m), c.b);
    const BigNat numerator = times(n_ - d, 20'000'000'000ull) + d;
    const BigNat twice_d = times(d, 2);
    std::int64_t lo = 0;
    std::int64_t hi = std::int64_t{1} << 50;  // far above any add-on of these tests
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo + 1) / 2;
        if (compare(times(twice_d, static_cast<std::uint64_t>(mid)), numerator) <= 0) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return lo;
}

}  // namespace rebanto::testing
