#pragma once
// How the chart's box is seen: turned by the rotation about the vertical axis, tilted by
// the elevation about the horizontal one, projected in parallel and fitted into a
// rectangle of the screen. World: x to the right, y up, z away from the viewer; screen: y
// down. 0° and 0° (or the flat view) is the plain front view.
#include <optional>

namespace rebanto {

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct Point2 {
    double x = 0;
    double y = 0;
};

struct Rect2 {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

class ChartProjection {
public:
    // The box [0, width] × [0, height] × [0, depth] seen at the given angles (degrees),
    // scaled alike in both directions to fill `target` as far as it can, centred in it.
    ChartProjection(int elevation, int rotation, double width, double height, double depth,
                    Rect2 target);
    // The front view: a box of the target's size fills it exactly.
    explicit ChartProjection(Rect2 target);

    Point2 project(Point3 p) const;
    // Larger is farther from the viewer.
    double depth(Point3 p) const;
    // Whether a face with this outward normal turns towards the viewer.
    bool faces_viewer(Point3 normal) const;
    // The point of the plane z = z0 that shows at a screen point; none when that plane is
    // seen edge on.
    std::optional<Point3> on_plane(Point2 screen, double z0) const;

private:
    Point3 turn(Point3 p) const;
    void fit(double width, double height, double depth, Rect2 target);

    double cos_rotation_ = 1;
    double sin_rotation_ = 0;
    double cos_elevation_ = 1;
    double sin_elevation_ = 0;
    double scale_ = 1;
    double offset_x_ = 0;
    double offset_y_ = 0;
};

}  // namespace rebanto
