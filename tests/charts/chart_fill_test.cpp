// The chart windows filled from the main window's buttons: the current monthly and bonus
// tables and the composite tables, under their titles and background colours; an empty
// table, a cell that is no amount, and the composite chart buttons that follow their
// composites.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace rebanto {
namespace {

const char* const kMonthlyTitle =
    "カレント表グラフ　---　月表　---　 (グラフ部分Wクリックで本体表示)";

class ChartFillTest : public testing::AppTest {
protected:
    // The typical loan in one-month steps: 420 months and the totals row.
    void typical_run() {
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text("35");
        f1.Ed0_wari.set_text("20");
        f1.Ed1_mm5.set_text("1");
        f1.Button18.click();
        platform.take_log();
    }
    const ChartSeries& series(ChartWindow& window, const char* title) {
        for (const ChartSeries& s : window.Chart1.model.data().series) {
            if (s.title == title) return s;
        }
        throw std::logic_error(title);
    }
    double last(ChartWindow& window, const char* title) {
        return series(window, title).values.back().value();
    }
    TForm5& current = app.cur_chart;
    TForm3& composite = app.composite_chart;
};

TEST_F(ChartFillTest, TheMonthlyTableIsChartedRowByRowUnderItsTitle) {
    typical_run();
    f1.Button112.click();
    EXPECT_TRUE(current.visible());
    EXPECT_EQ(current.caption(), kMonthlyTitle);
    const ChartModel& chart = current.Chart1.model;
    EXPECT_EQ(chart.point_count(), 421);
    EXPECT_EQ(chart.data().gradient_end, (Rgb{0xFF, 0x80, 0x40}));
    EXPECT_EQ(chart.label(0), "1");
    // 24,000,000 yen at 2.325 % for one month.
    EXPECT_EQ(series(current, "利息小計").values.front(), 46'500);
    EXPECT_EQ(series(current, "利息累計").values.front(), 46'500);
    // The totals row is drawn, but the running sum stops at the interest it totals.
    const Grid& table = app.cur.StGr1;
    const int totals = table.row_count() - 1;
    ASSERT_EQ(table.cell(totals, 13), "K");
    EXPECT_EQ(last(current, "利息累計"), std::stod(table.cell(totals, 10)));
    EXPECT_EQ(last(current, "利息小計"), std::stod(table.cell(totals, 10)));
    EXPECT_EQ(last(current, "元入小計"), 24'000'000 - std::stod(table.cell(totals, 12)));
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(ChartFillTest, EveryWayToTheMonthlyChartChartsTheSameTable) {
    typical_run();
    for (Control* trigger : std::initializer_list<Control*>{&f1.Button120, &f1.Button126,
                                                            &f1.NGurafuM, &f1.Button112}) {
        current.Chart1.model.clear_points();
        current.hide();
        trigger->click();
        EXPECT_TRUE(current.visible()) << trigger->name();
        EXPECT_EQ(current.Chart1.model.point_count(), 421) << trigger->name();
        EXPECT_EQ(current.caption(), kMonthlyTitle) << trigger->name();
    }
}

TEST_F(ChartFillTest, TheBonusTableTakesTheSecondStreamsNameAndItsColour) {
    typical_run();
    for (Control* trigger : std::initializer_list<Control*>{&f1.Button113, &f1.Button121,
                                                            &f1.Button127, &f1.NGurafuB}) {
        current.Chart1.model.clear_points();
        trigger->click();
        EXPECT_EQ(current.caption(),
                  "カレント表グラフ　---ﾎﾞｰﾅｽ表---　 (グラフ部分Wクリックで本体表示)")
            << trigger->name();
        EXPECT_EQ(current.Chart1.model.point_count(), app.cur.StGr2.row_count() - 2);
    }
    EXPECT_EQ(current.Chart1.model.data().gradient_end, (Rgb{0x80, 0x80, 0xFF}));
    f1.Button67.set_caption("第２");
    f1.Button113.click();
    EXPECT_EQ(current.caption(),
              "カレント表グラフ　---第２表---　 (グラフ部分Wクリックで本体表示)");
}

TEST_F(ChartFillTest, AnEmptyTableShowsTheWindowWithItsTitleAndAnEmptyChart) {
    f1.Button112.click();
    EXPECT_TRUE(current.visible());
    EXPECT_EQ(current.caption(), kMonthlyTitle);
    EXPECT_TRUE(current.Chart1.model.empty());
    EXPECT_EQ(current.Chart1.model.legend().size(), 4u);
    EXPECT_FALSE(current.Chart1.model.data().empty_note.empty());
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(ChartFillTest, ACellThatIsNoAmountIsNamedAndTheRowsBeforeItStayCharted) {
    typical_run();
    app.cur.StGr1.set_cell(4, 10, "abc");
    f1.Button112.click();
    EXPECT_TRUE(current.visible());
    EXPECT_EQ(current.caption(), kMonthlyTitle);
    EXPECT_EQ(current.Chart1.model.point_count(), 2);
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(
        log[0],
        "error StGr1 4行10列の「abc」は円単位の整数ではありません。グラフはこの行の手前までです");
}

TEST_F(ChartFillTest, ANewFillUndoesTheZoomAndStartsOnTheFirstPage) {
    typical_run();
    f1.Button112.click();
    current.Button7.click();
    current.Button10.click();
    ASSERT_TRUE(current.Chart1.model.zoom({70, 80, 0, 1'000'000}));
    f1.Button112.click();
    EXPECT_FALSE(current.Chart1.model.zoomed());
    EXPECT_TRUE(current.Chart1.model.paged());
    EXPECT_EQ(current.Chart1.model.shown_points(), (PointRange{0, 60}));
}

// ---- Composite tables ----

TEST_F(ChartFillTest, TheCompositeChartButtonsFollowTheirComposites) {
    EXPECT_FALSE(f1.Button128.enabled());
    EXPECT_FALSE(f1.Button129.enabled());
    typical_run();
    f1.ButtonM.click();
    f1.ButtonM_C.click();
    EXPECT_TRUE(f1.Button128.enabled());
    EXPECT_FALSE(f1.Button129.enabled());
    f1.ButtonB.click();
    f1.ButtonB_C.click();
    EXPECT_TRUE(f1.Button129.enabled());
    f1.Button31.click();
    EXPECT_FALSE(f1.Button128.enabled());
    EXPECT_FALSE(f1.Button129.enabled());
}

TEST_F(ChartFillTest, TheCompositeMonthlyTableIsChartedWithoutItsHeadRows) {
    typical_run();
    f1.ButtonM.click();
    f1.ButtonM_C.click();
    f1.Button32.click();  // the same loan merged once more: two head rows
    ASSERT_EQ(f1.CompositeCountM, 2);
    platform.take_log();
    f1.Button128.click();
    EXPECT_TRUE(composite.visible());
    EXPECT_EQ(composite.caption(),
              "合成表グラフ　---　合成返済表　---　 (グラフ部分Wクリックで本体表示)");
    EXPECT_EQ(composite.Chart1.model.data().gradient_end, (Rgb{0x80, 0x00, 0x00}));
    const Grid& table = f1.StringGrid3;
    EXPECT_EQ(composite.Chart1.model.point_count(), table.row_count() - 3);
    EXPECT_EQ(composite.Chart1.model.label(0), "1");
    // Both loans pay 46,500 yen of interest in their first month.
    EXPECT_EQ(series(composite, "利息小計").values.front(), 93'000);
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(ChartFillTest, TheCompositeBonusTableTakesTheSecondStreamsName) {
    typical_run();
    f1.ButtonB.click();
    f1.ButtonB_C.click();
    f1.Button129.click();
    EXPECT_EQ(composite.caption(),
              "合成表グラフ　---　ﾎﾞｰﾅｽ返済表　---　 (グラフ部分Wクリックで本体表示)");
    EXPECT_EQ(composite.Chart1.model.data().gradient_end, (Rgb{0x00, 0x00, 0x80}));
    EXPECT_EQ(composite.Chart1.model.point_count(), f1.StringGrid4.row_count() - 2);
}

}  // namespace
}  // namespace rebanto
