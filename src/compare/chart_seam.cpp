// The comparison window's chart goes to the chart window of the comparison tables.
#include "compare/chart_series.h"
#include "forms/app.h"
#include "forms/tformhi.h"
#include "forms/tformkgr.h"

namespace rebanto {

void TFormHi::show_chart(const comparison::Chart& chart) {
    LastChart = chart;
    app_.aux_chart.show_comparison(chart);
}

// Bars stack in the order of the table's series, the lines run over them; the colours are
// those of the schedule charts for the same quantities.
void TFormKGr::show_comparison(const comparison::Chart& chart) {
    static const Rgb kColours[5] = {
        {0x00, 0xFF, 0xFF},  // 新元金
        {0x00, 0xFF, 0x00},  // 元入小計
        {0xFF, 0x00, 0x00},  // 利息累計
        {0xFF, 0x80, 0x80},  // 利息小計
        {0x00, 0x80, 0x00},  // 元入累計
    };
    ChartData data;
    data.axis_title = "金額";
    data.foot = "月回";
    data.gradient_end = {0xFF, 0xF0, 0xD0};
    data.labels = chart.labels;
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const comparison::Series& from = chart.series[i];
        ChartSeries series;
        series.title = from.title;
        series.kind =
            from.kind == comparison::SeriesKind::Line ? SeriesKind::Line : SeriesKind::StackedBar;
        series.color = kColours[i];
        for (const Money& value : from.values)
            series.values.emplace_back(value.to_extended());
        data.series.push_back(std::move(series));
    }
    show();
    set_caption(chart.caption);
    Chart1.model.set_data(std::move(data));
}

}  // namespace rebanto
