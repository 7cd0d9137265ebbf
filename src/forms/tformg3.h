#pragma once
// The chart of the prepayment study: for one column group of the study table, the total
// interest of each budget split as a line and the last months of the long and the short
// loan as bars. A double click on the chart brings the comparison window back.
#include "forms/chart_window.h"

namespace rebanto {

namespace comparison {
struct EffectChart;
}

class TFormG3 : public ChartWindow {
public:
    explicit TFormG3(App& app);

    // Shows the window with the study's chart.
    void show_effect_chart(const comparison::EffectChart& chart);
    void Chart1DblClick(Control& sender);

private:
    bool shown_before_ = false;
};

}  // namespace rebanto
