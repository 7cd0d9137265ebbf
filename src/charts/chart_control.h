#pragma once
// The chart as a control of its window: named, with a hint, double clicks and the chart's
// state. Like the toolkit's chart it is a panel that draws itself.
#include <functional>
#include <string>

#include "charts/chart_model.h"
#include "model/control.h"

namespace rebanto {

class Chart : public Panel {
public:
    using Panel::Panel;
    std::string_view kind() const override { return "Chart"; }
    std::string value_text() const override { return describe(model); }

    ChartModel model;
    // The chart drawn at its size, as the bytes of a PNG file; set by whatever shows it,
    // empty where nothing does.
    std::function<std::string()> png_image;
};

}  // namespace rebanto
