#pragma once
// "合成表グラフ": the chart of the composite monthly or bonus table of "複合編成".
#include "forms/chart_window.h"

namespace rebanto {

class TForm3 : public ChartWindow {
public:
    explicit TForm3(App& app)
        : ChartWindow(app, "TForm3", "合成表グラフ 　　　 －グラフ部分Wクリックで本体表示－") {}

    // The composite monthly table StringGrid3.
    void chart_monthly();
    // The composite bonus table StringGrid4, under the second stream's name.
    void chart_bonus();
};

}  // namespace rebanto
