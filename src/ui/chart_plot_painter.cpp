// The plot of a chart: walls and grid, stacked bars and the line. Flat, the bars are
// rectangles and the line a polyline; in 3-D the bars are boxes in the front half of the
// box's depth and the line a ribbon in the back half, drawn from the far side forwards.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "ui/chart_paint_parts.h"

namespace rebanto::ui {

namespace {

const QColor kBackWall(248, 248, 248);
const QColor kFloor(228, 228, 228);
const QColor kSideWall(238, 238, 238);
const QColor kWallEdge(140, 140, 140);
const QColor kGrid(205, 205, 205);
// A bar takes this share of its point's slot.
constexpr double kBarShare = 0.7;
constexpr double kMarker = 4;
// Borders only where a bar is wide enough to keep some colour inside them.
constexpr double kBorderedBar = 4;
// Where the line and the bars sit in the box's depth, as shares of it.
constexpr double kLineFront = 0.05;
constexpr double kLineBack = 0.35;
constexpr double kBarsFront = 0.45;
constexpr double kBarsBack = 0.95;

struct Face {
    std::array<Point3, 4> corners;
    Point3 normal;
};

std::array<Face, 6> faces_of(double x0, double x1, double y0, double y1, double z0, double z1) {
    return {{
        {{{{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}}}, {0, 0, -1}},
        {{{{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}}, {0, 0, 1}},
        {{{{x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}}}, {-1, 0, 0}},
        {{{{x1, y0, z0}, {x1, y0, z1}, {x1, y1, z1}, {x1, y1, z0}}}, {1, 0, 0}},
        {{{{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}}}, {0, -1, 0}},
        {{{{x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}}}, {0, 1, 0}},
    }};
}

QPolygonF polygon(const ChartLayout& layout, const Face& face) {
    QPolygonF shape;
    for (const Point3& p : face.corners)
        shape << layout.screen(p);
    return shape;
}

// One bar segment in world terms.
struct Bar {
    double x0, x1, y0, y1;
    QColor color;
};

std::vector<Bar> stacked_bars(const ChartModel& chart, const ChartLayout& layout) {
    std::vector<Bar> bars;
    const double width = layout.slot() * kBarShare;
    const PointRange shown = layout.shown();
    for (int i = shown.first; i < shown.last; ++i) {
        double up = 0;
        double down = 0;
        for (const ChartSeries& series : chart.data().series) {
            if (series.kind == SeriesKind::Line) continue;
            if (static_cast<std::size_t>(i) >= series.values.size()) continue;
            const auto& value = series.values[static_cast<std::size_t>(i)];
            if (!value) continue;
            double alone = 0;
            double& base = series.kind == SeriesKind::Bar ? alone : *value >= 0 ? up : down;
            const double y0 = layout.y_of(base);
            base += *value;
            const double y1 = layout.y_of(base);
            if (y0 == y1) continue;  // nothing of it inside the axis
            const double centre = layout.x_of(i) + width * series.offset_percent / 100.0;
            bars.push_back({centre - width / 2, centre + width / 2, std::min(y0, y1),
                            std::max(y0, y1), to_qcolor(series.color)});
        }
    }
    return bars;
}

// The points of a line in world terms; a gap breaks it.
std::vector<std::optional<QPointF>> line_points(const ChartSeries& series,
                                                const ChartLayout& layout) {
    std::vector<std::optional<QPointF>> points;
    const PointRange shown = layout.shown();
    for (int i = shown.first; i < shown.last; ++i) {
        const bool has = static_cast<std::size_t>(i) < series.values.size() &&
                         series.values[static_cast<std::size_t>(i)].has_value();
        if (!has) {
            points.emplace_back();
            continue;
        }
        points.emplace_back(QPointF(layout.x_of(i), *series.values[static_cast<std::size_t>(i)]));
    }
    return points;
}

void draw_marker(QPainter& painter, const QPointF& at, const QColor& color) {
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(color);
    painter.drawRect(QRectF(at.x() - kMarker / 2, at.y() - kMarker / 2, kMarker, kMarker));
}

// ---- Flat ----

void paint_flat_walls(QPainter& painter, const ChartLayout& layout) {
    painter.setPen(QPen(kWallEdge, 1));
    painter.setBrush(kBackWall);
    painter.drawRect(layout.plot());
    painter.setPen(QPen(kGrid, 1, Qt::DotLine));
    for (const double value : layout.ticks().values) {
        const double y = layout.screen({0, layout.y_of(value), 0}).y();
        painter.drawLine(QPointF(layout.plot().left(), y), QPointF(layout.plot().right(), y));
    }
}

void paint_flat_bars(QPainter& painter, const std::vector<Bar>& bars, const ChartLayout& layout) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Bar& bar : bars) {
        QRectF rect = QRectF(layout.screen({bar.x0, bar.y1, 0}), layout.screen({bar.x1, bar.y0, 0}))
                          .normalized();
        if (rect.width() < 1) rect.adjust(-(1 - rect.width()) / 2, 0, (1 - rect.width()) / 2, 0);
        if (rect.width() >= kBorderedBar) {
            painter.setPen(QPen(bar.color.darker(170), 1));
            painter.setBrush(bar.color);
            painter.drawRect(rect);
        } else {
            painter.fillRect(rect, bar.color);
        }
    }
}

void paint_flat_line(QPainter& painter, const ChartSeries& series, const ChartLayout& layout) {
    const QColor color = to_qcolor(series.color);
    std::vector<std::optional<QPointF>> points = line_points(series, layout);
    painter.save();
    painter.setClipRect(layout.plot().adjusted(-kMarker, -kMarker, kMarker, kMarker));
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Values beyond the axis stay where they are: the clip cuts the line at the plot.
    const double span = layout.ticks().high - layout.ticks().low;
    const auto screen_of = [&](const QPointF& p) {
        const double y = (p.y() - layout.ticks().low) / span * layout.height();
        return layout.screen({p.x(), 0, 0}) - QPointF(0, y);
    };
    QPainterPath path;
    bool open = false;
    for (const auto& point : points) {
        if (!point) {
            open = false;
            continue;
        }
        const QPointF at = screen_of(*point);
        if (open) {
            path.lineTo(at);
        } else {
            path.moveTo(at);
            open = true;
        }
    }
    painter.setPen(QPen(color, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setClipRect(layout.plot());
    for (const auto& point : points) {
        if (point) draw_marker(painter, screen_of(*point), color);
    }
    painter.restore();
}

// ---- 3-D ----

void paint_box_walls(QPainter& painter, const ChartLayout& layout) {
    const ChartProjection& view = layout.projection();
    const auto faces = faces_of(0, layout.width(), 0, layout.height(), 0, layout.depth());
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Face& face : faces) {
        if (view.faces_viewer(face.normal)) continue;  // its inside shows: a wall
        const QColor fill = face.normal.y != 0   ? kFloor
                            : face.normal.x != 0 ? kSideWall
                                                 : kBackWall;
        painter.setPen(QPen(kWallEdge, 1));
        painter.setBrush(fill);
        painter.drawPolygon(polygon(layout, face));
    }
    // Grid lines across the upright walls.
    painter.setPen(QPen(kGrid, 1, Qt::DotLine));
    for (const Face& face : faces) {
        if (face.normal.y != 0 || view.faces_viewer(face.normal)) continue;
        const Point3 a = face.corners[0];
        const Point3 b =
            face.normal.z != 0 ? Point3{layout.width(), 0, a.z} : Point3{a.x, 0, layout.depth()};
        for (const double value : layout.ticks().values) {
            const double y = layout.y_of(value);
            painter.drawLine(layout.screen({a.x, y, a.z}), layout.screen({b.x, y, b.z}));
        }
    }
}

void paint_box(QPainter& painter, const ChartLayout& layout, const Bar& bar, double z0, double z1,
               bool bordered) {
    for (const Face& face : faces_of(bar.x0, bar.x1, bar.y0, bar.y1, z0, z1)) {
        if (!layout.projection().faces_viewer(face.normal)) continue;
        QColor shade = bar.color;
        if (face.normal.y > 0) shade = bar.color.lighter(125);
        if (face.normal.y < 0) shade = bar.color.darker(140);
        if (face.normal.x != 0) shade = bar.color.darker(130);
        painter.setPen(bordered ? QPen(bar.color.darker(180), 1) : QPen(shade, 1));
        painter.setBrush(shade);
        painter.drawPolygon(polygon(layout, face));
    }
}

void paint_box_bars(QPainter& painter, std::vector<Bar> bars, const ChartLayout& layout) {
    const double z0 = layout.depth() * kBarsFront;
    const double z1 = layout.depth() * kBarsBack;
    const ChartProjection& view = layout.projection();
    const auto depth = [&](const Bar& b) {
        return view.depth({(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, (z0 + z1) / 2});
    };
    std::stable_sort(bars.begin(), bars.end(),
                     [&](const Bar& a, const Bar& b) { return depth(a) > depth(b); });
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool bordered = layout.slot() * kBarShare >= kBorderedBar;
    for (const Bar& bar : bars)
        paint_box(painter, layout, bar, z0, z1, bordered);
}

void paint_ribbon(QPainter& painter, const ChartSeries& series, const ChartLayout& layout) {
    const QColor color = to_qcolor(series.color);
    const double z0 = layout.depth() * kLineFront;
    const double z1 = layout.depth() * kLineBack;
    const ChartProjection& view = layout.projection();
    std::vector<std::optional<QPointF>> points = line_points(series, layout);
    for (auto& point : points) {
        if (point) point->setY(layout.y_of(point->y()));
    }
    struct Piece {
        QPointF a, b;
        double depth;
    };
    std::vector<Piece> pieces;
    for (std::size_t k = 1; k < points.size(); ++k) {
        if (!points[k - 1] || !points[k]) continue;
        const QPointF a = *points[k - 1];
        const QPointF b = *points[k];
        pieces.push_back(
            {a, b, view.depth({(a.x() + b.x()) / 2, (a.y() + b.y()) / 2, (z0 + z1) / 2})});
    }
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& p, const Piece& q) { return p.depth > q.depth; });
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(color.darker(150), 1));
    painter.setBrush(color.lighter(115));
    for (const Piece& piece : pieces) {
        QPolygonF shape;
        shape << layout.screen({piece.a.x(), piece.a.y(), z0})
              << layout.screen({piece.b.x(), piece.b.y(), z0})
              << layout.screen({piece.b.x(), piece.b.y(), z1})
              << layout.screen({piece.a.x(), piece.a.y(), z1});
        painter.drawPolygon(shape);
    }
    // The markers on the edge nearer the viewer.
    const double edge = view.depth({0, 0, z0}) <= view.depth({0, 0, z1}) ? z0 : z1;
    for (const auto& point : points) {
        if (point) draw_marker(painter, layout.screen({point->x(), point->y(), edge}), color);
    }
}

}  // namespace

