// Memo pages: clearing, bands, the repayment-method switch and the memo tools.
#include "app_fixture.h"
#include "base/field_at.h"
#include "core/memo_lines.h"

namespace rebanto {
namespace {

using testing::AppTest;

const char* const kClearedSettings = "T･6･6･64･･･････････････････････････";

TEST_F(AppTest, MemosStartWithTheirTitles) {
    EXPECT_EQ(f1.RichEdit1.lines(), (std::vector<std::string>{"ローンRebanto（月返済）", ""}));
    EXPECT_EQ(f1.RichEdit2.lines(),
              (std::vector<std::string>{"ローンRebanto（ボーナス返済）", ""}));
}

TEST_F(AppTest, ClearingAPartWritesTheHeaderLineAndEmptiesTheTable) {
    f1.Button1.click();
    f1.Button15.click();
    ASSERT_TRUE(f1.Bt7_MClear.enabled());
    f1.Bt7_MClear.click();
    EXPECT_EQ(
        f1.RichEdit1.lines(),
        (std::vector<std::string>{"Rebanto（月返済）  -- by.未記入無名 -- 2026/12/08 --  --", ""}));
    EXPECT_EQ(app.cur.StGr1.row_count(), 2);
    EXPECT_EQ(app.cur.StGr1.cell(1, 13), kClearedSettings);
    EXPECT_FALSE(f1.Bt7_MClear.enabled());
    EXPECT_FALSE(f1.Label_m.visible());
    EXPECT_FALSE(f1.Bt0_allClear.enabled()) << "the bonus part is empty too";
}

TEST_F(AppTest, BonusHeaderNamesTheSecondStream) {
    f1.Bt7_BClearClick(f1.Bt7_BClear);
    EXPECT_EQ(f1.RichEdit2.lines()[0],
              "Rebanto（ﾎﾞｰﾅｽ返済）  -- by.未記入無名 -- 2026/12/08 --  --");
    f1.Button67.set_caption("第２");
    f1.Edit46.set_text("山田");
    f1.Bt7_BClearClick(f1.Bt7_BClear);
    EXPECT_EQ(f1.RichEdit2.lines()[0], "Rebanto（第２返済）  -- by.山田 -- 2026/12/08 --  --");
}

TEST_F(AppTest, ClearingEverythingStartsANewWorkName) {
    f1.Ed555.set_text("KoM");
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    EXPECT_EQ(f1.Ed555.text(), "_New");
    EXPECT_FALSE(f1.Label_cl.visible());
    EXPECT_TRUE(f1.Label_mem.visible());
    EXPECT_EQ(f1.RichEdit1.lines().size(), 2u);
    EXPECT_EQ(f1.RichEdit2.lines().size(), 2u);
}

TEST_F(AppTest, BandGoesToBothMemosTheBonusOneMarked) {
    f1.Button6.click();
    EXPECT_EQ(f1.RichEdit1.lines().back(), standard_band(false));
    EXPECT_EQ(f1.RichEdit2.lines().back(), standard_band(false) + "-月回+");
}

class EqualPrincipal : public AppTest {
protected:
    void SetUp() override { f1.Button130.click(); }
};

TEST_F(EqualPrincipal, RelabelsTablesLabelsAndBand) {
    for (const Grid* table : {&app.cur.StGr1, &app.cur.StGr2}) {
        EXPECT_EQ(table->cell(0, 6), "均等元金額 ");
        EXPECT_EQ(table->cell(0, 8), "返済金額) ");
        EXPECT_EQ(table->cell(1, 8), "**元金均等**");
    }
    EXPECT_EQ(f1.Label20.caption(), "元金均等返済");
    EXPECT_EQ(f1.Label20.font_color(), Color::Red);
    EXPECT_EQ(f1.Label3.caption(), "均等元金額");
    EXPECT_EQ(f1.Label15.caption(), "当期最終回返済金額");
    EXPECT_EQ(f1.Label125.caption(), "通常均等元金額");
    EXPECT_EQ(f1.Edit4.font_color(), Color::Blue);
    EXPECT_EQ(f1.Ed5_memoobi.text(), standard_band(true));
    EXPECT_TRUE(f1.RichEdit1.lines()[0].starts_with("元金均等返済検討書（月返済）  -- by."));
}

TEST_F(EqualPrincipal, InstalmentIsTheConstantPrincipalPart) {
    // 1,000,000 / 120 = 8,333.33… → 8,333
    EXPECT_EQ(f1.Edit4.text(), "8333");
    // Last payment of the first step: 8,333 plus 0.19375 % of 958,400 (the balance
    // 958,335 cut to 100) = 1,856.9 → 1,856.
    EXPECT_EQ(f1.Edit21.text(), "10189");
    EXPECT_EQ(f1.Edit16.text(), "49998");
}

TEST_F(EqualPrincipal, MemoLinesNameTheTotalOfThePayment) {
    f1.Button1.click();
    const std::string& line = f1.RichEdit1.lines().back();
    EXPECT_NE(line.find("(含通算第   6回目元利＝"), std::string::npos) << line;
    f1.Button130.click();
    EXPECT_EQ(app.cur.StGr1.cell(0, 6), "均等返済額 ");
    EXPECT_EQ(f1.Label20.caption(), "元利均等返済");
    EXPECT_EQ(app.cur.StGr1.row_count(), 2) << "switching clears the tables";
}

TEST_F(AppTest, PrintSendsTheMemoWithTheJobTitle) {
    f1.Button5.click();
    ASSERT_EQ(platform.printed().size(), 1u);
    EXPECT_EQ(platform.printed()[0].title, "返済計算");
    EXPECT_EQ(platform.printed()[0].lines, f1.RichEdit1.lines());
    f1.Button8.click();
    EXPECT_EQ(platform.printed()[1].lines, f1.RichEdit2.lines());
}

TEST_F(AppTest, FontToolsChangeOnlyTheirMemo) {
    platform.queue_font(FontChoice{"Noto Serif CJK JP", 14, false, false, "black"});
    f1.Button2.click();
    EXPECT_EQ(f1.RichEdit1.font_name(), "Noto Serif CJK JP");
    EXPECT_EQ(f1.RichEdit1.font_size(), 14);
    EXPECT_EQ(f1.RichEdit2.font_name(), "ＭＳ明朝");
    f1.Button40.click();
    EXPECT_EQ(f1.RichEdit1.font_name(), "ＭＳ明朝");
    EXPECT_EQ(f1.RichEdit1.font_size(), 10);
    f1.UpDown2.set_position(20);
    EXPECT_EQ(f1.RichEdit2.font_size(), 20);
    EXPECT_TRUE(f1.RichEdit2.italic());
}

TEST_F(AppTest, EnteringAMemoAsksForTidyPrinting) {
    f1.RichEdit1.enter();
    EXPECT_EQ(f1.StatusBar1.caption(), "印刷のために表現を整えて下さい");
}

TEST_F(AppTest, RightClickOnTheMemoKeepsRunsOnTheirPage) {
    f1.RichEdit1.right_click();
    f1.Button19.click();
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet1);
    f1.RichEdit1.click();  // a left click lifts it
    f1.Button19.click();
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet3);
}

}  // namespace
}  // namespace rebanto
