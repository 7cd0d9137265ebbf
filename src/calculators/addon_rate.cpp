#include "calculators/addon_rate.h"

#include "base/numtext.h"

namespace rebanto {

namespace {

// An integer power in extended precision, by squaring.
long double power(long double base, std::int64_t exponent) {
    long double result = 1;
    while (exponent > 0) {
        if (exponent & 1) result *= base;
        base *= base;
        exponent >>= 1;
    }
    return result;
}

long double power_of_ten(int exponent) {
    return exponent >= 0 ? power(10, exponent) : 1 / power(10, -exponent);
}

}  // namespace

long double addon_rate(long double periodic_rate, std::int64_t payments) {
    const long double m = static_cast<long double>(payments);
    const long double r = periodic_rate;
    return (m * r / (1 - 1 / power(1 + r, payments)) - 1) * 100;
}

long double round_to_8_decimals(long double x) {
    return int_part(x * 1e8L + 0.5L) / 1e8L;
}

long double monthly_rate_for_addon(long double addon, std::int64_t payments,
                                   const std::function<void()>& after_trial) {
    long double c = 0;
    for (int e = 5; e >= -11; --e) {
        const long double unit = power_of_ten(e);
        int kept = 0;
        for (int digit = 1; digit <= 10; ++digit) {
            kept = digit - 1;
            const bool exceeds = addon_rate(unit * digit + c, payments) > addon;
            if (after_trial) after_trial();
            if (exceeds) break;
        }
        c += unit * kept;
    }
    return c;
}

long double annual_rate_for_addon(long double addon, std::int64_t payments,
                                  const std::function<void()>& after_trial) {
    const long double annual = monthly_rate_for_addon(addon, payments, after_trial) * 12 * 100;
    const long double shown = round_to_8_decimals(addon);
    for (int decimals = 0; decimals < 8; ++decimals) {
        const long double scale = power_of_ten(decimals);
        const long double candidate = int_part(annual * scale + 0.5L) / scale;
        if (candidate <= 0) continue;
        if (round_to_8_decimals(addon_rate(candidate / 12 / 100, payments)) == shown) {
            return candidate;
        }
    }
    return round_to_8_decimals(annual);
}

}  // namespace rebanto
