// What stands around the plot: the background gradient, the legend, the value labels and
// the axis title on the right, the point labels and the foot below. Text takes black or
// white, whichever reads better on the gradient where it stands.
#include "ui/chart_painter.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/chart_paint_parts.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

constexpr double kTickGap = 3;
constexpr double kLabelGap = 6;
// Point labels step by a number of points people count in: months, quarters, years.
constexpr int kLabelSteps[] = {1,   2,   3,   4,   6,   12,   24,   36,   48,   60,
                               120, 180, 240, 360, 600, 1200, 2400, 6000, 12000};

QColor gradient_at(const ChartData& data, const QRectF& area, double y) {
    const double t = area.height() > 0 ? std::clamp((y - area.top()) / area.height(), 0.0, 1.0) : 0;
    const QColor a = to_qcolor(data.gradient_start);
    const QColor b = to_qcolor(data.gradient_end);
    // Qt keeps colour components as floats; the blend is worked in double and stored in one.
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor text_color_on(const QColor& background) {
    const double luminance =
        0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

void paint_background(QPainter& painter, const ChartData& data, const QRectF& area) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, to_qcolor(data.gradient_start));
    gradient.setColorAt(1, to_qcolor(data.gradient_end));
    painter.fillRect(area, gradient);
}

void paint_legend(QPainter& painter, const ChartModel& chart, const ChartLayout& layout) {
    const std::vector<LegendEntry> entries = chart.legend();
    for (const LegendItem& item : layout.legend()) {
        const LegendEntry& entry = entries[item.entry];
        const QColor color = to_qcolor(entry.color);
        if (entry.kind == SeriesKind::Line) {
            const double y = item.swatch.center().y();
            painter.setPen(QPen(color, 2));
            painter.drawLine(QPointF(item.swatch.left(), y), QPointF(item.swatch.right(), y));
            painter.setPen(QPen(color.darker(160), 1));
            painter.setBrush(color);
            painter.drawRect(QRectF(item.swatch.center() - QPointF(2, 2), QSizeF(4, 4)));
        } else {
            painter.setPen(QPen(color.darker(170), 1));
            painter.setBrush(color);
            painter.drawRect(item.swatch);
        }
        painter.setPen(text_color_on(gradient_at(chart.data(), layout.area(), item.text_at.y())));
        painter.drawText(item.text_at, to_q(entry.title));
    }
}

// The value labels right of the box, each beside its tick on the box's rightmost upright
// edge; one that would touch a label already drawn is left out.
void paint_value_labels(QPainter& painter, const ChartModel& chart, const ChartLayout& layout) {
    const QFontMetricsF metrics = painter.fontMetrics();
    const AxisTicks& ticks = layout.ticks();
    std::vector<QRectF> drawn;
    for (const double value : ticks.values) {
        const double y = layout.y_of(value);
        QPointF anchor = layout.screen({0, y, 0});
        for (const Point3 corner : {Point3{layout.width(), y, 0}, Point3{0, y, layout.depth()},
                                    Point3{layout.width(), y, layout.depth()}}) {
            const QPointF at = layout.screen(corner);
            if (at.x() > anchor.x()) anchor = at;
        }
        const QString text = to_q(tick_label(value, ticks.step));
        const double width = metrics.horizontalAdvance(text);
        const QRectF box(anchor.x() + kTickGap + 3, anchor.y() - metrics.height() / 2, width,
                         metrics.height());
        const bool touches = std::any_of(
            drawn.begin(), drawn.end(), [&](const QRectF& other) { return other.intersects(box); });
        if (touches || box.top() < layout.area().top() || box.bottom() > layout.area().bottom()) {
            continue;
        }
        drawn.push_back(box);
        painter.setPen(QPen(QColor(110, 110, 110), 1));
        painter.drawLine(anchor, QPointF(anchor.x() + kTickGap, anchor.y()));
        painter.setPen(text_color_on(gradient_at(chart.data(), layout.area(), anchor.y())));
        painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
    }
    // The axis title reads downwards, one character under the other, beside the labels.
    const QString title = to_q(chart.data().axis_title);
    QRectF column = layout.axis_title_box();
    double labels_right = 0;
    for (const QRectF& label : drawn)
        labels_right = std::max(labels_right, label.right());
    if (!drawn.empty() && labels_right + kLabelGap < column.left()) {
        column.moveLeft(labels_right + kLabelGap);
    }
    const double top =
        column.center().y() - static_cast<double>(title.size()) * metrics.height() / 2;
    for (qsizetype k = 0; k < title.size(); ++k) {
        const QRectF cell(column.left(), top + static_cast<double>(k) * metrics.height(),
                          column.width(), metrics.height());
        painter.setPen(text_color_on(gradient_at(chart.data(), layout.area(), cell.center().y())));
        painter.drawText(cell, Qt::AlignCenter, title.mid(k, 1));
    }
}

