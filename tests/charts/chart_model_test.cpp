// The chart model: pages of 60 points, the zoom and its undo, the automatic value range,
// the 3-D angles kept to 0..360, the legend, and what listeners hear.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "charts/chart_model.h"

namespace rebanto {
namespace {

// n points; one bar series of 10 each, a second of 5 each, a line climbing by 1.
ChartData points(int n) {
    ChartData data;
    ChartSeries bars{"棒", SeriesKind::StackedBar, {0, 255, 255}, 0, {}};
    ChartSeries more{"上", SeriesKind::StackedBar, {0, 255, 0}, -35, {}};
    ChartSeries line{"線", SeriesKind::Line, {255, 0, 0}, 0, {}};
    for (int i = 0; i < n; ++i) {
        data.labels.push_back(std::to_string(i + 1));
        bars.values.emplace_back(10.0);
        more.values.emplace_back(5.0);
        line.values.emplace_back(static_cast<double>(i));
    }
    data.series = {bars, more, line};
    return data;
}

class ChartModelTest : public ::testing::Test {
protected:
    ChartModel chart;
};

// ---- Paging ----

TEST_F(ChartModelTest, AllPointsShowOnOnePageUntilPagingIsAskedFor) {
    chart.set_data(points(421));
    EXPECT_FALSE(chart.paged());
    EXPECT_EQ(chart.page_count(), 1);
    EXPECT_EQ(chart.shown_points(), (PointRange{0, 421}));
}

TEST_F(ChartModelTest, PagesHoldSixtyPointsAndTheLastTheRest) {
    chart.set_data(points(421));
    chart.set_paged(true);
    EXPECT_EQ(chart.page_count(), 8);
    EXPECT_EQ(chart.shown_points(), (PointRange{0, 60}));
    chart.next_page();
    EXPECT_EQ(chart.shown_points(), (PointRange{60, 120}));
    chart.set_page(7);
    EXPECT_EQ(chart.shown_points(), (PointRange{420, 421}));
}

TEST_F(ChartModelTest, TurningPagesStopsAtTheFirstAndTheLast) {
    chart.set_data(points(120));
    chart.set_paged(true);
    chart.previous_page();
    EXPECT_EQ(chart.page(), 0);
    chart.next_page();
    chart.next_page();
    chart.next_page();
    EXPECT_EQ(chart.page(), 1);
    EXPECT_EQ(chart.shown_points(), (PointRange{60, 120}));
}

TEST_F(ChartModelTest, PagingOffShowsAllAgainAndNewDataStartsOnTheFirstPage) {
    chart.set_data(points(200));
    chart.set_paged(true);
    chart.set_page(3);
    chart.set_data(points(200));
    EXPECT_EQ(chart.page(), 0);
    EXPECT_TRUE(chart.paged()) << "the mode is the window's, not the data's";
    chart.set_paged(false);
    EXPECT_EQ(chart.shown_points(), (PointRange{0, 200}));
}

TEST_F(ChartModelTest, AnEmptyChartHasOnePageAndNoPoints) {
    chart.set_paged(true);
    EXPECT_EQ(chart.page_count(), 1);
    EXPECT_EQ(chart.shown_points().count(), 0);
    chart.next_page();
    EXPECT_EQ(chart.page(), 0);
}

// ---- Zoom ----

TEST_F(ChartModelTest, AZoomShowsThePointsInsideTheBoxAndItsValues) {
    chart.set_data(points(100));
    ASSERT_TRUE(chart.zoom({9.6, 20.2, 3, 12}));
    EXPECT_TRUE(chart.zoomed());
    EXPECT_EQ(chart.shown_points(), (PointRange{10, 21}));
    EXPECT_EQ(chart.value_range(), (ValueRange{3, 12}));
}

TEST_F(ChartModelTest, AZoomBoxDrawnBackwardsMeansTheSameBox) {
    chart.set_data(points(100));
    ASSERT_TRUE(chart.zoom({20.2, 9.6, 12, 3}));
    EXPECT_EQ(chart.shown_points(), (PointRange{10, 21}));
    EXPECT_EQ(chart.value_range(), (ValueRange{3, 12}));
}

TEST_F(ChartModelTest, ABoxBetweenTwoPointsOrWithoutHeightChangesNothing) {
    chart.set_data(points(100));
    EXPECT_FALSE(chart.zoom({10.2, 10.8, 0, 5}));
    EXPECT_FALSE(chart.zoom({5, 15, 4, 4}));
    EXPECT_FALSE(chart.zoom({5, 15, std::numeric_limits<double>::quiet_NaN(), 4}));
    EXPECT_FALSE(chart.zoomed());
    EXPECT_EQ(chart.shown_points(), (PointRange{0, 100}));
}

TEST_F(ChartModelTest, AZoomInsideAZoomNarrowsItAndOneUndoRestoresTheWholePage) {
    chart.set_data(points(100));
    ASSERT_TRUE(chart.zoom({10, 50, 0, 20}));
    ASSERT_TRUE(chart.zoom({0, 30, 0, 10}));
    EXPECT_EQ(chart.shown_points(), (PointRange{10, 31})) << "kept inside what was shown";
    chart.undo_zoom();
    EXPECT_FALSE(chart.zoomed());
    EXPECT_EQ(chart.shown_points(), (PointRange{0, 100}));
}

TEST_F(ChartModelTest, TurningThePageOrNewDataUndoesTheZoom) {
    chart.set_data(points(130));
    chart.set_paged(true);
    ASSERT_TRUE(chart.zoom({5, 10, 0, 20}));
    chart.next_page();
    EXPECT_FALSE(chart.zoomed());
    EXPECT_EQ(chart.shown_points(), (PointRange{60, 120}));
    ASSERT_TRUE(chart.zoom({65, 70, 0, 20}));
    chart.set_data(points(130));
    EXPECT_FALSE(chart.zoomed());
}

TEST_F(ChartModelTest, AZoomStaysOnThePageItWasMadeOn) {
    chart.set_data(points(130));
    chart.set_paged(true);
    chart.next_page();
    ASSERT_TRUE(chart.zoom({0, 70, 0, 20}));
    EXPECT_EQ(chart.shown_points(), (PointRange{60, 71}));
}

// ---- Value range ----

TEST_F(ChartModelTest, TheRangeRunsFromZeroToTheHighestStackOrLineValue) {
    chart.set_data(points(30));  // stacks of 15, the line up to 29
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 29}));
    chart.set_data(points(10));  // the line up to 9, stacks of 15
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 15}));
}

