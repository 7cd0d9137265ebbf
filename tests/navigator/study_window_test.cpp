// The study window's base and new states recorded from the current tables, their
// differences, and the tax credit taken off a state's interest total.
#include "navigator_fixture.h"

namespace rebanto::testing {
namespace {

class StudyWindow : public NavigatorTest {
protected:
    TForm10& study = app.study_navigator;

    // 2,000,000 yen prepaid with the instalment of month 60, the instalments kept.
    void prepay_after_month_60() {
        open_navigator();
        select(row_of_month(nav.StringGrid1, "60"));
        nav.Edit5.set_text("2000000");
        nav.Button5.click();
        nav.Button8.click();
    }
};

TEST_F(StudyWindow, ThePrepaidStateAgainstTheBaseShowsTheInterestSavedAndTheMonthsGained) {
    run_typical_loan(1);
    study.Button5.click();  // "元化→"
    EXPECT_EQ(study.Edit3.text(), "11096677");
    EXPECT_EQ(study.Edit4.text(), "2801616");
    EXPECT_EQ(study.Edit2.text(), "13898293");
    EXPECT_EQ(study.Label15.caption(), "420");
    EXPECT_EQ(study.Label16.caption(), "420");
    prepay_after_month_60();
    nav.Button20.click();  // "新化→" from the navigator
    // The shortened schedule: 9,254,263 yen of interest, last payment in month 374, and
    // 1,327 yen left below 0.3 instalments.
    EXPECT_EQ(study.Edit7.text(), "9254263");
    EXPECT_EQ(study.Label7.caption(), "374");
    EXPECT_EQ(study.Label19.caption(), "1327");
    EXPECT_EQ(study.Label19.font_color(), Color::Red);
    EXPECT_EQ(study.Edit10.text(), "-1842414");
    EXPECT_EQ(study.Edit10.font_color(), Color::Black);
    EXPECT_EQ(study.Edit11.text(), "0");
    EXPECT_EQ(study.Label23.caption(), "-46");
    EXPECT_EQ(study.Label24.caption(), "0");
}

TEST_F(StudyWindow, RecordingTheBaseAfterTheNewStateComparesWithTheNewState) {
    run_typical_loan(1);
    prepay_after_month_60();
    study.Button6.click();
    main.Ed0_moto.set_text("30000000");
    main.Button18.click();  // the plain loan again
    study.Button5.click();
    EXPECT_EQ(study.Edit12.text(), "-1842414");
    EXPECT_EQ(study.Label23.caption(), "-46");
}

TEST_F(StudyWindow, EmptyCurrentTablesResetTheirSideOnly) {
    run_typical_loan(6);
    study.Button6.click();
    platform.queue_answer(true);  // yes, erase the tables and memos
    main.Bt0_allClear.click();
    study.Edit3.set_text("123");
    study.Button5.click();
    EXPECT_EQ(study.Edit3.text(), "0");
    EXPECT_EQ(study.Label15.caption(), "000");
    EXPECT_EQ(study.Edit7.text(), "11096677");  // the new side as recorded
}

TEST_F(StudyWindow, ATableWithoutATotalsRowGetsOneBeforeItIsRead) {
    run_typical_loan(6);
    StGr1.set_row_count(StGr1.row_count() - 1);  // the totals row gone
    ASSERT_NE(StGr1.cell(StGr1.row_count() - 1, 13), "K");
    study.Button5.click();
    EXPECT_EQ(StGr1.cell(StGr1.row_count() - 1, 13), "K");
    EXPECT_EQ(study.Edit3.text(), "11096677");
    EXPECT_EQ(study.Label15.caption(), "420");
}

TEST_F(StudyWindow, TheCreditComesOffTheBaseTotal) {
    run_typical_loan(6);
    study.Button5.click();
    study.Button24.click();
    EXPECT_TRUE(study.Panel2.visible());
    EXPECT_EQ(study.StringGrid2.cell(2, 0), "1年目");
    EXPECT_EQ(study.StringGrid2.cell(1, 4), "5千万");
    study.RadioButton4.click();  // "13年7月～15年末": 1 % for ten years
    study.Button25.click();      // year ends: month display "0" (December)
    // Year 1 ends with payment 12: the monthly and bonus balances after it.
    EXPECT_EQ(study.StringGrid2.cell(2, 5), "12");
    EXPECT_EQ(study.StringGrid2.cell(2, 6), StGr1.cell(3, 12));
    EXPECT_EQ(study.StringGrid2.cell(2, 8), StGr2.cell(3, 12));
    EXPECT_EQ(study.StringGrid2.cell(2, 12), "○");
    study.Button26.click();
    // 1 % of each year's balance for years 1 to 10 (all below 50,000,000), truncated.
    long long total = 0;
    for (int r = 2; r <= 11; ++r) {
        const long long balance =
            std::stoll(study.StringGrid2.cell(r, 6)) + std::stoll(study.StringGrid2.cell(r, 8));
        EXPECT_EQ(study.StringGrid2.cell(r, 10), std::to_string(balance));
        EXPECT_EQ(study.StringGrid2.cell(r, 11), std::to_string(balance / 100));
        total += balance / 100;
    }
    EXPECT_EQ(study.StringGrid2.cell(12, 11), "0");  // year 11: no credit
    EXPECT_EQ(study.Edit1.text(), std::to_string(total));
    study.Button27.click();
    EXPECT_EQ(study.Edit2.text(), std::to_string(13898293 - total));
    EXPECT_EQ(study.Edit2.font_color(), Color::Maroon);
    EXPECT_TRUE(study.Label31.visible());
}

TEST_F(StudyWindow, AYearWithoutItsMarkKeepsItsCreditOutOfTheTotal) {
    run_typical_loan(6);
    study.Button24.click();
    study.RadioButton4.click();
    study.Button25.click();
    study.Button26.click();
    const long long with_all = std::stoll(study.Edit1.text());
    const long long year_one = std::stoll(study.StringGrid2.cell(2, 11));
    study.StringGrid2.click_cell(2, 12);
    study.StringGrid2.dbl_click();
    EXPECT_EQ(study.StringGrid2.cell(2, 12), "");
    study.Button26.click();
    EXPECT_EQ(study.StringGrid2.cell(2, 11), std::to_string(year_one));
    EXPECT_EQ(std::stoll(study.Edit1.text()), with_all - year_one);
}

TEST_F(StudyWindow, ABalanceTakenOutByADoubleClickGoesBackInTheNextEmptyCell) {
    run_typical_loan(6);
    study.Button24.click();
    study.Button25.click();
    const std::string balance = study.StringGrid2.cell(3, 6);
    study.StringGrid2.click_cell(3, 6);
    study.StringGrid2.dbl_click();
    EXPECT_EQ(study.StringGrid2.cell(3, 6), "");
    study.StringGrid2.click_cell(3, 6);
    study.StringGrid2.dbl_click();
    EXPECT_EQ(study.StringGrid2.cell(3, 6), balance);
}

TEST_F(StudyWindow, ARegimeSince2022ChargesSevenTenthsUpToItsCap) {
    run_typical_loan(6);
    study.Button24.click();
    study.ComboBox2.set_item_index(4);  // R6・7 new certified house: 45,000,000, 13 years
    EXPECT_FALSE(study.RadioButton1.checked());
    EXPECT_EQ(study.StringGrid2.cell(14, 1), ".7");  // year 13
    EXPECT_EQ(study.StringGrid2.cell(15, 1), "0");   // year 14
    study.Button25.click();
    study.Button26.click();
    const long long balance = std::stoll(study.StringGrid2.cell(2, 10));
    EXPECT_EQ(study.StringGrid2.cell(2, 11), std::to_string(balance * 7 / 1000));
}

TEST_F(StudyWindow, AShortLoanIsFlaggedWhenTheCreditIsApplied) {
    main.Ed0_moto.set_text("5000000");
    main.Ed0_nen.set_text("8");
    main.Button18.click();
    study.Button5.click();
    study.Button27.hover();
    EXPECT_TRUE(study.Label33.visible());   // 96 payments: under ten years
    EXPECT_FALSE(study.Label34.visible());  // no bonus part
}

TEST_F(StudyWindow, ACreditCellThatIsNotANumberNamesTheCell) {
    run_typical_loan(6);
    study.Button24.click();
    study.RadioButton4.click();
    study.Button25.click();
    study.StringGrid2.set_cell(3, 1, "1x");
    platform.take_log();
    study.Button26.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("StringGrid2 3行1列"), std::string::npos);
    EXPECT_NE(study.StringGrid2.cell(2, 11), "");  // the year before it was worked out
}

}  // namespace
}  // namespace rebanto::testing

