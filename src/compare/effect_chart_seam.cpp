// The prepayment study's chart goes to its own chart window.
#include "compare/effect_chart.h"
#include "forms/app.h"
#include "forms/tformg3.h"
#include "forms/tformhi.h"

namespace rebanto {

void TFormHi::show_effect_chart(const comparison::EffectChart& chart) {
    LastEffectChart = chart;
    app_.effect_chart.show_effect_chart(chart);
}

TFormG3::TFormG3(App& app) : ChartWindow(app, "TFormG3", comparison::kEffectChartCaption) {
    Chart1.set_hint("グラフ部分Wクリックで比較表表示");
    Chart1.on_dbl_click = [this](Control& sender) { Chart1DblClick(sender); };
}

void TFormG3::Chart1DblClick(Control&) {
    app_.compare.show();
    if (raise_window) raise_window(app_.compare);
}

// Interest runs to millions of yen and last months to a few hundred: the interest is drawn
// in units of 10,000 yen so that both read on one axis.
void TFormG3::show_effect_chart(const comparison::EffectChart& chart) {
    static const Rgb kColours[3] = {{0xFF, 0x00, 0x00}, {0x00, 0x80, 0xFF}, {0x00, 0xC0, 0x00}};
    static const int kOffsets[3] = {0, -20, 20};
    ChartData data;
    data.axis_title = "支払利息総額(万円)・最終月回";
    data.foot = chart.title + "　横軸：1-月分繰上額（長期物への繰上額）";
    data.gradient_end = {0xE8, 0xF0, 0xFF};
    data.labels = chart.labels;
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const comparison::Series& from = chart.series[i];
        ChartSeries series;
        const bool line = from.kind == comparison::SeriesKind::Line;
        series.title = line ? from.title + "(万円)" : from.title;
        series.kind = line ? SeriesKind::Line : SeriesKind::Bar;
        series.color = kColours[i];
        series.offset_percent = kOffsets[i];
        for (const Money& value : from.values) {
            const long double v = value.to_extended();
            series.values.emplace_back(static_cast<double>(line ? v / 10000 : v));
        }
        data.series.push_back(std::move(series));
    }
    show();
    set_caption(chart.caption);
    Chart1.model.set_data(std::move(data));
    // Read flat the first time: the line and the bars are compared against one axis.
    if (!shown_before_) Button6Click(Button6);
    shown_before_ = true;
}

}  // namespace rebanto
