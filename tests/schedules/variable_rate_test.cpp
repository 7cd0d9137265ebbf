// Variable-rate bank loans: 24,000,000 yen starting at 2.80 % over a list whose
// half-year k reads 1.000 + 0.05 k (its first cell is the start rate).
#include <cstdio>

#include "schedules_fixture.h"

namespace rebanto {
namespace {

using testing::ScheduleTest;

class VariableRate : public ScheduleTest {
protected:
    VariableRate() {
        std::vector<std::string> list;
        for (int k = 0; k < 70; ++k) {
            char text[16];
            std::snprintf(text, sizeof text, "%.3f", 1.0 + 0.05 * k);
            list.emplace_back(text);
        }
        list[0] = "2.80";
        f1.Memo1.set_lines(list);
    }
    // Rate and instalment of a month.
    std::pair<std::string, std::string> month(int m) const {
        const auto row = row_of(monthly, m);
        if (row.empty()) return {};
        return {row[4], row[6]};
    }
    using P = std::pair<std::string, std::string>;
};

TEST_F(VariableRate, FiveYearHoldRecomputesOnlyAtTheListBlocks) {
    enter_loan("24000000", "2.80", "35", "0");
    f1.Bt2_hendo_mon.click();
    ASSERT_EQ(period_rows(monthly).size(), 420u);
    EXPECT_EQ(month(6), P("2.80", "89706"));
    EXPECT_EQ(month(7), P("1.050", "89706")) << "the rate moves, the instalment stays";
    EXPECT_EQ(month(60), P("1.450", "89706"));
    EXPECT_EQ(month(61), P("1.500", "69659"));
    EXPECT_EQ(month(121), P("2.000", "74725"));
    EXPECT_EQ(month(420), P("4.450", "88692"));
    EXPECT_EQ(totals_row(monthly)[10], "10306180");
    EXPECT_EQ(totals_row(monthly)[11], "23979560");
    EXPECT_EQ(totals_row(monthly)[12], "20440");
    EXPECT_EQ(f1.Ed555.text(), "HeM");
    EXPECT_EQ(f1.RichEdit1.lines()[0],
              "Rebanto（月返済）＊＊＊月次返済表(予想変動金利)＊＊＊  -- by." + tail());
}

TEST_F(VariableRate, NoHoldRecomputesEveryHalfYear) {
    enter_loan("24000000", "2.80", "35", "0");
    f1.Ed2_hensai1tei_yy.click();
    ASSERT_EQ(f1.Ed2_hensai1tei_yy.text(), "0");
    f1.Bt2_hendo_mon.click();
    EXPECT_EQ(month(6), P("2.80", "89706"));
    EXPECT_EQ(month(7), P("1.050", "68542"));
    EXPECT_EQ(month(13), P("1.100", "69093"));
    EXPECT_EQ(month(61), P("1.500", "73312"));
    EXPECT_EQ(month(420), P("4.450", "90056"));
    EXPECT_EQ(totals_row(monthly)[10], "10629202");
    EXPECT_EQ(totals_row(monthly)[12], "-2");
}

TEST_F(VariableRate, ThreeFixedYearsUseTheFirstCellThenTheListFromMonth37) {
    enter_loan("24000000", "2.80", "35", "0");
    f1.RdBt2_kotei.click();
    ASSERT_EQ(f1.Ed2_kotei_yy.text(), "3");
    f1.Bt2_hendo_mon.click();
    for (int m = 1; m <= 36; ++m) {
        ASSERT_EQ(month(m), P("2.80", "89706")) << "month " << m;
    }
    EXPECT_EQ(month(37), P("1.300", "72405"));
    EXPECT_EQ(month(96), P("1.750", "72405"));
    EXPECT_EQ(month(97), P("1.800", "78043")) << "5-year blocks counted from the fixed end";
    EXPECT_EQ(month(157), P("2.300", "83140"));
    EXPECT_EQ(totals_row(monthly)[10], "11949207");
    EXPECT_EQ(totals_row(monthly)[12], "1095");
}

TEST_F(VariableRate, FortyYearsKeepTheLastRateAfterTheList) {
    enter_loan("24000000", "2.80", "40", "0");
    f1.Bt2_hendo_mon.click();
    ASSERT_EQ(period_rows(monthly).size(), 480u);
    EXPECT_EQ(month(1), P("2.80", "83173"));
    EXPECT_EQ(month(420), P("4.450", "84409"));
    EXPECT_EQ(month(421), P("4.450", "86668"));
    for (int m = 421; m <= 480; ++m)
        ASSERT_EQ(month(m).first, "4.450") << "month " << m;
    const auto log = platform.take_log();
    EXPECT_EQ(std::find(log.begin(), log.end(), "beep default"), log.end())
        << "the end of the list is no error";
    EXPECT_EQ(totals_row(monthly)[10], "13064768");
    EXPECT_EQ(totals_row(monthly)[12], "8");
}

TEST_F(VariableRate, BonusScheduleReadsTheListPaymentByPayment) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.Bt2_hendo_bon.click();
    const auto b = period_rows(bonus);
    ASSERT_EQ(b.size(), 70u);
    EXPECT_EQ(b[0][4], "2.80");
    EXPECT_EQ(b[1][4], "1.050");
    EXPECT_EQ(b[1][6], "135020");
    EXPECT_EQ(b[10][6], "104705");
    EXPECT_EQ(b[20][6], "112394");
    EXPECT_EQ(b[69][6], "133840");
    EXPECT_EQ(totals_row(bonus)[10], "2610427");
    EXPECT_EQ(totals_row(bonus)[12], "5667");
    EXPECT_EQ(f1.Ed555.text(), "HeB");
    EXPECT_EQ(f1.RichEdit2.lines()[0],
              "Rebanto（ﾎﾞｰﾅｽ返済）＊＊＊月次返済表(予想変動金利)＊＊＊  -- by." + tail());
    EXPECT_EQ(monthly.row_count(), 2);
}

TEST_F(VariableRate, CalendarAlignmentLeadsInAndReadsTheListBehind) {
    f1.CheckBox1.click();
    EXPECT_EQ(f1.ListLead, 1);
    EXPECT_EQ(f1.ListOffset, -3);
    EXPECT_EQ(f1.BonusListOffset, -8);
    EXPECT_EQ(f1.Button91.caption(), "基準");
    enter_loan("24000000", "2.80", "35", "0");
    f1.Bt2_hendo_mon.click();
    EXPECT_EQ(month(1), P("2.80", "89706"));
    EXPECT_EQ(month(13), P("2.80", "89706"));
    EXPECT_EQ(month(14), P("1.050", "89706"));
    EXPECT_EQ(month(20), P("1.100", "89706"));
    EXPECT_EQ(month(61), P("1.400", "89706"));
    EXPECT_EQ(month(62), P("1.450", "69801"));
    EXPECT_EQ(month(68), P("1.500", "69801"));
    EXPECT_EQ(month(420), P("4.400", "88822"));
    EXPECT_EQ(totals_row(monthly)[10], "10357319");

    f1.MsEd8_mon.set_text("2001/01/10");
    f1.MsEd8_bon.set_text("2001/12/10");
    f1.align_rate_list();
    EXPECT_EQ(f1.ListLead, 0);
    EXPECT_EQ(f1.BonusListOffset, 11 - 0 - 8);
    f1.CheckBox1.click();
    EXPECT_EQ(f1.ListLead, 0);
    EXPECT_EQ(f1.ListOffset, 0);
    EXPECT_EQ(f1.BonusListOffset, 0);
    EXPECT_EQ(f1.Button91.caption(), "基無");
}

TEST_F(VariableRate, ACellThatIsNoNumberKeepsThePreviousRate) {
    auto list = f1.Memo1.lines();
    list[1] = "abc";
    f1.Memo1.set_lines(list);
    enter_loan("24000000", "2.80", "35", "0");
    f1.Bt2_hendo_mon.click();
    const auto log = platform.take_log();
    EXPECT_NE(std::find(log.begin(), log.end(), "beep default"), log.end());
    EXPECT_EQ(month(7).first, "2.80");
    EXPECT_EQ(month(13).first, "1.100");
    EXPECT_EQ(period_rows(monthly).size(), 420u);
}

TEST_F(VariableRate, FixedYearsStepThroughTheOfferedPeriods) {
    f1.RdBt2_kotei.click();
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        f1.Label82.click();
        seen.push_back(f1.Ed2_kotei_yy.text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "7", "10", "2", "3"}));
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        f1.Label82.right_click();
        seen.push_back(f1.Ed2_kotei_yy.text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"2", "10", "7", "5", "3"}));
    f1.RdBt2_non_kotei.click();
    EXPECT_FALSE(f1.Ed2_kotei_yy.enabled());
    EXPECT_FALSE(f1.Label82.enabled());
    f1.Label82.click();
    EXPECT_EQ(f1.Ed2_kotei_yy.text(), "3");
}

TEST_F(VariableRate, HoldPeriodIsZeroOrFive) {
    f1.Ed2_hensai1tei_yy.click();
    EXPECT_EQ(f1.Ed2_hensai1tei_yy.text(), "0");
    f1.Ed2_hensai1tei_yy.dbl_click();
    EXPECT_EQ(f1.Ed2_hensai1tei_yy.text(), "5");
    platform.take_log();
    f1.Ed2_hensai1tei_yy.set_text("3");
    EXPECT_EQ(platform.take_log(),
              (std::vector<std::string>{"beep warning",
                                        "info 5年の５か、適用しない意味の０かしか、現バージョンでは"
                                        "対応していません"}));
    EXPECT_EQ(f1.Ed2_hensai1tei_yy.text(), "5");
}

}  // namespace
}  // namespace rebanto
