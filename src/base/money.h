#pragma once
// Money: a signed amount in ten-thousandths of a yen. Never hold money in double.
#include <compare>
#include <cstdint>

#include "base/errors.h"

namespace rebanto {

class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money from_raw(std::int64_t ten_thousandths) { return Money(ten_thousandths); }
    static constexpr Money from_yen(std::int64_t yen) {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(yen, kScale, &raw)) throw MoneyOverflow();
        return Money(raw);
    }
    // value × 10000 rounded to the nearest integer, ties to even.
    static Money from_extended(long double yen);

    constexpr std::int64_t raw() const { return raw_; }
    long double to_extended() const { return static_cast<long double>(raw_) / kScale; }
    // Whole yen, truncated toward zero.
    constexpr std::int64_t whole_yen() const { return raw_ / kScale; }

    // Every operation is checked: an amount out of range is an error, never a wrapped number.
    constexpr Money operator-() const { return Money() - *this; }
    constexpr Money& operator+=(Money o) {
        if (__builtin_add_overflow(raw_, o.raw_, &raw_)) throw MoneyOverflow();
        return *this;
    }
    constexpr Money& operator-=(Money o) {
        if (__builtin_sub_overflow(raw_, o.raw_, &raw_)) throw MoneyOverflow();
        return *this;
    }
    friend constexpr Money operator+(Money a, Money b) { return a += b; }
    friend constexpr Money operator-(Money a, Money b) { return a -= b; }
    // n times the amount.
    constexpr Money times(std::int64_t n) const {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(raw_, n, &raw)) throw MoneyOverflow();
        return Money(raw);
    }
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// The amount limit of every amount field: 10,000,000,000 yen.
inline constexpr Money kMaxAmount = Money::from_yen(10'000'000'000);
// The rate limit of every rate field, percent, in ten-thousandths: 1000 %.
inline constexpr std::int64_t kMaxRateRaw = 10'000'000;

}  // namespace rebanto