TEST_F(ChartModelTest, NegativeBarsStackDownwardsApartFromThePositiveOnes) {
    ChartData data;
    data.labels = {"1"};
    data.series = {{"a", SeriesKind::StackedBar, {}, 0, {30.0}},
                   {"b", SeriesKind::StackedBar, {}, 0, {-20.0}},
                   {"c", SeriesKind::StackedBar, {}, 0, {-5.0}}};
    chart.set_data(data);
    EXPECT_EQ(chart.value_range(), (ValueRange{-25, 30}));
}

TEST_F(ChartModelTest, BarsStandingAloneReachOnlyTheirOwnValue) {
    ChartData data;
    data.labels = {"1", "2"};
    data.series = {{"long", SeriesKind::Bar, {}, -20, {420.0, 380.0}},
                   {"short", SeriesKind::Bar, {}, 20, {120.0, 75.0}},
                   {"stacked", SeriesKind::StackedBar, {}, 0, {30.0, 40.0}},
                   {"more", SeriesKind::StackedBar, {}, 0, {30.0, 40.0}}};
    chart.set_data(data);
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 420})) << "not 420 + 120 + 30 + 30";
}

TEST_F(ChartModelTest, TheRangeFollowsTheShownPointsOnly) {
    chart.set_data(points(130));
    chart.set_paged(true);
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 59}));
    chart.set_page(2);
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 129}));
}

