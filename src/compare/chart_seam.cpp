// Where the comparison window hands its chart to the chart widget.
#include "forms/tformhi.h"

namespace rebanto {

// The chart widget attaches here: it shows `chart` in the chart window.
void TFormHi::show_chart(const comparison::Chart& chart) {
    LastChart = chart;
}

}  // namespace rebanto
