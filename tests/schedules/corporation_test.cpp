// The corporation plans: one-page summaries and full schedules of either part.
// 30,000,000 yen at 2.80 % with a 20 % bonus share, 4.0 % from the 11th year.
#include "schedules_fixture.h"

namespace rebanto {
namespace {

using testing::ScheduleTest;

constexpr const char* kNotSixMonths =
    "info 返済期間が6ヶ月の倍数でないと、ﾎﾞｰﾅｽ返済は計算されません。(公庫では10年以上5年刻み)";
constexpr const char* kUnderSixYears =
    "info 返済期間が6年未満では作動しません・・・公庫ゆとり返済は25年以上5年刻みです(年金住宅融資"
    "のステップでは20年以上)";

class CorporationSummary : public ScheduleTest {};

TEST_F(CorporationSummary, TenYearsWritesTwentySixMonthRowsPerPartAndNoLaterSection) {
    enter_loan("30000000", "2.80", "10", "20");
    f1.Button12.click();
    const auto m = period_rows(monthly);
    const auto b = period_rows(bonus);
    ASSERT_EQ(m.size(), 20u);
    ASSERT_EQ(b.size(), 20u);
    EXPECT_EQ(m.back()[0], "120");
    EXPECT_EQ(m.front()[6], "229536");
    EXPECT_EQ(b.front()[6], "346039");
    EXPECT_FALSE(has_line(f1.RichEdit1, "11年目以降15年まで６ヶ月毎の推移"));
    EXPECT_FALSE(has_line(f1.RichEdit2, "その後1年毎の推移"));
    EXPECT_EQ(totals_row(monthly)[10], "3544332");
    EXPECT_EQ(totals_row(monthly)[12], "12");
    EXPECT_EQ(totals_row(bonus)[10], "920756");
    EXPECT_EQ(totals_row(bonus)[12], "-24");
}

TEST_F(CorporationSummary, ThirtyFiveYearsHasThreeSectionsAndTheLaterRate) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.Button12.click();
    const auto m = period_rows(monthly);
    ASSERT_EQ(m.size(), 20u + 10u + 20u) << "yearly steps past the end of the term write nothing";
    EXPECT_EQ(m[19][0], "120");
    EXPECT_EQ(m[20][0], "126");
    EXPECT_EQ(m[30][0], "192");
    EXPECT_EQ(m[30][9], "12");
    EXPECT_EQ(m[49][0], "420");
    EXPECT_EQ(m[19][6], "89706") << "the first instalment held for ten years";
    EXPECT_EQ(m[20][4], "4.0");
    EXPECT_EQ(m[20][6], "102075") << "recomputed at the later rate";
    EXPECT_EQ(
        totals_row(monthly),
        (std::vector<std::string>{"420", "経", "過", "41387076", "=精算総額", "返済計", "41387220",
                                  "-", "0", "経過", "17387076", "24000144", "-144", "K"}));
    const auto b = period_rows(bonus);
    ASSERT_EQ(b.size(), 50u);
    EXPECT_EQ(b[0][6], "135020");
    EXPECT_EQ(b[20][6], "153761");
    EXPECT_EQ(b[30][9], "2") << "two bonus payments in a yearly step";
    EXPECT_EQ(totals_row(bonus)[10], "4388439");
    EXPECT_EQ(totals_row(bonus)[11], "6000011");

    const auto& lines = f1.RichEdit1.lines();
    ASSERT_EQ(lines.size(), 57u);
    EXPECT_EQ(lines[0], "Rebanto（月返済）＊＊＊住宅金融公庫　通常返済＊＊＊  -- by." + tail());
    EXPECT_EQ(lines[2], f1.Ed5_memoobi.text());
    EXPECT_EQ(lines[3], "当初６ヶ月毎の推移(当初１０年分)");
    EXPECT_EQ(lines[24], "11年目以降15年まで６ヶ月毎の推移");
    EXPECT_EQ(lines[35], "その後1年毎の推移");
    EXPECT_EQ(f1.RichEdit2.lines()[0],
              "Rebanto（ボーナス返済）＊＊＊住宅金融公庫　通常返済＊＊＊  -- by." + tail());
    EXPECT_TRUE(has_line(f1.RichEdit2, "その後1年毎の推移"));
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet3);
    f1.RichEdit1.click();
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet2) << "back to the batch-table page";
}

