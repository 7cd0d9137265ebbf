#include "charts/chart_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rebanto {

namespace {

// A step of 10^k times 1, 2 or 5 not below `raw`.
double round_step(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw * (1 - 1e-12)) return factor * power;
    }
    return 10 * power;
}

int decimals_for(double step) {
    if (!(step > 0) || step >= 1) return 0;
    return std::min(12, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

}  // namespace

AxisTicks axis_ticks(ValueRange range, int max_ticks, bool widen) {
    AxisTicks ticks;
    double low = range.low;
    double high = range.high;
    if (!std::isfinite(high - low)) low = 0, high = 1;
    if (!(high > low)) high = low + 1;
    const int intervals = std::max(1, max_ticks);
    ticks.step = round_step((high - low) / intervals);
    // A range too narrow or too wide for a round step in doubles gets the plain one.
    if (!(ticks.step > 0) || !std::isfinite(ticks.step) || !(high > low)) {
        low = 0;
        high = 1;
        ticks.step = 1.0 / intervals;
    }
    if (widen) {
        low = std::floor(low / ticks.step + 1e-9) * ticks.step;
        high = std::ceil(high / ticks.step - 1e-9) * ticks.step;
    }
    ticks.low = low;
    ticks.high = high;
    // Counted in whole steps, so that no residue of repeated additions shows in a label.
    const double first = std::ceil(low / ticks.step - 1e-9);
    const double last = std::floor(high / ticks.step + 1e-9);
    for (double k = first; k <= last && ticks.values.size() < 1000; ++k)
        ticks.values.push_back(k * ticks.step);
    return ticks;
}

std::string tick_label(double value, double step) {
    const int decimals = decimals_for(step);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    std::string digits(buffer);
    const std::size_t point = digits.find('.');
    const std::size_t whole = point == std::string::npos ? digits.size() : point;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i < whole && (whole - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    const bool zero = text.find_first_not_of("0.,") == std::string::npos;
    return value < 0 && !zero ? "-" + text : text;
}

}  // namespace rebanto
