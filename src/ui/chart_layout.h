#pragma once
// Where the parts of a chart go in a rectangle of the screen: the legend along the top,
// the value axis on the right, the point labels and the foot below, and the plot's box in
// between, seen flat or at the chart's 3-D angles. The painter draws from it, and the
// widget turns a dragged rectangle back into a zoom box with it.
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

#include "charts/chart_axis.h"
#include "charts/chart_model.h"
#include "charts/chart_projection.h"

namespace rebanto::ui {

struct LegendItem {
    QRectF swatch;
    QPointF text_at;  // baseline start of the title
    std::size_t entry = 0;
};

class ChartLayout {
public:
    ChartLayout(const ChartModel& chart, const QRectF& area, const QFontMetricsF& metrics);

    const QRectF& area() const { return area_; }
    const QRectF& plot() const { return plot_; }
    const std::vector<LegendItem>& legend() const { return legend_; }
    const AxisTicks& ticks() const { return ticks_; }
    const PointRange& shown() const { return shown_; }
    const ChartProjection& projection() const { return projection_; }
    bool view3d() const { return view3d_; }
    // The column of the axis title, right of the value labels.
    const QRectF& axis_title_box() const { return axis_title_box_; }
    const QRectF& foot_box() const { return foot_box_; }

    // The box the data lives in: width and height of the plot, a depth in 3-D.
    double width() const { return width_; }
    double height() const { return height_; }
    double depth() const { return depth_; }
    // The world x of the centre of shown point i (a data index), the width of its slot,
    // and the world y of a value (clamped to the axis).
    double x_of(int point) const;
    double slot() const { return slot_; }
    double y_of(double value) const;
    QPointF screen(Point3 p) const;

    // The data under a rectangle of the screen, through the front of the box; none when
    // the front is seen edge on.
    std::optional<ZoomBox> zoom_box(const QRectF& screen) const;

private:
    void place_legend(const ChartModel& chart, const QFontMetricsF& metrics);

    QRectF area_;
    QRectF plot_;
    std::vector<LegendItem> legend_;
    AxisTicks ticks_;
    PointRange shown_;
    bool view3d_ = false;
    QRectF axis_title_box_;
    QRectF foot_box_;
    double width_ = 1;
    double height_ = 1;
    double depth_ = 0;
    double slot_ = 1;
    ChartProjection projection_{Rect2{0, 0, 1, 1}};
};

}  // namespace rebanto::ui
