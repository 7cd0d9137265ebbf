// The comparison window through the application: tables A and B summed from the chosen
// memories by the composite work, the difference table, what the window says when there is
// nothing to compare, and the selection the navigator's replay keeps.
#include "base/numtext.h"
#include "reference_schedule.h"
#include "window_fixture.h"

namespace rebanto {
namespace {

using testing::ComparisonWindow;
using testing::reference_instalment;
using testing::RefRate;

constexpr const char* kNoMemory =
    "info カレント両表の該当一時記憶にデータがありません。一時記憶に記憶した後再度実行して下さい。";

TEST_F(ComparisonWindow, OpeningWritesTheHeadersAndEnablesTheOperations) {
    EXPECT_FALSE(hi.Button1.enabled());
    EXPECT_FALSE(hi.CSV3.enabled());
    EXPECT_TRUE(hi.CheckBox3.checked() && hi.CheckBox4.checked());
    EXPECT_TRUE(hi.CheckBox7.checked() && hi.CheckBox10.checked());
    EXPECT_FALSE(hi.CheckBox1.checked() || hi.CheckBox6.checked());
    open();
    EXPECT_TRUE(hi.visible());
    for (Button* b : {&hi.Button1, &hi.Button2, &hi.Button3, &hi.CSV1, &hi.CSV2, &hi.CSV3,
                      &hi.Button14, &hi.Button15, &hi.Button16}) {
        EXPECT_TRUE(b->enabled()) << b->name();
    }
    EXPECT_EQ(hi.StringGrid3.cell(0, 3), "返済１回分");
    EXPECT_EQ(hi.StringGrid1.cell(0, 11), "元金残総額");
    EXPECT_EQ(hi.StringGrid2.cell(0, 7), "");
}

TEST_F(ComparisonWindow, TwoIdenticalMemoriesGiveAnAllZeroDifference) {
    run_loan("1000000", "10");
    store(1);
    open();
    choose(false, {1});
    choose(true, {1});
    hi.Button1.click();
    hi.Button2.click();
    hi.Button3.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{});
    const Grid& d = hi.StringGrid3;
    EXPECT_EQ(hi.Label3.tag(), 2);
    EXPECT_EQ(d.cell(1, 0), "M1記憶");
    EXPECT_EQ(d.cell(2, 0), "▲M1記憶");
    // 120 months, the totals row left out.
    ASSERT_EQ(d.row_count(), 3 + 120);
    for (int r = 3; r < d.row_count(); ++r) {
        for (int c : {3, 4, 5, 8, 9, 10, 11})
            EXPECT_EQ(d.cell(r, c), "0") << "row " << r << " column " << c;
        EXPECT_EQ(d.cell(r, 6).find("△"), std::string::npos);
        EXPECT_EQ(d.cell(r, 6).find("▼"), std::string::npos);
    }
}

TEST_F(ComparisonWindow, ATenYearLoanAgainstAFifteenYearLoan) {
    run_loan("1000000", "10");
    store(3);
    run_loan("1000000", "15");
    store(2);
    open();  // A: memories 3 and 4 (4 is empty), B: memories 2 and 5 (5 is empty)
    hi.Button1.click();
    hi.Button2.click();
    hi.Button3.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{}) << "empty memories are skipped";
    EXPECT_EQ(hi.StringGrid1.cell(1, 0), "M3記憶");
    EXPECT_EQ(hi.StringGrid2.cell(1, 0), "M2記憶");
    const Grid& d = hi.StringGrid3;
    ASSERT_EQ(d.row_count(), 3 + 180);
    // The instalments of a fresh loan over 120 and over 180 months, worked out apart.
    const long long ten = reference_instalment(1'000'000, 120, RefRate{2325, 1000});
    const long long fifteen = reference_instalment(1'000'000, 180, RefRate{2325, 1000});
    EXPECT_EQ(d.cell(3 + 49, 0), "50");
    EXPECT_EQ(d.cell(3 + 49, 3), std::to_string(ten - fifteen));
    for (int r = 3 + 120; r < d.row_count(); ++r) {
        EXPECT_EQ(d.cell(r, 0), std::to_string(r - 2));
        if (r < d.row_count() - 1) {
            EXPECT_EQ(d.cell(r, 3), std::to_string(-fifteen));
        }
        EXPECT_EQ(d.cell(r, 6), "") << "B's own remark, no mark";
    }
    // The running columns of the months of B alone stand against A's totals: the interest
    // difference grows by exactly B's interest of the month.
    const Grid& b = hi.StringGrid2;
    for (int m = 122; m <= 180; ++m) {
        const long double step = to_extended(d.cell(m + 2, 9)) - to_extended(d.cell(m + 1, 9));
        EXPECT_EQ(step, -to_extended(b.cell(m + 1, 4))) << "month " << m;
    }
    EXPECT_EQ(d.cell(d.row_count() - 1, 11), "0") << "both loans are repaid";
}

TEST_F(ComparisonWindow, TableASumsTheChosenMemoriesWithTheirNames) {
    run_loan("1000000", "10");
    store(1);
    run_loan("2000000", "10");
    store(4);
    open();
    choose(false, {1, 4});
    hi.Button1.click();
    const Grid& a = hi.StringGrid1;
    EXPECT_EQ(hi.Label1.tag(), 2);
    EXPECT_EQ(a.cell(1, 0), "M1記憶");
    EXPECT_EQ(a.cell(2, 0), "M4記憶");
    const long long one = reference_instalment(1'000'000, 120, RefRate{2325, 1000});
    const long long two = reference_instalment(2'000'000, 120, RefRate{2325, 1000});
    EXPECT_EQ(a.cell(3, 0), "1");
    EXPECT_EQ(a.cell(3, 3), std::to_string(one + two));
    EXPECT_EQ(a.cell(3, 8), "3000000") << "both principals arise in month 1";
    EXPECT_EQ(a.cell(3, 7), "");
    // The running columns end with both loans repaid.
    EXPECT_EQ(a.cell(a.row_count() - 1, 11), "0");
    EXPECT_EQ(a.cell(a.row_count() - 1, 10), "3000000");
}

