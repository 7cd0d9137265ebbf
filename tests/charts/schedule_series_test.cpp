// The four series of a schedule chart from tables worked out by hand: new principal,
// principal and interest subtotals, and the interest summed so far, which totals rows do
// not raise; composite head rows left out; cells that are no whole yen refused by name.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "charts/schedule_series.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {
namespace {

const std::string kSettings = "T･6･6･64･････････････････････････････";

std::vector<std::optional<double>> values(std::initializer_list<double> list) {
    return {list.begin(), list.end()};
}

class ScheduleSeriesTest : public ::testing::Test {
protected:
    ScheduleSeriesTest() { table.set_cell(1, 13, kSettings); }
    void row(const std::string& month, const std::string& interest, const std::string& principal,
             const std::string& next, const std::string& remark = "") {
        std::vector<std::string> cells(14);
        cells[0] = month;
        cells[10] = interest;
        cells[11] = principal;
        cells[12] = next;
        cells[13] = remark;
        table.append_row(cells);
    }
    const ChartSeries& series(const char* title) const {
        for (const ChartSeries& s : data.series) {
            if (s.title == title) return s;
        }
        throw std::logic_error(title);
    }

    Form form{"TForCur", ""};
    Grid table{form, "StGr1", 2, 14, 1, 3};
    ChartData data = schedule_chart_frame({0xFF, 0x80, 0x40});
};

TEST_F(ScheduleSeriesTest, TheFrameHasTheFourSeriesInOrderWithTheirColoursAndOffsets) {
    ASSERT_EQ(data.series.size(), 4u);
    const struct {
        const char* title;
        SeriesKind kind;
        Rgb color;
        int offset;
    } expected[] = {{"新元金", SeriesKind::StackedBar, {0x00, 0xFF, 0xFF}, 0},
                    {"元入小計", SeriesKind::StackedBar, {0x00, 0xFF, 0x00}, -35},
                    {"利息累計", SeriesKind::Line, {0xFF, 0x00, 0x00}, 0},
                    {"利息小計", SeriesKind::StackedBar, {0xFF, 0x00, 0x00}, -35}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(data.series[i].title, expected[i].title);
        EXPECT_EQ(data.series[i].kind, expected[i].kind);
        EXPECT_EQ(data.series[i].color, expected[i].color);
        EXPECT_EQ(data.series[i].offset_percent, expected[i].offset);
        EXPECT_TRUE(data.series[i].values.empty());
    }
    EXPECT_EQ(data.axis_title, "金額");
    EXPECT_EQ(data.foot, "月回");
    EXPECT_EQ(data.gradient_end, (Rgb{0xFF, 0x80, 0x40}));
}

// Month 1 and 2, a prepayment in month 2 and the totals row: interest 100 + 90 + 5 = 195.
TEST_F(ScheduleSeriesTest, ACurrentTableGivesOnePointARowAndTheTotalsRowDoesNotAddToTheSum) {
    row("1", "100", "900", "9100");
    row("2", "90", "910", "8190");
    row("2", "5", "1000", "7190", "U日後30");
    row("2", "195", "2810", "7190", "K");
    add_schedule_rows(table, ChartedTable::Current, data);
    EXPECT_EQ(data.labels, (std::vector<std::string>{"1", "2", "2", "2"}));
    EXPECT_EQ(series("新元金").values, values({9100, 8190, 7190, 7190}));
    EXPECT_EQ(series("元入小計").values, values({900, 910, 1000, 2810}));
    EXPECT_EQ(series("利息小計").values, values({100, 90, 5, 195}));
    EXPECT_EQ(series("利息累計").values, values({100, 190, 195, 195}));
}

TEST_F(ScheduleSeriesTest, ATableWithoutDataRowsGivesNoPoints) {
    add_schedule_rows(table, ChartedTable::Current, data);
    EXPECT_TRUE(data.labels.empty());
    EXPECT_EQ(data.series.size(), 4u);
    EXPECT_TRUE(series("利息累計").values.empty());
}

TEST_F(ScheduleSeriesTest, ACompositeLeavesOutItsHeadRowsButACurrentTableDoesNot) {
    table.set_cell(1, 13, kSettings);   // head row of the first loan (row 1 is never charted)
    row("②表", "", "", "", kSettings);  // head row of the second loan
    row("1", "300", "700", "19300", "Dx30");
    row("2", "250", "750", "18550");
    add_schedule_rows(table, ChartedTable::Composite, data);
    EXPECT_EQ(data.labels, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(series("利息累計").values, values({300, 550}));

    ChartData current = schedule_chart_frame({});
    EXPECT_THROW(add_schedule_rows(table, ChartedTable::Current, current), ChartCellError)
        << "a current table charts every row, and the head row's empty cells are no amounts";
}

TEST_F(ScheduleSeriesTest, ACellThatIsNoWholeYenStopsTheFillNamingItAndKeepsTheRowsBefore) {
    row("1", "100", "900", "9100");
    row("2", "90", "910", "8190");
    row("3", "80", "abc", "7270");
    row("4", "70", "930", "6340");
    try {
        add_schedule_rows(table, ChartedTable::Current, data);
        FAIL() << "the bad cell was charted";
    } catch (const ChartCellError& e) {
        EXPECT_STREQ(
            e.what(),
            "StGr1 4行11列の「abc」は円単位の整数ではありません。グラフはこの行の手前までです");
        EXPECT_EQ(e.text(), "abc");
    }
    EXPECT_EQ(data.labels, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(series("利息小計").values, values({100, 90}));
    EXPECT_EQ(series("元入小計").values, values({900, 910}));
}

TEST_F(ScheduleSeriesTest, FractionsOfAYenAndEmptyCellsAreRefusedToo) {
    row("1", "100.5", "900", "9100");
    EXPECT_THROW(add_schedule_rows(table, ChartedTable::Current, data), ChartCellError);
    table.set_row_count(2);
    row("1", "100", "900", "");
    EXPECT_THROW(add_schedule_rows(table, ChartedTable::Current, data), ChartCellError);
}

TEST_F(ScheduleSeriesTest, AnInterestSumBeyondWhatCanBeHeldIsRefusedNotWrapped) {
    row("1", "9223372036854775807", "0", "0");
    row("2", "1", "0", "0");
    try {
        add_schedule_rows(table, ChartedTable::Current, data);
        FAIL() << "the sum overflowed";
    } catch (const ChartCellError& e) {
        EXPECT_NE(std::string(e.what()).find("StGr1 3行10列"), std::string::npos) << e.what();
    }
    EXPECT_EQ(data.labels.size(), 1u);
}

}  // namespace
}  // namespace rebanto
