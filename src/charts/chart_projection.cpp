#include "charts/chart_projection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace rebanto {

namespace {

// Below this a plane is seen so nearly edge on that no point of it can be told apart.
constexpr double kEdgeOn = 0.02;

double radians(int degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

ChartProjection::ChartProjection(int elevation, int rotation, double width, double height,
                                 double depth, Rect2 target)
    : cos_rotation_(std::cos(radians(rotation))),
      sin_rotation_(std::sin(radians(rotation))),
      cos_elevation_(std::cos(radians(elevation))),
      sin_elevation_(std::sin(radians(elevation))) {
    fit(width, height, depth, target);
}

ChartProjection::ChartProjection(Rect2 target) {
    fit(target.width, target.height, 0, target);
}

// Rotation about the vertical axis, then the tilt about the horizontal one. At 345° and
// 345° the back of the box shows a little above and to the right of its front.
Point3 ChartProjection::turn(Point3 p) const {
    const double x = p.x * cos_rotation_ - p.z * sin_rotation_;
    const double z = p.x * sin_rotation_ + p.z * cos_rotation_;
    const double y = p.y * cos_elevation_ - z * sin_elevation_;
    const double d = p.y * sin_elevation_ + z * cos_elevation_;
    return {x, y, d};
}

void ChartProjection::fit(double width, double height, double depth, Rect2 target) {
    double min_x = std::numeric_limits<double>::max();
    double max_x = std::numeric_limits<double>::lowest();
    double min_y = min_x;
    double max_y = max_x;
    for (const double x : {0.0, width}) {
        for (const double y : {0.0, height}) {
            for (const double z : {0.0, depth}) {
                const Point3 t = turn({x, y, z});
                min_x = std::min(min_x, t.x);
                max_x = std::max(max_x, t.x);
                min_y = std::min(min_y, -t.y);
                max_y = std::max(max_y, -t.y);
            }
        }
    }
    const double span_x = max_x - min_x;
    const double span_y = max_y - min_y;
    scale_ = 1;
    if (span_x > 0 && span_y > 0) {
        scale_ = std::min(target.width / span_x, target.height / span_y);
    } else if (span_x > 0) {
        scale_ = target.width / span_x;
    } else if (span_y > 0) {
        scale_ = target.height / span_y;
    }
    if (!(scale_ > 0) || !std::isfinite(scale_)) scale_ = 1;
    offset_x_ = target.left + (target.width - span_x * scale_) / 2 - min_x * scale_;
    offset_y_ = target.top + (target.height - span_y * scale_) / 2 - min_y * scale_;
}

Point2 ChartProjection::project(Point3 p) const {
    const Point3 t = turn(p);
    return {offset_x_ + t.x * scale_, offset_y_ - t.y * scale_};
}

double ChartProjection::depth(Point3 p) const {
    return turn(p).z;
}

bool ChartProjection::faces_viewer(Point3 normal) const {
    return turn(normal).z < 0;
}

std::optional<Point3> ChartProjection::on_plane(Point2 screen, double z0) const {
    if (std::fabs(cos_rotation_) < kEdgeOn || std::fabs(cos_elevation_) < kEdgeOn) {
        return std::nullopt;
    }
    const double tx = (screen.x - offset_x_) / scale_;
    const double ty = (offset_y_ - screen.y) / scale_;
    const double x = (tx + z0 * sin_rotation_) / cos_rotation_;
    const double turned_z = x * sin_rotation_ + z0 * cos_rotation_;
    const double y = (ty + turned_z * sin_elevation_) / cos_elevation_;
    return Point3{x, y, z0};
}

}  // namespace rebanto