namespace rebanto::testing {
namespace {

TEST(StudyCsv, TheDeductionTableGoesToTheOutputMemoAsCsv) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.set_today(Date{2026, 12, 8});
    App app(platform, AppOptions{folder.path()});
    app.start();
    TForm10& study = app.study_navigator;
    study.Button24.click();
    study.RadioButton2.click();
    study.Edit1.set_text("325000");
    study.Button30.click();
    const auto& lines = app.main.RichEdit4.lines();
    ASSERT_EQ(lines.size(), 4u + 15);
    EXPECT_EQ(lines[0],
              "（住宅ローン控除試算）  -- by.未記入無名 -- 2026/12/08 --最大控除額合計＝325000円 "
              "--,,,,,,,,,,,");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], ",控,除,率,(%),月回,月々,月,ボーナス,月,年末残,控除額,適");
    EXPECT_EQ(lines[3], ",１千万,２千万,３千万,５千万,,年末残,表,年末残,表,合計,最高額,用");
    EXPECT_EQ(lines[4], "1年目,2,1,.5,0,,,,,,,,");
    EXPECT_TRUE(app.main.RichEdit4.plain_text());
    EXPECT_EQ(app.main.ExportFilter, 2);
    EXPECT_EQ(app.main.PageControl1.active_page(), &app.main.TabSheet7);
}

}  // namespace
}  // namespace rebanto::testing
