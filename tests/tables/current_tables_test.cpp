// The current-tables window: layouts, zoom, font size, memories, restore, comparison.
#include "base/field_at.h"
#include "tables_fixture.h"

namespace rebanto {
namespace {

using testing::TablesTest;

TEST_F(TablesTest, StackedLayoutSplitsTheHeightBelowTheButtons) {
    cur.set_size(587, 442);
    // h = (442 − 54) div 2 = 194
    EXPECT_EQ(cur.monthly_geometry(), (PanelGeometry{0, 54, 583, 192}));
    EXPECT_EQ(cur.bonus_geometry(), (PanelGeometry{0, 246, 583, 191}));
}

TEST_F(TablesTest, SideBySideSurvivesAResize) {
    cur.BitBtn2.click();
    cur.set_size(800, 500);
    EXPECT_EQ(cur.monthly_geometry(), (PanelGeometry{0, 54, 398, 442}));
    EXPECT_EQ(cur.bonus_geometry(), (PanelGeometry{398, 54, 398, 442}));
}

TEST_F(TablesTest, OneTableModesHideTheOther) {
    cur.set_size(600, 400);
    cur.Button1.click();
    EXPECT_EQ(cur.monthly_geometry(), (PanelGeometry{0, 54, 596, 342}));
    EXPECT_EQ(cur.bonus_geometry(), (PanelGeometry{298, 54, 0, 0}));
    cur.Button2.click();
    EXPECT_EQ(cur.monthly_geometry(), (PanelGeometry{0, 54, 0, 0}));
    EXPECT_EQ(cur.bonus_geometry(), (PanelGeometry{0, 54, 596, 342}));
}

TEST_F(TablesTest, ColumnsStartAtTheirDesignWidths) {
    EXPECT_EQ(cur.StGr1.col_width(3), 74);
    EXPECT_EQ(cur.StGr2.col_width(3), 75);
    EXPECT_EQ(cur.StGr2.col_width(13), 54);
    EXPECT_EQ(cur.StGr1.row_height(), 16);
}

TEST_F(TablesTest, ZoomRoundsToWholePixelsAndCountsItsSteps) {
    cur.StGr1.set_col_width(0, 10);
    cur.StGr1.set_col_width(1, 35);
    cur.Button3.click();
    EXPECT_EQ(cur.StGr1.col_width(0), 11);
    EXPECT_EQ(cur.StGr1.row_height(), 18);  // 17.6 + 0.5
    EXPECT_EQ(cur.ZoomSteps, 1);
    cur.StGr1.set_col_width(1, 35);
    cur.Button4.click();
    EXPECT_EQ(cur.StGr1.col_width(0), 10);
    EXPECT_EQ(cur.StGr1.col_width(1), 32);  // 31.8 + 0.5
    cur.Button4.click();
    EXPECT_EQ(cur.ZoomSteps, -1);
}

TEST_F(TablesTest, FontStepperSetsBothTablesAndNeverGoesBelowFive) {
    cur.UpDown3.set_position(14);
    EXPECT_EQ(cur.StGr1.font_size(), 14);
    EXPECT_EQ(cur.StGr2.font_size(), 14);
    EXPECT_EQ(cur.UpDown3.hint(), "現文字サイズは　14　ポイントです。");
    cur.UpDown3.set_position(2);
    EXPECT_EQ(cur.UpDown3.position(), 5);
    EXPECT_EQ(cur.StGr1.font_size(), 5);
}

TEST_F(TablesTest, RecallButtonsWaitForTheFirstStore) {
    EXPECT_FALSE(cur.Button92.enabled());
    EXPECT_FALSE(cur.Button88.enabled());
    cur.Button82.click();
    EXPECT_TRUE(cur.Button92.enabled());
    EXPECT_FALSE(cur.Button91.enabled());
}

TEST_F(TablesTest, AStoredSlotComesBackWithItsSettings) {
    typical_run();
    f1.RB13.click();
    cur.Button81.click();
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.RB11.click();
    f1.HHkkgg.set_text("0");
    cur.Button91.click();
    EXPECT_EQ(cur.StGr1.row_count(), 73);
    EXPECT_EQ(cur.StGr2.cell(72, 10), "2801616");
    EXPECT_EQ(f1.HRh.tag(), 2);
    EXPECT_TRUE(f1.RB13.checked());
    EXPECT_TRUE(f1.ButtonM.enabled());
    EXPECT_EQ(f1.StringGrid1.row_count(), 73) << "the monthly copy is shown";
    EXPECT_TRUE(cur.Button88.enabled());
}

// A memory is the tables as they were stored: writing to the recalled tables, to the page's
// copy of them or to the tables stored from, never reaches it.
TEST_F(TablesTest, AMemoryKeepsItsTablesWhateverIsWrittenAfter) {
    typical_run();
    const std::string stored = cur.StGr1.cell(2, 6);
    const int rows = cur.StGr1.row_count();
    cur.Button81.click();
    cur.StGr1.set_cell(2, 6, "1");  // the tables stored from
    cur.Button91.click();
    EXPECT_EQ(cur.StGr1.cell(2, 6), stored);
    cur.StGr1.set_cell(2, 6, "2");  // the recalled tables
    cur.StGr1.set_row_count(3);
    f1.StringGrid1.set_cell(2, 6, "3");  // the main window's copy
    cur.Button91.click();
    EXPECT_EQ(cur.StGr1.cell(2, 6), stored);
    EXPECT_EQ(cur.StGr1.row_count(), rows);
    EXPECT_EQ(f1.StringGrid1.cell(2, 6), stored);
}

TEST_F(TablesTest, RecallingAnEmptyMonthlyCopyClearsTheMonthlySide) {
    cur.Button81.click();  // nothing calculated: rows 0 and 1 only
    typical_run();
    cur.Button91.click();
    EXPECT_EQ(cur.StGr1.row_count(), 2);
    EXPECT_FALSE(f1.ButtonM.enabled());
    EXPECT_TRUE(f1.RichEdit1.lines()[0].starts_with("Rebanto（月返済）  -- by."));
}

// Every pass of a recall puts the memory's rows into the monthly table at once; with the
// table already of the memory's length, that is one redraw of the whole table a pass.
int table_passes(TForCur& cur, const std::function<void()>& action) {
    int writes = 0;
    const int id = cur.add_observer([&](Control* c, Change change, int, int) {
        if (c == &cur.StGr1 && change == Change::GridReset) ++writes;
    });
    action();
    cur.remove_observer(id);
    return writes;
}

TEST_F(TablesTest, RecallRepeatsOnceWhenTheFirstPaymentStaysCorrected) {
    typical_run();
    cur.StGr1.set_cell(1, 12, "初回補正済");
    cur.StGr2.set_cell(1, 12, "初回補正済");
    cur.Button81.click();
    EXPECT_EQ(table_passes(cur, [&] { cur.Button91.click(); }), 2);
    EXPECT_FALSE(f1.CheckBox2.checked());
}

TEST_F(TablesTest, RecallRunsOnceWhenNotCorrected) {
    typical_run();
    cur.Button81.click();  // column 12 empty: "無補正"
    EXPECT_EQ(table_passes(cur, [&] { cur.Button91.click(); }), 1);
    EXPECT_TRUE(f1.CheckBox2.checked());
}

TEST_F(TablesTest, RestoringTheBasicInputsFromTheTables) {
    typical_run();
    f1.Ed0_moto.set_text("1000000");
    f1.Ed0_nen.set_text("10");
    f1.Ed0_wari.set_text("0");
    cur.Button5.click();
    EXPECT_EQ(f1.Ed0_moto.text(), "30000000");
    EXPECT_EQ(f1.Ed0_nen.text(), "35");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
    EXPECT_EQ(f1.Ed0_wari.text(), "20");
    EXPECT_EQ(f1.Edit4.text(), "83564");
}

TEST_F(TablesTest, RestoringFromABonusTableAlone) {
    f1.Ed0_moto.set_text("1200000");
    f1.Ed0_wari.set_text("100");
    f1.Button1.click();
    ASSERT_FALSE(f1.ButtonM.enabled());
    ASSERT_TRUE(f1.ButtonB.enabled());
    f1.Ed0_wari.set_text("0");
    f1.Button146.click();
    EXPECT_EQ(f1.Ed0_wari.text(), "100");
    EXPECT_EQ(f1.Ed0_moto.text(), "1200000");
    // 20 bonus payments: (20 − 1) × 6 + 6 = 120 months.
    EXPECT_EQ(f1.Ed0_nen.text(), "10");
    EXPECT_EQ(f1.Edit13.text(), "6");
}

TEST_F(TablesTest, TheComparisonWindowOpensWithItsHeaders) {
    app.compare.StringGrid2.set_cell(0, 7, "keep");
    cur.Label7.dbl_click();
    EXPECT_TRUE(app.compare.visible());
    EXPECT_EQ(app.compare.StringGrid1.cell(0, 3), "返済１回分");
    EXPECT_EQ(app.compare.StringGrid3.cell(0, 11), "元金残総額");
    EXPECT_EQ(app.compare.StringGrid2.cell(0, 7), "keep") << "column 7 is left alone";
}

TEST_F(TablesTest, AClickOnARowSelectsTheSameMonthElsewhere) {
    typical_run();
    f1.ButtonMClick(f1.ButtonM);
    cur.StGr1.click_cell(3, 4);  // month 12
    EXPECT_EQ(cur.StGr2.selected_row(), 3);
    EXPECT_EQ(cur.StGr2.cell(3, 0), "12");
    EXPECT_EQ(f1.StringGrid1.selected_row(), 3);
    cur.StGr1.click_cell(2, 0);  // month 6
    EXPECT_EQ(cur.StGr2.selected_row(), 2);
    cur.StGr2.click_cell(72, 0);  // the totals row: month 420
    EXPECT_EQ(cur.StGr1.selected_row(), 71) << "the first row of month 420";
}

TEST_F(TablesTest, TheWindowsOwnSaveWaitsForTheFirstRecall) {
    EXPECT_FALSE(cur.Button88.enabled());
    typical_run();
    EXPECT_FALSE(cur.Button88.enabled()) << "a commit enables only the main window's save";
    EXPECT_TRUE(f1.Button88.enabled());
    cur.Button81.click();
    cur.Button91.click();
    EXPECT_TRUE(cur.Button88.enabled());
}

TEST_F(TablesTest, MemoryHintsCarryFullWidthDigitsAndTheExitWarning) {
    EXPECT_EQ(cur.Button83.hint(), "一時記憶３に記憶。以前の記憶は警告無く上書きされるので注意。");
    EXPECT_EQ(cur.Button95.hint(),
              "一時記憶５の記憶からの呼出。現在のカレントデータに警告無く上書きされるので注意。");
    EXPECT_EQ(cur.SlotNo2.caption(), "２");
    EXPECT_EQ(cur.SlotNo2.hint(),
              "プログラム終了時には消去されるので、保存必要時は左記「保存」で適切な名称で必ず保存し"
              "ておくこと");
    EXPECT_EQ(cur.SlotNo2.parent(), &cur.Slot2);
}

// A bonus table alone whose remaining count was edited into no number: the restore that
// the current-tables window forwards reports it and leaves the inputs alone.
TEST_F(TablesTest, RestoringFromAnEditedBonusTableReportsTheBadCount) {
    f1.Ed0_moto.set_text("1200000");
    f1.Ed0_wari.set_text("100");
    f1.Button1.click();
    cur.StGr2.edit_cell(2, 5, "x");
    f1.Ed0_wari.set_text("0");
    platform.take_log();
    EXPECT_NO_THROW(cur.Button5.click());
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(log.back().starts_with("error ")) << log.back();
}

}  // namespace
}  // namespace rebanto
