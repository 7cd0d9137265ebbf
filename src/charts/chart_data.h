#pragma once
// What a chart shows, as plain values: one label per point along the horizontal axis and
// a few series of values with their titles and colours. Any window can chart a table by
// filling one of these; the chart model and the widget do the rest.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rebanto {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class SeriesKind {
    // Bars stacked on the bars of the series before them at the same point.
    StackedBar,
    // A line through the points, each marked by a small square.
    Line,
    // A bar standing from zero on its own, beside the others by its offset (not stacked).
    Bar,
};

struct ChartSeries {
    std::string title;
    SeriesKind kind = SeriesKind::StackedBar;
    Rgb color;
    // Bars only: the bar moved sideways by this share of its width (−35: to the left).
    int offset_percent = 0;
    // One value per point; an empty value is a gap (no bar, a break in the line). Values are
    // positions on the axis, not amounts anyone computes with, so a double holds them.
    std::vector<std::optional<double>> values;
};

struct ChartData {
    std::vector<std::string> labels;  // the horizontal axis, one per point
    std::vector<ChartSeries> series;  // in drawing and legend order
    std::string axis_title;           // the vertical axis, on the right
    std::string foot;                 // under the horizontal axis
    // The background runs from the start colour at the top to the end colour at the bottom.
    Rgb gradient_start{255, 255, 255};
    Rgb gradient_end{255, 255, 255};
    // Shown in place of the plot when there is no point.
    std::string empty_note = "表示するデータがありません";
};

}  // namespace rebanto
