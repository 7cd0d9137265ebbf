#pragma once
// The view of a chart window (TForm5, TForm3): a row of view controls along the top — the
// elevation and rotation with their steps and presets, the paging, the PNG file — and the
// chart filling the rest of the window.
#include <QWidget>

#include "forms/chart_window.h"

namespace rebanto::ui {

class Binder;
class ChartWidget;

class ChartWindowView : public QWidget {
    Q_OBJECT

public:
    explicit ChartWindowView(ChartWindow& form, QWidget* parent = nullptr);
    ~ChartWindowView() override;

    Binder& binder() const { return *binder_; }
    ChartWidget& chart() const { return *chart_; }

private:
    QWidget* build_controls();

    ChartWindow& form_;
    Binder* binder_;
    ChartWidget* chart_ = nullptr;
};

}  // namespace rebanto::ui
