#pragma once
// The ticks of a value axis: a round step (1, 2 or 5 times a power of ten) and the values
// that carry a label.
#include <string>
#include <vector>

#include "charts/chart_model.h"

namespace rebanto {

struct AxisTicks {
    double low = 0;
    double high = 1;
    double step = 1;
    std::vector<double> values;  // from low to high, each a multiple of step
};

// The roundest step that puts at most `max_ticks` intervals over the range. With
// `widen`, the range grows outwards to the ticks around it (automatic scaling); without,
// it stays as given (a zoom) and only the ticks inside it are listed.
AxisTicks axis_ticks(ValueRange range, int max_ticks, bool widen);

// A tick's label: thousands grouped, as many decimals as the step needs ("24,000,000",
// "-1,500", "0.25").
std::string tick_label(double value, double step);

}  // namespace rebanto
