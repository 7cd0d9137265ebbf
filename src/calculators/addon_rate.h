#pragma once
// The add-on rate: the total interest of an equal-instalment loan as a percentage of its
// principal, whatever the term. A loan of m payments at the periodic rate r pays
// m × r ÷ (1 − (1 + r)^−m) per unit of principal, so its add-on rate is that less one, in
// percent.
#include <cstdint>
#include <functional>

namespace rebanto {

long double addon_rate(long double periodic_rate, std::int64_t payments);

// trunc(x × 10^8 + 0.5) ÷ 10^8: eight decimals, as the dialog shows rates.
long double round_to_8_decimals(long double x);

// The monthly rate whose add-on over n payments is the largest not above `addon`, built
// digit by digit from 10^5 down to 10^−11; a digit never goes past 9. `after_trial` runs
// after each of the (at most 170) trials.
long double monthly_rate_for_addon(long double addon, std::int64_t payments,
                                   const std::function<void()>& after_trial = {});

// The annual rate in percent, to eight decimals at most, for an add-on rate. The monthly
// rate found digit by digit lies within 10^−11 of the exact one, but the add-on itself is
// known to eight decimals only, which leaves a small band of annual rates that all give
// it. Of that band the rate with the fewest decimals is taken, so a rate converted to its
// add-on and back comes back as it was typed (2.6 stays 2.6, not 2.59999999).
long double annual_rate_for_addon(long double addon, std::int64_t payments,
                                  const std::function<void()>& after_trial = {});

}  // namespace rebanto