TEST_F(CorporationSummary, TermNotInSixMonthsWarnsAndStillBuilds) {
    enter_loan("30000000", "2.80", "25", "20", "3");
    f1.Button12.click();
    const auto log = platform.take_log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "beep warning");
    EXPECT_EQ(log[1], kNotSixMonths);
    const auto m = period_rows(monthly);
    ASSERT_EQ(m.size(), 20u + 10u + 10u + 1u);
    EXPECT_EQ(m.back()[0], "303");
    EXPECT_EQ(m.back()[9], "3") << "the last step shrinks to the three months left";
    EXPECT_EQ(period_rows(bonus).size(), 40u);
    EXPECT_EQ(f1.Ed0_nen.text(), "25");
    EXPECT_EQ(f1.Ed0_tuki.text(), "3");
}

TEST_F(CorporationSummary, EasedPlanUnderSixYearsIsRefused) {
    enter_loan("30000000", "2.80", "5", "20");
    const auto before = f1.RichEdit1.lines();
    f1.Button11.click();
    EXPECT_EQ(platform.take_log(), (std::vector<std::string>{"beep warning", kUnderSixYears}));
    EXPECT_EQ(f1.RichEdit1.lines(), before);
    EXPECT_EQ(monthly.row_count(), 2);
}

TEST_F(CorporationSummary, EasedPlanIsRefusedInEqualPrincipalMode) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.HHkkgg.set_text("1");
    platform.take_log();
    f1.Button11.click();
    EXPECT_EQ(platform.take_log(),
              (std::vector<std::string>{
                  "info 元金均等返済指定で公庫関係のゆとり返済の処理は出来ません"}));
    EXPECT_EQ(monthly.row_count(), 2);
}

TEST_F(CorporationSummary, EasedPlanPaysFiftyYearInstalmentsThenTheTrueTerm) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.Button11.click();
    const auto m = period_rows(monthly);
    ASSERT_EQ(m.size(), 10u + 10u + 10u + 20u);
    EXPECT_EQ(m[0][5], "600");
    EXPECT_EQ(m[0][6], "74369");
    EXPECT_EQ(m[10][5], "360");
    EXPECT_EQ(m[10][6], "93759");
    EXPECT_EQ(m[20][6], "106687");
    EXPECT_EQ(totals_row(monthly)[10], "18093972");
    EXPECT_EQ(totals_row(monthly)[12], "192");
    const auto b = period_rows(bonus);
    EXPECT_EQ(b[0][5], "100");
    EXPECT_EQ(b[0][6], "111851");
    EXPECT_EQ(b[10][5], "60") << "the bonus part is repaid over its true remaining term";
    EXPECT_EQ(b[10][6], "141128");
    EXPECT_EQ(b[20][6], "160717");
    EXPECT_EQ(totals_row(bonus)[10], "4565641");
    EXPECT_EQ(totals_row(bonus)[12], "1") << "no principal left unpaid at the end";
    EXPECT_EQ(f1.RichEdit1.lines()[0],
              "Rebanto（月返済）＊＊＊住宅金融公庫　ゆとり返済＊＊＊  -- by." + tail());
    EXPECT_EQ(f1.RichEdit1.lines()[3], "当初６ヶ月毎の推移(当初５年分=ゆとり返済期間)");
    EXPECT_TRUE(has_line(f1.RichEdit2, "6年目以降10年まで６ヶ月毎の推移(５年分)"));
}

TEST_F(CorporationSummary, NoBonusShareWritesTheBonusSectionsThenClearsThatMemo) {
    enter_loan("30000000", "2.80", "10", "0");
    std::vector<std::string> appended;
    f1.add_observer([&](Control* c, Change change, int, int) {
        if (c == &f1.RichEdit2 && change == Change::MemoAppended) {
            appended.push_back(f1.RichEdit2.lines().back());
        }
    });
    f1.Button12.click();
    EXPECT_NE(std::find(appended.begin(), appended.end(), "当初６ヶ月毎の推移(当初１０年分)"),
              appended.end());
    EXPECT_EQ(f1.RichEdit2.lines(),
              (std::vector<std::string>{"Rebanto（ﾎﾞｰﾅｽ返済）  -- by." + tail(), ""}));
    EXPECT_EQ(bonus.row_count(), 2);
    EXPECT_EQ(period_rows(monthly).size(), 20u);
}

class CorporationSchedules : public ScheduleTest {};

