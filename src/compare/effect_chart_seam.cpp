// Where the comparison window hands the chart of its prepayment study to the chart window.
#include "forms/app.h"
#include "forms/tformhi.h"

namespace rebanto {

// The chart widget of TFormG3 attaches here: it shows `chart` in that window.
void TFormHi::show_effect_chart(const comparison::EffectChart& chart) {
    LastEffectChart = chart;
    app_.effect_chart.set_caption(chart.caption);
    app_.effect_chart.show();
}

}  // namespace rebanto
