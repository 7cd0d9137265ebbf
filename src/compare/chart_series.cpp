#include "compare/chart_series.h"

#include "compare/comparison_table.h"
#include "core/cell_values.h"

namespace rebanto::comparison {

std::string chart_caption(ChartTable table) {
    const char* names[] = {"A表グラフ　---　A加算表", "B表グラフ　---　B加算表",
                           "A-B表グラフ　---　A-B差引表"};
    return std::string(names[static_cast<int>(table)]) +
           "　---　 (グラフ部分Wクリックで本体等表示)";
}

Chart chart_of(const Grid& table, int titles, ChartTable which) {
    Chart chart;
    chart.caption = chart_caption(which);
    chart.series = {Series{"新元金", SeriesKind::Bars, kOutstanding, {}},
                    Series{"元入小計", SeriesKind::Bars, kPrincipal, {}},
                    Series{"利息累計", SeriesKind::Line, kInterestSoFar, {}},
                    Series{"利息小計", SeriesKind::Bars, kInterest, {}},
                    Series{"元入累計", SeriesKind::Line, kPrincipalSoFar, {}}};
    for (int r = titles + 1; r < table.row_count(); ++r) {
        if (kind_of(table.cell(r, kRemark)) == RowKind::Totals) continue;
        if (table.cell(r, kPrincipal).empty()) continue;
        // Every value of the row is read before the point is added, so a bad cell adds
        // no half point.
        std::array<Money, 5> values;
        for (std::size_t s = 0; s < values.size(); ++s)
            values[s] = money_in(table, r, chart.series[s].column);
        chart.labels.push_back(table.cell(r, kMonth));
        for (std::size_t s = 0; s < values.size(); ++s)
            chart.series[s].values.push_back(values[s]);
    }
    return chart;
}

}  // namespace rebanto::comparison
