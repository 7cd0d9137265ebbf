#pragma once
// The state of one chart apart from any screen: its data, which points are shown (all of
// them or a page of 60, narrowed further by a zoom), the value range of the vertical axis
// and the 3-D view. Whatever draws the chart reads it from here and listens for changes.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "charts/chart_data.h"

namespace rebanto {

// Points [first, last) of the data.
struct PointRange {
    int first = 0;
    int last = 0;
    int count() const { return last - first; }
    friend bool operator==(const PointRange&, const PointRange&) = default;
};

struct ValueRange {
    double low = 0;
    double high = 1;
    friend bool operator==(const ValueRange&, const ValueRange&) = default;
};

// A zoom box in data terms: points by position (point i stands at i) and values.
struct ZoomBox {
    double first = 0;
    double last = 0;
    double low = 0;
    double high = 0;
};

struct LegendEntry {
    std::string title;
    Rgb color;
    SeriesKind kind = SeriesKind::StackedBar;
    friend bool operator==(const LegendEntry&, const LegendEntry&) = default;
};

class ChartModel {
public:
    static constexpr int kPointsPerPage = 60;
    static constexpr int kMaxAngle = 360;
    static constexpr int kStartAngle = 345;

    ChartModel() = default;
    ChartModel(const ChartModel&) = delete;
    ChartModel& operator=(const ChartModel&) = delete;

    // New data: back to the first page, the zoom undone. Values that are no finite number
    // become gaps.
    void set_data(ChartData data);
    // No points; titles, colours and the view stay.
    void clear_points();
    const ChartData& data() const { return data_; }
    int point_count() const { return points_; }
    bool empty() const { return points_ == 0; }
    // The label of point i; empty beyond the labels.
    const std::string& label(int i) const;

    // ---- Paging: all points on one page, or 60 a page ----
    bool paged() const { return paged_; }
    void set_paged(bool on);
    int page() const { return page_; }
    int page_count() const;
    // Clamped to the pages there are; the zoom is undone.
    void set_page(int page);
    void next_page() { set_page(page_ + 1); }
    void previous_page() { set_page(page_ - 1); }
    PointRange page_points() const;

    // ---- Zoom: a box over the page's points and values, undone in one step ----
    bool zoomed() const { return zoomed_; }
    // False (nothing changes) when the box holds no point or has no height.
    bool zoom(const ZoomBox& box);
    void undo_zoom();
    // The points drawn: the page's, or those inside the zoom box.
    PointRange shown_points() const;
    // The vertical axis: the zoom box's values, or from 0 to the highest stack or line
    // value of the shown points (and down to the lowest when some are below 0).
    ValueRange value_range() const;

    // ---- 3-D view: elevation and rotation in whole degrees, 0..360 ----
    bool view3d() const { return view3d_; }
    void set_view3d(bool on);
    int elevation() const { return elevation_; }
    int rotation() const { return rotation_; }
    // Clamped to 0..360.
    void set_elevation(int degrees);
    void set_rotation(int degrees);

    // The series in legend order, titled ones only.
    std::vector<LegendEntry> legend() const;

    // Told after every change; returns an id for unlisten.
    int listen(std::function<void()> listener);
    void unlisten(int id);

private:
    void changed();
    void sanitize();

    ChartData data_;
    int points_ = 0;
    bool paged_ = false;
    int page_ = 0;
    bool zoomed_ = false;
    PointRange zoom_points_;
    ValueRange zoom_values_;
    bool view3d_ = true;
    int elevation_ = kStartAngle;
    int rotation_ = kStartAngle;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int next_listener_ = 1;
};

// One line for the runner's print: points, shown range, page, zoom and view.
std::string describe(const ChartModel& chart);

}  // namespace rebanto
