// The 3-D projection of the chart's box: the flat front view, the side a turn shows, the
// faces towards the viewer, and the way back from the screen to the box's front.
#include <gtest/gtest.h>

#include "charts/chart_projection.h"

namespace rebanto {
namespace {

constexpr Rect2 kTarget{10, 20, 400, 300};

void expect_point(Point2 actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
}

TEST(ChartProjection, TheFrontViewFillsTheTargetWithTheBoxUpright) {
    const ChartProjection view(kTarget);
    expect_point(view.project({0, 0, 0}), 10, 320);  // bottom left
    expect_point(view.project({400, 300, 0}), 410, 20);
    expect_point(view.project({200, 150, 0}), 210, 170);
}

TEST(ChartProjection, AtZeroDegreesTheDepthIsHiddenBehindTheFront) {
    const ChartProjection view(0, 0, 400, 300, 50, kTarget);
    const Point2 front = view.project({100, 100, 0});
    const Point2 back = view.project({100, 100, 50});
    EXPECT_NEAR(front.x, back.x, 1e-9);
    EXPECT_NEAR(front.y, back.y, 1e-9);
}

TEST(ChartProjection, At345And345TheBackShowsAboveAndRightOfTheFront) {
    const ChartProjection view(345, 345, 400, 300, 50, kTarget);
    const Point2 front = view.project({0, 0, 0});
    const Point2 back = view.project({0, 0, 50});
    EXPECT_GT(back.x, front.x);
    EXPECT_LT(back.y, front.y);
}

TEST(ChartProjection, TheTurnedBoxStaysInsideTheTarget) {
    for (const int angle : {0, 30, 90, 180, 300, 345, 360}) {
        const ChartProjection view(angle, 360 - angle, 400, 300, 60, kTarget);
        for (const double x : {0.0, 400.0}) {
            for (const double y : {0.0, 300.0}) {
                for (const double z : {0.0, 60.0}) {
                    const Point2 p = view.project({x, y, z});
                    EXPECT_GE(p.x, kTarget.left - 1e-6) << angle;
                    EXPECT_LE(p.x, kTarget.left + kTarget.width + 1e-6) << angle;
                    EXPECT_GE(p.y, kTarget.top - 1e-6) << angle;
                    EXPECT_LE(p.y, kTarget.top + kTarget.height + 1e-6) << angle;
                }
            }
        }
    }
}

TEST(ChartProjection, TheFrontAndTheTopFaceTheViewerFromAbove) {
    const ChartProjection view(345, 345, 400, 300, 50, kTarget);
    EXPECT_TRUE(view.faces_viewer({0, 0, -1}));
    EXPECT_FALSE(view.faces_viewer({0, 0, 1}));
    EXPECT_TRUE(view.faces_viewer({0, 1, 0}));
    EXPECT_FALSE(view.faces_viewer({0, -1, 0}));
    EXPECT_LT(view.depth({0, 0, 0}), view.depth({0, 0, 50}));
}

TEST(ChartProjection, SeenFromBehindTheBackFacesTheViewer) {
    const ChartProjection view(0, 180, 400, 300, 50, kTarget);
    EXPECT_TRUE(view.faces_viewer({0, 0, 1}));
    EXPECT_FALSE(view.faces_viewer({0, 0, -1}));
}

TEST(ChartProjection, APointOfTheFrontComesBackFromTheScreen) {
    for (const int angle : {0, 20, 330, 345}) {
        const ChartProjection view(angle, angle, 400, 300, 50, kTarget);
        const Point3 p{123, 45, 0};
        const auto back = view.on_plane(view.project(p), 0);
        ASSERT_TRUE(back.has_value()) << angle;
        EXPECT_NEAR(back->x, p.x, 1e-6) << angle;
        EXPECT_NEAR(back->y, p.y, 1e-6) << angle;
    }
}

TEST(ChartProjection, AFrontSeenEdgeOnGivesNoPointBack) {
    const ChartProjection view(0, 90, 400, 300, 50, kTarget);
    EXPECT_FALSE(view.on_plane({100, 100}, 0).has_value());
}

}  // namespace
}  // namespace rebanto
