// The series of a comparison table's chart: one point per period row, prepayment rows
// included, totals rows and rows without a principal left out.
#include "compare/chart_series.h"

#include "base/errors.h"
#include "comparison_fixture.h"

namespace rebanto {
namespace {

class ComparisonChart : public testing::ComparisonTables {};

std::vector<long long> yen(const comparison::Series& s) {
    std::vector<long long> v;
    for (Money m : s.values)
        v.push_back(m.whole_yen());
    return v;
}

TEST_F(ComparisonChart, OnePointPerPeriodRowInTheFiveSeries) {
    write(a, {"M1記憶", "M2記憶"},
          {{1, 11'000, 1'000, 10'000, "", 1'200'000, 1'000, 10'000, 1'190'000},
           {1, 50'000, 0, 50'000, "U同時", 0, 1'000, 60'000, 1'140'000},
           {2, 11'000, 900, 10'100, "", 0, 1'900, 70'100, 1'129'900},
           {3, 11'000, 800, 10'200, "", 0, 2'700, 80'300, 1'119'700}});
    a.set_cell(6, 5, "");  // month 3 without its principal
    const comparison::Chart chart = comparison::chart_of(a, 2, comparison::ChartTable::A);
    EXPECT_EQ(chart.caption, "A表グラフ　---　A加算表　---　 (グラフ部分Wクリックで本体等表示)");
    EXPECT_EQ(chart.labels, (std::vector<std::string>{"1", "1", "2"}));
    EXPECT_EQ(chart.series[0].title, "新元金");
    EXPECT_EQ(yen(chart.series[0]), (std::vector<long long>{1'190'000, 1'140'000, 1'129'900}));
    EXPECT_EQ(chart.series[1].title, "元入小計");
    EXPECT_EQ(yen(chart.series[1]), (std::vector<long long>{10'000, 50'000, 10'100}));
    EXPECT_EQ(chart.series[2].title, "利息累計");
    EXPECT_EQ(chart.series[2].kind, comparison::SeriesKind::Line);
    EXPECT_EQ(yen(chart.series[2]), (std::vector<long long>{1'000, 1'000, 1'900}));
    EXPECT_EQ(chart.series[3].title, "利息小計");
    EXPECT_EQ(yen(chart.series[3]), (std::vector<long long>{1'000, 0, 900}));
    EXPECT_EQ(chart.series[4].title, "元入累計");
    EXPECT_EQ(chart.series[4].kind, comparison::SeriesKind::Line);
    EXPECT_EQ(yen(chart.series[4]), (std::vector<long long>{10'000, 60'000, 70'100}));
}

TEST_F(ComparisonChart, ABadCellAddsNoHalfPoint) {
    write(a, {"M1記憶"}, loan(1, 3, 30'000, 100, 10'000));
    a.set_cell(3, 10, "x");
    EXPECT_THROW(comparison::chart_of(a, 1, comparison::ChartTable::B), FieldValueError);
    EXPECT_EQ(comparison::chart_caption(comparison::ChartTable::Difference),
              "A-B表グラフ　---　A-B差引表　---　 (グラフ部分Wクリックで本体等表示)");
}

}  // namespace
}  // namespace rebanto
