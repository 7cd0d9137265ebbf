#pragma once
// The painter's parts, shared by its two files: the plot (walls, grid, bars and line,
// flat or in 3-D) and what stands around it (background, legend, labels).
#include <QColor>

#include "charts/chart_data.h"
#include "charts/chart_model.h"
#include "ui/chart_layout.h"

class QPainter;

namespace rebanto::ui {

inline QColor to_qcolor(Rgb c) {
    return {c.r, c.g, c.b};
}

// The walls, their grid lines at the value ticks, and every series inside them.
void paint_plot(QPainter& painter, const ChartModel& chart, const ChartLayout& layout);

}  // namespace rebanto::ui
