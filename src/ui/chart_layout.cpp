#include "ui/chart_layout.h"

#include <QString>
#include <algorithm>

#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

constexpr double kMargin = 6;
constexpr double kSwatch = 12;
constexpr double kSwatchGap = 4;
constexpr double kLegendGap = 16;
constexpr double kLabelGap = 6;
// The depth of the 3-D box, as a share of the plot's smaller side.
constexpr double kDepthShare = 0.2;
// Value labels stand at least this many lines apart.
constexpr double kTickLines = 2.2;
constexpr double kMinimumPlot = 10;

}  // namespace

ChartLayout::ChartLayout(const ChartModel& chart, const QRectF& area, const QFontMetricsF& metrics)
    : area_(area), shown_(chart.shown_points()), view3d_(chart.view3d()) {
    const double line = metrics.height();
    place_legend(chart, metrics);
    const double legend_bottom = legend_.empty() ? area.top() : legend_.back().swatch.bottom();
    const double top = legend_bottom + kMargin + line / 2;
    foot_box_ = QRectF(area.left() + kMargin, area.bottom() - kMargin - line,
                       area.width() - 2 * kMargin, line);
    // Below the plot: a row of point labels, then the foot.
    const double bottom = foot_box_.top() - 2 - line - kLabelGap;
    const double plot_height = std::max(kMinimumPlot, bottom - top);

    const int max_ticks = std::max(2, static_cast<int>(plot_height / (line * kTickLines)));
    ticks_ = axis_ticks(chart.value_range(), max_ticks, !chart.zoomed());
    double label_width = 0;
    for (const double value : ticks_.values) {
        label_width =
            std::max(label_width, metrics.horizontalAdvance(to_q(tick_label(value, ticks_.step))));
    }
    // The point labels are centred under their points: the first may reach left of the plot.
    double point_label = 0;
    for (int i = shown_.first; i < shown_.last; ++i)
        point_label = std::max(point_label, metrics.horizontalAdvance(to_q(chart.label(i))));

    axis_title_box_ = QRectF(area.right() - kMargin - line, top, line, plot_height);
    // The value labels stand right of the box, which the plot holds.
    const double left = area.left() + kMargin + point_label / 2;
    const double right = axis_title_box_.left() - kLabelGap - label_width - kLabelGap;
    plot_ = QRectF(left, top, std::max(kMinimumPlot, right - left), plot_height);

    width_ = plot_.width();
    height_ = plot_.height();
    const Rect2 target{plot_.left(), plot_.top(), plot_.width(), plot_.height()};
    if (view3d_) {
        depth_ = std::min(width_, height_) * kDepthShare;
        projection_ =
            ChartProjection(chart.elevation(), chart.rotation(), width_, height_, depth_, target);
    } else {
        depth_ = 0;
        projection_ = ChartProjection(target);
    }
    slot_ = shown_.count() > 0 ? width_ / shown_.count() : width_;
}

// The series in rows along the top, each row centred.
void ChartLayout::place_legend(const ChartModel& chart, const QFontMetricsF& metrics) {
    const std::vector<LegendEntry> entries = chart.legend();
    const double line = metrics.height();
    const double room = std::max(1.0, area_.width() - 2 * kMargin);
    std::vector<double> widths;
    widths.reserve(entries.size());
    for (const LegendEntry& entry : entries)
        widths.push_back(kSwatch + kSwatchGap + metrics.horizontalAdvance(to_q(entry.title)));
    double y = area_.top() + kMargin;
    std::size_t i = 0;
    while (i < entries.size()) {
        std::size_t end = i;
        double row_width = 0;
        while (end < entries.size()) {
            const double next = row_width + (end > i ? kLegendGap : 0) + widths[end];
            if (end > i && next > room) break;
            row_width = next;
            ++end;
        }
        double x = area_.left() + std::max(kMargin, (area_.width() - row_width) / 2);
        for (std::size_t k = i; k < end; ++k) {
            const QRectF swatch(x, y + (line - kSwatch) / 2, kSwatch, kSwatch);
            legend_.push_back({swatch, QPointF(x + kSwatch + kSwatchGap, y + metrics.ascent()), k});
            x += widths[k] + kLegendGap;
        }
        y += line + 2;
        i = end;
    }
}

double ChartLayout::x_of(int point) const {
    return (point - shown_.first + 0.5) * slot_;
}

double ChartLayout::y_of(double value) const {
    const double span = ticks_.high - ticks_.low;
    return std::clamp((value - ticks_.low) / span, 0.0, 1.0) * height_;
}

QPointF ChartLayout::screen(Point3 p) const {
    const Point2 s = projection_.project(p);
    return {s.x, s.y};
}

std::optional<ZoomBox> ChartLayout::zoom_box(const QRectF& screen) const {
    if (shown_.count() == 0) return std::nullopt;
    ZoomBox box{1e300, -1e300, 1e300, -1e300};
    const double span = ticks_.high - ticks_.low;
    for (const QPointF& corner :
         {screen.topLeft(), screen.topRight(), screen.bottomLeft(), screen.bottomRight()}) {
        const auto world = projection_.on_plane({corner.x(), corner.y()}, 0);
        if (!world) return std::nullopt;
        const double position = world->x / slot_ - 0.5 + shown_.first;
        const double value = ticks_.low + world->y / height_ * span;
        box.first = std::min(box.first, position);
        box.last = std::max(box.last, position);
        box.low = std::min(box.low, value);
        box.high = std::max(box.high, value);
    }
    return box;
}

}  // namespace rebanto::ui
