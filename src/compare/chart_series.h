#pragma once
// What the chart of a comparison table shows: five series over the table's data rows,
// one point per month, for any chart widget to draw.
#include <array>
#include <string>
#include <vector>

#include "base/money.h"
#include "model/grid.h"

namespace rebanto::comparison {

enum class SeriesKind { Bars, Line };

struct Series {
    std::string title;
    SeriesKind kind = SeriesKind::Bars;
    int column = 0;  // the comparison-table column it is read from
    std::vector<Money> values;
};

struct Chart {
    std::string caption;              // the chart window's caption
    std::vector<std::string> labels;  // one per point: the month number (column 0)
    // 新元金 (bars), 元入小計 (bars), 利息累計 (line), 利息小計 (bars), 元入累計 (line).
    std::array<Series, 5> series;
};

// Which of the three comparison tables is charted.
enum class ChartTable { A, B, Difference };

std::string chart_caption(ChartTable table);

// One point per data row (rows after the `titles` title rows) that is not a totals row
// and whose column 5 is not empty. A cell that is no number names its table, row and
// column.
Chart chart_of(const Grid& table, int titles, ChartTable which);

}  // namespace rebanto::comparison
