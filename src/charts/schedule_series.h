#pragma once
// The four series a schedule table is charted in: "新元金", "元入小計" and "利息小計" as
// stacked bars, "利息累計" as a line, all on the right-hand axis "金額", one point per row
// labelled with its month number.
#include <string>

#include "base/errors.h"
#include "charts/chart_data.h"
#include "model/grid.h"

namespace rebanto {

// Which rows of a table a chart takes.
enum class ChartedTable {
    // A current table: every row from the first data row.
    Current,
    // A composite table: its head rows (settings strings beginning "T") are left out.
    Composite,
};

// A cell the chart cannot take: the message names the table, the cell, its text and why.
class ChartCellError : public ConversionError {
public:
    ChartCellError(const Grid& table, int row, int col, const std::string& text,
                   const std::string& reason);
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// The four series with their titles and colours, no points yet.
ChartData schedule_chart_frame(Rgb gradient_end);

// Adds a point to each series for every charted row from row 2: new principal (column 12),
// principal subtotal (column 11), interest subtotal (column 10) and the interest summed so
// far, which a totals row ("K") does not raise. Cells are read as whole yen; the first
// that is not one throws ChartCellError, and the points before its row stay in `data`.
void add_schedule_rows(const Grid& table, ChartedTable kind, ChartData& data);

}  // namespace rebanto
