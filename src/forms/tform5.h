#pragma once
// "カレント表グラフ": the chart of the current monthly or bonus table.
#include "forms/chart_window.h"

namespace rebanto {

class TForm5 : public ChartWindow {
public:
    explicit TForm5(App& app)
        : ChartWindow(app, "TForm5", "カレント表グラフ 　　　 －グラフ部分Wクリックで本体表示－") {}

    // The current monthly table StGr1.
    void chart_monthly();
    // The current bonus table StGr2, under the second stream's name.
    void chart_bonus();
};

}  // namespace rebanto
