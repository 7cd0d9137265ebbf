#include "ui/chart_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

#include "ui/chart_layout.h"
#include "ui/chart_painter.h"

namespace rebanto::ui {

namespace {

// A smaller movement of the mouse is a click, not a drag.
constexpr int kDragThreshold = 4;

}  // namespace

ChartWidget::ChartWidget(ChartModel& model, QWidget* parent) : QWidget(parent), model_(&model) {
    listener_ = model_->listen([this] { update(); });
    setMouseTracking(false);
}

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent), own_(std::make_unique<ChartModel>()), model_(own_.get()) {
    listener_ = model_->listen([this] { update(); });
}

ChartWidget::~ChartWidget() {
    model_->unlisten(listener_);
}

QImage ChartWidget::image() const {
    return chart_image(*model_, size(), font());
}

std::string ChartWidget::png() const {
    return chart_png(*model_, size(), font());
}

void ChartWidget::drag(QPoint from, QPoint to) {
    const QPoint moved = to - from;
    if (std::abs(moved.x()) < kDragThreshold && std::abs(moved.y()) < kDragThreshold) return;
    if (moved.x() >= kDragThreshold && moved.y() >= kDragThreshold) {
        // The layout the screen shows, in the widget's font.
        const ChartLayout layout(*model_, QRectF(rect()), QFontMetricsF(font()));
        if (const auto box = layout.zoom_box(QRectF(from, to).normalized())) model_->zoom(*box);
        return;
    }
    model_->undo_zoom();
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_chart(painter, *model_, QRectF(rect()));
    if (dragging_) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(drag_from_, drag_to_).normalized());
    }
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        drag_from_ = drag_to_ = event->position().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        drag_to_ = event->position().toPoint();
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        drag(drag_from_, event->position().toPoint());
        update();
    }
    QWidget::mouseReleaseEvent(event);
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    dragging_ = false;
    if (event->button() == Qt::LeftButton) Q_EMIT double_clicked();
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace rebanto::ui
