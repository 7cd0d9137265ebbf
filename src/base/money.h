#pragma once
// Money: a signed amount in ten-thousandths of a yen. Never hold money in double.
#include <compare>
#include <cstdint>

namespace rebanto {

class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money from_raw(std::int64_t ten_thousandths) { return Money(ten_thousandths); }
    static constexpr Money from_yen(std::int64_t yen) { return Money(yen * kScale); }
    // value × 10000 rounded to the nearest integer, ties to even.
    static Money from_extended(long double yen);

    constexpr std::int64_t raw() const { return raw_; }
    long double to_extended() const { return static_cast<long double>(raw_) / kScale; }
    // Whole yen, truncated toward zero.
    constexpr std::int64_t whole_yen() const { return raw_ / kScale; }

    constexpr Money operator-() const { return Money(-raw_); }
    constexpr Money& operator+=(Money o) { raw_ += o.raw_; return *this; }
    constexpr Money& operator-=(Money o) { raw_ -= o.raw_; return *this; }
    friend constexpr Money operator+(Money a, Money b) { return Money(a.raw_ + b.raw_); }
    friend constexpr Money operator-(Money a, Money b) { return Money(a.raw_ - b.raw_); }
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
