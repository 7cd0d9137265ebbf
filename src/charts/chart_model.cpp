#include "charts/chart_model.h"

#include <algorithm>
#include <cmath>

namespace rebanto {

namespace {

const std::string kNoLabel;

int clamp_angle(int degrees) {
    return std::clamp(degrees, 0, ChartModel::kMaxAngle);
}

}  // namespace

void ChartModel::set_data(ChartData data) {
    data_ = std::move(data);
    sanitize();
    page_ = 0;
    zoomed_ = false;
    changed();
}

void ChartModel::clear_points() {
    data_.labels.clear();
    for (ChartSeries& series : data_.series)
        series.values.clear();
    points_ = 0;
    page_ = 0;
    zoomed_ = false;
    changed();
}

// A value that is no finite number would poison the axis; it is drawn as a gap.
void ChartModel::sanitize() {
    std::size_t points = data_.labels.size();
    for (ChartSeries& series : data_.series) {
        for (auto& value : series.values) {
            if (value && !std::isfinite(*value)) value.reset();
        }
        points = std::max(points, series.values.size());
    }
    points_ = static_cast<int>(points);
}

const std::string& ChartModel::label(int i) const {
    if (i < 0 || i >= static_cast<int>(data_.labels.size())) return kNoLabel;
    return data_.labels[static_cast<std::size_t>(i)];
}

// ---- Paging ----

void ChartModel::set_paged(bool on) {
    paged_ = on;
    page_ = 0;
    zoomed_ = false;
    changed();
}

int ChartModel::page_count() const {
    if (!paged_ || points_ == 0) return 1;
    return (points_ + kPointsPerPage - 1) / kPointsPerPage;
}

void ChartModel::set_page(int page) {
    page_ = std::clamp(page, 0, page_count() - 1);
    zoomed_ = false;
    changed();
}

PointRange ChartModel::page_points() const {
    if (!paged_) return {0, points_};
    const int first = std::min(page_ * kPointsPerPage, points_);
    return {first, std::min(first + kPointsPerPage, points_)};
}

// ---- Zoom ----

bool ChartModel::zoom(const ZoomBox& box) {
    const PointRange shown = shown_points();
    const double from = std::min(box.first, box.last);
    const double to = std::max(box.first, box.last);
    const double low = std::min(box.low, box.high);
    const double high = std::max(box.low, box.high);
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(low) || !std::isfinite(high) ||
        !(high > low)) {
        return false;
    }
    // The points whose position lies inside the box, within what is shown now.
    const double first = std::max(std::ceil(from), static_cast<double>(shown.first));
    const double last = std::min(std::floor(to), static_cast<double>(shown.last - 1));
    if (first > last) return false;
    zoom_points_ = {static_cast<int>(first), static_cast<int>(last) + 1};
    zoom_values_ = {low, high};
    zoomed_ = true;
    changed();
    return true;
}

void ChartModel::undo_zoom() {
    if (!zoomed_) return;
    zoomed_ = false;
    changed();
}

PointRange ChartModel::shown_points() const {
    return zoomed_ ? zoom_points_ : page_points();
}

ValueRange ChartModel::value_range() const {
    if (zoomed_) return zoom_values_;
    double low = 0;
    double high = 0;
    const PointRange shown = shown_points();
    for (int i = shown.first; i < shown.last; ++i) {
        double up = 0;
        double down = 0;
        for (const ChartSeries& series : data_.series) {
            if (static_cast<std::size_t>(i) >= series.values.size()) continue;
            const auto& value = series.values[static_cast<std::size_t>(i)];
            if (!value) continue;
            if (series.kind != SeriesKind::StackedBar) {
                low = std::min(low, *value);
                high = std::max(high, *value);
            } else if (*value >= 0) {
                up += *value;
            } else {
                down += *value;
            }
        }
        high = std::max(high, up);
        low = std::min(low, down);
    }
    if (!(high > low)) high = low + 1;
    return {low, high};
}

// ---- 3-D view ----

void ChartModel::set_view3d(bool on) {
    if (on == view3d_) return;
    view3d_ = on;
    changed();
}

void ChartModel::set_elevation(int degrees) {
    const int angle = clamp_angle(degrees);
    if (angle == elevation_) return;
    elevation_ = angle;
    changed();
}

void ChartModel::set_rotation(int degrees) {
    const int angle = clamp_angle(degrees);
    if (angle == rotation_) return;
    rotation_ = angle;
    changed();
}

std::vector<LegendEntry> ChartModel::legend() const {
    std::vector<LegendEntry> entries;
    for (const ChartSeries& series : data_.series) {
        if (!series.title.empty()) entries.push_back({series.title, series.color, series.kind});
    }
    return entries;
}

// ---- Listeners ----

int ChartModel::listen(std::function<void()> listener) {
    const int id = next_listener_++;
    listeners_.emplace_back(id, std::move(listener));
    return id;
}

void ChartModel::unlisten(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ChartModel::changed() {
    // By index: a listener may listen anew while the list is walked.
    for (std::size_t i = 0; i < listeners_.size(); ++i)  // NOLINT(modernize-loop-convert)
        listeners_[i].second();
}

std::string describe(const ChartModel& chart) {
    const PointRange shown = chart.shown_points();
    std::string text = "points=" + std::to_string(chart.point_count());
    text += " shown=";
    text += shown.count() == 0 ? std::string("none")
                               : std::to_string(shown.first + 1) + "-" + std::to_string(shown.last);
    text += " page=" + std::to_string(chart.page() + 1) + "/" + std::to_string(chart.page_count());
    text += chart.zoomed() ? " zoom=on" : " zoom=off";
    text += chart.view3d() ? " 3d=on" : " 3d=off";
    text += " elevation=" + std::to_string(chart.elevation());
    text += " rotation=" + std::to_string(chart.rotation());
    return text;
}

}  // namespace rebanto
