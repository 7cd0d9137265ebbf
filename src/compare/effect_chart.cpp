#include "compare/effect_chart.h"

#include <algorithm>

#include "compare/study_table.h"
#include "core/cell_values.h"

namespace rebanto::comparison {

int ChartPaging::page_count(int points) const {
    if (!split || points <= 0) return 1;
    return (points + per_page - 1) / per_page;
}

int ChartPaging::first(int points) const {
    return split ? std::min(page, page_count(points) - 1) * per_page : 0;
}

int ChartPaging::count(int points) const {
    if (!split) return std::max(points, 0);
    return std::clamp(points - first(points), 0, per_page);
}

void ChartPaging::next(int points) {
    if (split && page + 1 < page_count(points)) ++page;
}

void ChartPaging::previous() {
    if (split && page > 0) --page;
}

int group_column(int groups, int from_right) {
    return study::kFirstGroupColumn + 3 * (groups - from_right);
}

EffectChart effect_chart_of(const Grid& study, int from_right, bool without_no_prepayment) {
    const int groups = study::groups_of(study.col_count());
    const int column = group_column(groups, std::clamp(from_right, 1, std::max(groups, 1)));
    EffectChart chart;
    chart.title = "[" + study.cell(0, column) + "]の場合検討表グラフ";
    chart.series = {Series{"支払利息総額", SeriesKind::Line, column, {}},
                    Series{"1-長期物最終月回", SeriesKind::Bars, column + 1, {}},
                    Series{"5-短期物最終月回", SeriesKind::Bars, column + 2, {}}};
    if (groups < 1) return chart;
    for (int r = without_no_prepayment ? 2 : 1; r < study.row_count(); ++r) {
        if (study.cell(r, study::kLongMonthly).empty()) continue;
        // The whole row is read before its point is added: a bad cell adds no half point.
        std::array<Money, 3> values;
        for (std::size_t s = 0; s < values.size(); ++s)
            values[s] = money_in(study, r, chart.series[s].column);
        chart.labels.push_back(study.cell(r, study::kLongMonthly));
        chart.bar_labels.push_back(study.cell(r, study::kLongBonus));
        for (std::size_t s = 0; s < values.size(); ++s)
            chart.series[s].values.push_back(values[s]);
    }
    return chart;
}

}  // namespace rebanto::comparison