TEST_F(ComparisonWindow, MemoriesWithNothingInThemSaySo) {
    open();
    hi.Button1.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{kNoMemory});
    EXPECT_EQ(hi.StringGrid1.row_count(), 2) << "table A is left as it was";
    EXPECT_EQ(hi.Label1.tag(), 0);
    // A memory stored from empty current tables holds no schedule either.
    store(3);
    hi.Button1.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{kNoMemory});
    EXPECT_EQ(hi.StringGrid1.row_count(), 2);
}

TEST_F(ComparisonWindow, TheDifferenceNeedsBothTables) {
    run_loan("1000000", "10");
    store(3);
    open();
    hi.Button1.click();
    hi.Button3.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].starts_with("info ")) << log[0];
    EXPECT_EQ(hi.StringGrid3.row_count(), 2);
}

TEST_F(ComparisonWindow, ACellThatIsNoNumberIsNamedAndTheRowsBeforeItStay) {
    run_loan("1000000", "10");
    store(3);
    store(2);
    open();
    hi.Button1.click();
    hi.Button2.click();
    hi.StringGrid2.edit_cell(12, 4, "１２");  // month 11 of B, in full-width digits
    hi.Button3.click();
    EXPECT_EQ(
        platform.take_log(),
        std::vector<std::string>{"error 入力欄 TFormHi.StringGrid2 12行4列 の「１２」は有効な数値"
                                 "ではありません"});
    EXPECT_EQ(hi.StringGrid3.row_count(), 3 + 10) << "months 1 to 10 stay";
    EXPECT_EQ(hi.Label3.tag(), 2);
}

TEST_F(ComparisonWindow, ACommitDuringAReplayKeepsTheSelectedRows) {
    run_loan("1000000", "10");
    Grid& monthly = cur.StGr1;
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.Button1.click();  // one month committed
    f1.Button1.click();
    monthly.set_selection(2, 0);
    hi.ReplayBusy = true;
    f1.Button1.click();
    EXPECT_EQ(monthly.selected_row(), 2) << "the replay keeps the row";
    hi.ReplayBusy = false;
    f1.Button1.click();
    EXPECT_EQ(monthly.selected_row(), monthly.row_count() - 1) << "a user's commit shows the end";
}

TEST_F(ComparisonWindow, TheNavigatorsReplayLowersTheBusyFlagAgain) {
    run_loan("1000000", "10");
    f1.Button107.click();
    app.navigator.Button8.click();
    EXPECT_FALSE(hi.ReplayBusy);
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

TEST_F(ComparisonWindow, TheDifferenceGoesAsCsvIntoTheOutputMemo) {
    run_loan("1000000", "10");
    store(3);
    run_loan("1000000", "15");
    store(2);
    open();
    hi.Button1.click();
    hi.Button2.click();
    hi.Button3.click();
    platform.take_log();
    hi.CSV3.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep information"});
    EXPECT_TRUE(f1.Panel1.visible());
    EXPECT_TRUE(f1.RichEdit4.plain_text());
    EXPECT_EQ(f1.ExportFilter, 2);
    EXPECT_EQ(f1.ExportExtension, "csv");
    const auto& lines = f1.RichEdit4.lines();
    // Title, empty, two title rows, empty, header, 180 months, header.
    ASSERT_EQ(lines.size(), 2u + 2u + 2u + 180u + 1u);
    EXPECT_EQ(lines[0],
              "Rebanto（Ａ－Ｂ＝差引表）  -- by.未記入無名 -- 2026/12/08 --  --,,,,,,,,,,,,,");
    EXPECT_TRUE(lines[2].starts_with("M3記憶,"));
    EXPECT_TRUE(lines[3].starts_with("▲M2記憶,"));
    EXPECT_TRUE(lines[6].starts_with("   1,  0,1,\"")) << lines[6];
    EXPECT_EQ(lines[5], lines.back());
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

using testing::ComparisonWindow;

// "グラフ" of table A opens the comparison's chart window with the table's five series,
// one point per period row, under the table's caption.
TEST_F(ComparisonWindow, TheChartButtonShowsTheTableInItsChartWindow) {
    run_loan("10000000", "10");
    store(1);
    open();
    choose(false, {1});
    hi.Button1.click();
    hi.Button14.click();
    TFormKGr& chart = app.aux_chart;
    EXPECT_TRUE(chart.visible());
    EXPECT_EQ(chart.caption(), hi.LastChart.caption);
    const ChartData& data = chart.Chart1.model.data();
    ASSERT_EQ(data.series.size(), 5u);
    EXPECT_EQ(data.series[0].title, "新元金");
    EXPECT_EQ(data.series[2].kind, SeriesKind::Line) << "利息累計";
    EXPECT_EQ(data.series[0].kind, SeriesKind::StackedBar);
    EXPECT_EQ(chart.Chart1.model.point_count(), 120);
    // The first point's new principal is the balance after month 1: 10,000,000 less the
    // instalment's principal part (interest 10,000,000 × 2.325 % ÷ 12 = 19,375).
    const long long instalment =
        testing::reference_instalment(10'000'000, 120, testing::RefRate{2325, 1000});
    EXPECT_DOUBLE_EQ(*data.series[0].values[0],
                     static_cast<double>(10'000'000 - (instalment - 19'375)));
}

}  // namespace
}  // namespace rebanto