TEST_F(CorporationSchedules, EasedMonthlyHoldsTheFiftyYearInstalmentForFiveYears) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.RadioButton10.click();
    f1.Button61.click();
    const auto m = period_rows(monthly);
    ASSERT_EQ(m.size(), 420u);
    EXPECT_EQ(row_of(monthly, 1)[5], "600");
    EXPECT_EQ(row_of(monthly, 60)[5], "541");
    EXPECT_EQ(row_of(monthly, 60)[6], "74369");
    EXPECT_EQ(row_of(monthly, 61)[6], "93759");
    EXPECT_EQ(row_of(monthly, 121)[4], "4.0");
    EXPECT_EQ(row_of(monthly, 121)[6], "106687");
    EXPECT_EQ(totals_row(monthly)[10], "18093972");
    EXPECT_EQ(totals_row(monthly)[11], "23999808");
    EXPECT_EQ(f1.Ed555.text(), "JuM");
    const auto& lines = f1.RichEdit1.lines();
    EXPECT_EQ(lines[0], "Rebanto（月返済）＊＊＊住宅金融公庫　ゆとり返済＊＊＊  -- by." + tail());
    EXPECT_EQ(lines[3], "当初1ヶ月毎の推移(当初５年分=ゆとり返済期間)");
    EXPECT_EQ(lines[64], "6年目以降10年まで1ヶ月毎の推移(５年分)");
    EXPECT_EQ(lines[125], "11年目以降15年まで1ヶ月毎の推移");
    EXPECT_EQ(lines[186], "その後推移");
    EXPECT_EQ(bonus.row_count(), 2) << "the bonus table is left alone";
}

TEST_F(CorporationSchedules, BothPartsThenTheCompositePage) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.Button63.click();
    EXPECT_EQ(period_rows(monthly).size(), 420u);
    EXPECT_EQ(totals_row(monthly)[10], "17387076") << "the summary's figures, month by month";
    const auto b = period_rows(bonus);
    ASSERT_EQ(b.size(), 70u) << "one bonus payment per step";
    EXPECT_EQ(b[0][6], "135020");
    EXPECT_EQ(row_of(bonus, 126)[4], "4.0");
    EXPECT_EQ(row_of(bonus, 126)[6], "153761");
    EXPECT_EQ(totals_row(bonus)[10], "4388439");
    EXPECT_EQ(f1.RichEdit2.lines()[0],
              "Rebanto（ボーナス返済）＊＊＊住宅金融公庫　通常返済＊＊＊  -- by." + tail());
    EXPECT_TRUE(has_line(f1.RichEdit2, "当初６ヶ月毎の推移(当初５年分)"));
    EXPECT_TRUE(has_line(f1.RichEdit2, "その後６ヶ月毎の推移"));
    EXPECT_EQ(f1.Ed555.text(), "Ju");
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet7);
    EXPECT_TRUE(f1.Label_m.visible());
    EXPECT_TRUE(f1.Label_b.visible());
    EXPECT_EQ(platform.log().back(), "beep information");
}

// A first bonus at month 12 with six-month steps: the two steps to month 12 come first
// (the second already pays the first bonus, counted over the whole term: (420 − 12) / 6 + 1
// = 69), then 10 − 2 = 8 eased steps at 100 … 93 payments; from month 66 the count is the
// true remaining term again, 360 months / 6 = 60.
TEST_F(CorporationSchedules, EasedBonusAfterALateFirstBonusKeepsItsFiveYears) {
    enter_loan("30000000", "2.80", "35", "20");
    app.second_repayment.apply_timing("6", 12);
    f1.RadioButton10.click();
    f1.Button62.click();
    const auto b = period_rows(bonus);
    ASSERT_GE(b.size(), 10u);
    EXPECT_EQ(b[0][0], "12");
    EXPECT_EQ(b[0][5], "69");
    EXPECT_EQ(b[1][0], "18");
    EXPECT_EQ(b[1][5], "100");
    EXPECT_EQ(b[8][0], "60");
    EXPECT_EQ(b[8][5], "93");
    EXPECT_EQ(b[9][0], "66");
    EXPECT_EQ(b[9][5], "60");
    const auto& lines = f1.RichEdit2.lines();
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(lines[3], "当初６ヶ月毎の推移(当初５年分=ゆとり返済期間)");
    EXPECT_EQ(lines[13], "6年目以降10年まで６ヶ月毎の推移(５年分)");
    EXPECT_EQ(monthly.row_count(), 2) << "the monthly table is left alone";
    EXPECT_EQ(f1.bonus_first_months(), 12) << "the user's first bonus month is kept";
}

TEST_F(CorporationSchedules, EasedFullScheduleUnderSixYearsIsRefused) {
    enter_loan("30000000", "2.80", "5", "20");
    f1.RadioButton10.click();
    f1.Button63.click();
    EXPECT_EQ(platform.take_log(), (std::vector<std::string>{"beep warning", kUnderSixYears}));
    EXPECT_EQ(monthly.row_count(), 2);
    EXPECT_EQ(f1.Ed555.text(), "_New");
}

}  // namespace
}  // namespace rebanto