void paint_plot(QPainter& painter, const ChartModel& chart, const ChartLayout& layout) {
    painter.save();
    const std::vector<Bar> bars = stacked_bars(chart, layout);
    std::vector<const ChartSeries*> lines;
    for (const ChartSeries& series : chart.data().series) {
        if (series.kind == SeriesKind::Line) lines.push_back(&series);
    }
    if (!layout.view3d()) {
        paint_flat_walls(painter, layout);
        paint_flat_bars(painter, bars, layout);
        for (const ChartSeries* line : lines)
            paint_flat_line(painter, *line, layout);
    } else {
        paint_box_walls(painter, layout);
        // The farther part of the depth first: the bars behind the lines, or in front of
        // them when the box is seen from the back.
        const ChartProjection& view = layout.projection();
        const double middle_x = layout.width() / 2;
        const double middle_y = layout.height() / 2;
        const bool lines_behind =
            view.depth({middle_x, middle_y, layout.depth() * (kLineFront + kLineBack) / 2}) >=
            view.depth({middle_x, middle_y, layout.depth() * (kBarsFront + kBarsBack) / 2});
        if (!lines_behind) paint_box_bars(painter, bars, layout);
        for (const ChartSeries* line : lines)
            paint_ribbon(painter, *line, layout);
        if (lines_behind) paint_box_bars(painter, bars, layout);
    }
    painter.restore();
}

}  // namespace rebanto::ui
