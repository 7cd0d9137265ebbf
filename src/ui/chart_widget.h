#pragma once
// A chart of our own: stacked bars and lines on a right-hand axis, flat or in 3-D at the
// model's elevation and rotation, a page of points at a time, zoomed by dragging a box
// from top left to bottom right and restored by dragging the other way.
//
// It shows a ChartModel. A window whose model owns the chart (a Chart control) passes
// that model in; anything else constructs the widget alone and gives it plain data:
//
//   ChartData data;
//   data.labels = {"1", "2", "3"};
//   data.series.push_back({"利息小計", SeriesKind::StackedBar, {0xFF, 0, 0}, 0, {...}});
//   chart->set_data(std::move(data));
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <string>

#include "charts/chart_data.h"
#include "charts/chart_model.h"

namespace rebanto::ui {

class ChartWidget : public QWidget {
    Q_OBJECT

public:
    // Shows a model that lives elsewhere and outlives the widget.
    explicit ChartWidget(ChartModel& model, QWidget* parent = nullptr);
    // Owns a model of its own.
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    ChartModel& model() const { return *model_; }
    void set_data(ChartData chart) { model_->set_data(std::move(chart)); }

    // The chart at the widget's size, as the screen shows it, and as a PNG file's bytes.
    QImage image() const;
    std::string png() const;

    // A drag from `from` to `to` as the mouse makes it: down and to the right zooms into
    // the box, any other way undoes the zoom; a drag of a few pixels is a click.
    void drag(QPoint from, QPoint to);

    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

Q_SIGNALS:
    void double_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<ChartModel> own_;
    ChartModel* model_;
    int listener_ = 0;
    bool dragging_ = false;
    QPoint drag_from_;
    QPoint drag_to_;
};

}  // namespace rebanto::ui