TEST_F(ChartModelTest, GapsAndValuesThatAreNoNumberAddNothing) {
    ChartData data;
    data.labels = {"1", "2", "3"};
    data.series = {{"a",
                    SeriesKind::StackedBar,
                    {},
                    0,
                    {std::nullopt, std::numeric_limits<double>::infinity(), 7.0}}};
    chart.set_data(data);
    EXPECT_FALSE(chart.data().series[0].values[1].has_value()) << "infinity becomes a gap";
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 7}));
}

TEST_F(ChartModelTest, AllZeroOrNoPointsStillGivesTheAxisAHeight) {
    EXPECT_EQ(chart.value_range(), (ValueRange{0, 1}));
}

TEST_F(ChartModelTest, ASeriesLongerThanTheLabelsAddsUnlabelledPoints) {
    ChartData data;
    data.labels = {"1"};
    data.series = {{"a", SeriesKind::StackedBar, {}, 0, {1.0, 2.0, 3.0}}};
    chart.set_data(data);
    EXPECT_EQ(chart.point_count(), 3);
    EXPECT_EQ(chart.label(0), "1");
    EXPECT_EQ(chart.label(2), "");
}

// ---- 3-D ----

TEST_F(ChartModelTest, TheViewStartsIn3DAt345And345) {
    EXPECT_TRUE(chart.view3d());
    EXPECT_EQ(chart.elevation(), 345);
    EXPECT_EQ(chart.rotation(), 345);
}

TEST_F(ChartModelTest, AnglesAreKeptToZeroThrough360) {
    chart.set_elevation(400);
    EXPECT_EQ(chart.elevation(), 360);
    chart.set_elevation(-1);
    EXPECT_EQ(chart.elevation(), 0);
    chart.set_rotation(361);
    EXPECT_EQ(chart.rotation(), 360);
    chart.set_rotation(-720);
    EXPECT_EQ(chart.rotation(), 0);
    chart.set_rotation(200);
    EXPECT_EQ(chart.rotation(), 200);
}

// ---- Legend and listeners ----

TEST_F(ChartModelTest, TheLegendListsTheTitledSeriesInOrderWithTheirColours) {
    ChartData data = points(3);
    data.series.push_back({"", SeriesKind::Line, {1, 2, 3}, 0, {}});
    chart.set_data(data);
    const std::vector<LegendEntry> legend = chart.legend();
    ASSERT_EQ(legend.size(), 3u);
    EXPECT_EQ(legend[0], (LegendEntry{"棒", {0, 255, 255}, SeriesKind::StackedBar}));
    EXPECT_EQ(legend[1], (LegendEntry{"上", {0, 255, 0}, SeriesKind::StackedBar}));
    EXPECT_EQ(legend[2], (LegendEntry{"線", {255, 0, 0}, SeriesKind::Line}));
}

TEST_F(ChartModelTest, ListenersHearChangesUntilTheyStop) {
    int heard = 0;
    const int id = chart.listen([&] { ++heard; });
    chart.set_data(points(5));
    chart.set_elevation(10);
    chart.set_elevation(10);  // no change, nothing to hear
    EXPECT_EQ(heard, 2);
    chart.unlisten(id);
    chart.set_view3d(false);
    EXPECT_EQ(heard, 2);
}

TEST_F(ChartModelTest, ClearingThePointsKeepsTheSeriesTitles) {
    chart.set_data(points(5));
    chart.clear_points();
    EXPECT_TRUE(chart.empty());
    EXPECT_EQ(chart.legend().size(), 3u);
}

TEST_F(ChartModelTest, TheRunnersLineSaysWhatIsShown) {
    chart.set_data(points(130));
    chart.set_paged(true);
    chart.next_page();
    EXPECT_EQ(describe(chart),
              "points=130 shown=61-120 page=2/3 zoom=off 3d=on elevation=345 rotation=345");
    chart.clear_points();
    EXPECT_EQ(describe(chart),
              "points=0 shown=none page=1/1 zoom=off 3d=on elevation=345 rotation=345");
}

}  // namespace
}  // namespace rebanto
