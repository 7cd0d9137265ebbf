// Memo line formats: money right-aligned in 13, rates in "%7.3f", counts in "%4.0f".
#include <gtest/gtest.h>

#include "core/memo_lines.h"

namespace rebanto {
namespace {

Money yen(std::int64_t v) {
    return Money::from_yen(v);
}

// The first six-month step of 24,000,000 yen at 2.325 %, instalment 83,564 (worked out
// payment by payment with a 100-yen accrual unit).
PeriodLine first_monthly_step() {
    PeriodLine l;
    l.years = 0;
    l.months = 6;
    l.principal = yen(24'000'000);
    l.rate = 2.325L;
    l.remaining = 420;
    l.instalment = yen(83'564);
    l.payment_number = 6;
    l.last_interest = yen(46'139);
    l.payments = 6;
    l.interest = yen(277'917);
    l.principal_repaid = yen(223'467);
    l.balance = yen(23'776'533);
    return l;
}

TEST(PeriodLines, MonthlyLineLaysOutEveryColumn) {
    EXPECT_EQ(period_line(first_monthly_step()),
              " 0  6    \\24,000,000  2.325%  420回払月      \\83,564(内通算第   6回目利息＝      "
              "\\46,139）この   6回小計=     \\277,917     \\223,467　  \\23,776,533");
}

TEST(PeriodLines, EqualPrincipalNamesTheTotalOfThePayment) {
    PeriodLine l = first_monthly_step();
    l.equal_principal = true;
    const std::string s = period_line(l);
    EXPECT_NE(s.find("(含通算第   6回目元利＝"), std::string::npos);
    EXPECT_EQ(s.find("(内通算第"), std::string::npos);
}

TEST(PeriodLines, BonusLineShowsTheBonusMonthAtBothEnds) {
    PeriodLine l;
    l.bonus = true;
    l.bonus_month = 6;
    l.principal = yen(6'000'000);
    l.rate = 2.325L;
    l.remaining = 70;
    l.instalment = yen(125'738);
    l.payment_number = 1;
    l.last_interest = yen(69'750);
    l.payments = 1;
    l.interest = yen(69'750);
    l.principal_repaid = yen(55'988);
    l.balance = yen(5'944'012);
    EXPECT_EQ(period_line(l),
              " 0  6     \\6,000,000  2.325%   70回払ﾎﾞ     \\125,738(内通算第   1回目利息＝      "
              "\\69,750）この   1回小計=      \\69,750      \\55,988　   \\5,944,012     6");
}

TEST(PeriodLines, LaterYearsAndNegativeResidue) {
    PeriodLine l = first_monthly_step();
    l.years = 35;
    l.months = 0;
    l.balance = yen(-203);
    const std::string s = period_line(l);
    EXPECT_EQ(s.substr(0, 7), "35  0  ");
    EXPECT_EQ(s.substr(s.size() - 13), "        -\\203");
}

TEST(PrepaymentLines, PaidWithThePayment) {
    EXPECT_EQ(prepayment_line_with_payment(60, yen(2'000'000), yen(19'000'000)),
              "　　　　内入れ返済－－同時－－　　　　　　　　　　　　　　　　　　　　　　　　  "
              "60回目返済と同時に別途内入れ返済・・・   \\2,000,000　  \\19,000,000");
}

TEST(PrepaymentLines, PaidDaysLater) {
    EXPECT_EQ(
        prepayment_line_later(yen(1'003'821), 60, 30, "日後", yen(3'821), yen(1'000'000),
                              yen(20'000'000)),
        "　　　　内入れ返済－－時差－－　　総額=   \\1,003,821 　  60回目返済の 30日後に別途内"
        "入返済／利息　元入れ=       \\3,821   \\1,000,000　  \\20,000,000");
}

TEST(TotalsLines, MonthlyAndBonusWording) {
    EXPECT_EQ(totals_line(false, yen(11'096'677), yen(24'000'203), yen(35'096'880), yen(-203)),
              "ここまで 支払利息合計=\\11,096,677 元入額合計=\\24,000,203 月々返済額合計=\\35,096,"
              "880 となりました。さらに元金残-\\203 返済で完済［総返済額=\\35,096,677 ］");
    EXPECT_NE(totals_line(true, yen(1), yen(2), yen(3), yen(0)).find(" ﾎﾞｰﾅｽ時返済額合計=\\3 "),
              std::string::npos);
}

TEST(Bands, StandardBandFollowsTheMethod) {
    EXPECT_NE(standard_band(false).find("均等返済額(内"), std::string::npos);
    EXPECT_NE(standard_band(true).find("均等元金額(含"), std::string::npos);
    EXPECT_NE(standard_band(true).find("1回分返済金額)"), std::string::npos);
}

}  // namespace
}  // namespace rebanto