// The point labels under the box's lower front edge, every so many points as leaves
// room between them.
void paint_point_labels(QPainter& painter, const ChartModel& chart, const ChartLayout& layout) {
    const PointRange shown = layout.shown();
    if (shown.count() == 0) return;
    const QFontMetricsF metrics = painter.fontMetrics();
    const auto anchor_of = [&](int i) {
        const QPointF front = layout.screen({layout.x_of(i), 0, 0});
        const QPointF back = layout.screen({layout.x_of(i), 0, layout.depth()});
        return front.y() >= back.y() ? front : back;
    };
    double widest = 0;
    for (int i = shown.first; i < shown.last; ++i)
        widest = std::max(widest, metrics.horizontalAdvance(to_q(chart.label(i))));
    int step = 1;
    if (shown.count() > 1) {
        const QPointF d = anchor_of(shown.first + 1) - anchor_of(shown.first);
        const double across =
            std::fabs(d.x()) > 1e-9 ? (widest + kLabelGap) / std::fabs(d.x()) : 1e9;
        const double down =
            std::fabs(d.y()) > 1e-9 ? (metrics.height() + 2) / std::fabs(d.y()) : 1e9;
        const double needed = std::min(across, down);
        step = kLabelSteps[std::size(kLabelSteps) - 1];
        for (const int candidate : kLabelSteps) {
            if (candidate >= needed) {
                step = candidate;
                break;
            }
        }
    }
    QRectF last;
    for (int i = shown.first; i < shown.last; i += step) {
        const QPointF anchor = anchor_of(i);
        const QString text = to_q(chart.label(i));
        const double width = metrics.horizontalAdvance(text);
        const QRectF box(anchor.x() - width / 2, anchor.y() + kTickGap, width, metrics.height());
        if (!last.isNull() && box.intersects(last)) continue;
        if (box.left() < layout.area().left() || box.right() > layout.area().right() ||
            box.bottom() > layout.foot_box().top()) {
            continue;
        }
        last = box.adjusted(-kLabelGap / 2, 0, kLabelGap / 2, 0);
        painter.setPen(QPen(QColor(110, 110, 110), 1));
        painter.drawLine(anchor, anchor + QPointF(0, kTickGap - 1));
        painter.setPen(text_color_on(gradient_at(chart.data(), layout.area(), box.center().y())));
        painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
    }
}

// "月回" in the middle; the page on the left while paging, the zoom on the right.
void paint_foot(QPainter& painter, const ChartModel& chart, const ChartLayout& layout) {
    const QRectF foot = layout.foot_box();
    painter.setPen(text_color_on(gradient_at(chart.data(), layout.area(), foot.center().y())));
    painter.drawText(foot, Qt::AlignCenter, to_q(chart.data().foot));
    if (chart.paged()) {
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("頁 %1／%2").arg(chart.page() + 1).arg(chart.page_count()));
    }
    if (chart.zoomed())
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("拡大表示中"));
}

void paint_note(QPainter& painter, const ChartModel& chart, const ChartLayout& layout) {
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(layout.plot(), Qt::AlignCenter | Qt::TextWordWrap,
                     to_q(chart.data().empty_note));
}

}  // namespace

void paint_chart(QPainter& painter, const ChartModel& chart, const QRectF& area) {
    painter.save();
    const ChartLayout layout(chart, area, painter.fontMetrics());
    paint_background(painter, chart.data(), area);
    paint_legend(painter, chart, layout);
    paint_plot(painter, chart, layout);
    if (chart.empty()) {
        paint_note(painter, chart, layout);
    } else {
        paint_value_labels(painter, chart, layout);
        paint_point_labels(painter, chart, layout);
    }
    paint_foot(painter, chart, layout);
    painter.restore();
}

QImage chart_image(const ChartModel& chart, QSize size, const QFont& font) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    paint_chart(painter, chart, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    return image;
}

std::string chart_png(const ChartModel& chart, QSize size, const QFont& font) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!chart_image(chart, size, font).save(&buffer, "PNG")) return {};
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace rebanto::ui
