#pragma once
// Draws a chart model: the background gradient, the legend, the walls with their grid,
// the stacked bars and the line (flat, or as boxes and a ribbon in 3-D), the value labels
// on the right, the point labels and the foot below, and the note of an empty chart.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <string>

#include "charts/chart_model.h"

class QPainter;

namespace rebanto::ui {

void paint_chart(QPainter& painter, const ChartModel& chart, const QRectF& area);

// The chart drawn at `size` in `font`.
QImage chart_image(const ChartModel& chart, QSize size, const QFont& font);
// The same as the bytes of a PNG file; empty when it could not be made.
std::string chart_png(const ChartModel& chart, QSize size, const QFont& font);

}  // namespace rebanto::ui
