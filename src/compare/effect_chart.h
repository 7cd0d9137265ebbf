#pragma once
// What the chart window TFormG3 shows of the prepayment study: for one column group of the
// study table, the total interest of every row as a line and the last months of the long
// and the short loan as bars, paged 60 points at a time. Plain data for any chart widget.
#include <array>
#include <string>
#include <vector>

#include "compare/chart_series.h"
#include "model/grid.h"

namespace rebanto::comparison {

inline constexpr const char* kEffectChartCaption =
    "1-長期物　＆　5-短期物　分散繰上効果検討グラフ　 (グラフ部分Wクリックで比較表表示)";

// Paging of the chart: all points at once ("全表示"), or pages of `per_page` points
// ("頁分割") stepped through with "←" and "→".
struct ChartPaging {
    int per_page = 60;
    bool split = false;
    int page = 0;  // from 0

    int page_count(int points) const;
    // The points shown: [first, first + count).
    int first(int points) const;
    int count(int points) const;
    void split_pages() { split = true, page = 0; }
    void show_all() { split = false, page = 0; }
    void next(int points);
    void previous();
};

struct EffectChart {
    std::string caption = kEffectChartCaption;
    std::string title;                    // "[" group header "]の場合検討表グラフ"
    std::vector<std::string> labels;      // of the line's points: column 0 of each row
    std::vector<std::string> bar_labels;  // of the bars: column 3 of each row
    // 支払利息総額 (line, yen), 1-長期物最終月回 and 5-短期物最終月回 (bars, month numbers
    // held as whole yen so that every series is of one kind).
    std::array<Series, 3> series;
    ChartPaging paging;
};

// The column of the first cell of the group counted `from_right` (1 = the rightmost)
// among `groups`; the group's total interest is there, its two last months follow.
int group_column(int groups, int from_right);

// The chart of one group of the study table: one point per row from row 1 (from row 2
// when `without_no_prepayment`) whose column 0 is not empty. A cell that is no number
// names the table, its row and column.
EffectChart effect_chart_of(const Grid& study, int from_right, bool without_no_prepayment);

}  // namespace rebanto::comparison
