#pragma once
// The comparison window's chart: table A, B or A − B with its five series, under the caption
// of the table charted.
#include "forms/chart_window.h"

namespace rebanto {

namespace comparison {
struct Chart;
}

class TFormKGr : public ChartWindow {
public:
    explicit TFormKGr(App& app) : ChartWindow(app, "TFormKGr", "") {}

    // Shows the window with the comparison table's series.
    void show_comparison(const comparison::Chart& chart);
};

}  // namespace rebanto
