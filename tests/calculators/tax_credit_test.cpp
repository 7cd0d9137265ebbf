// The housing-loan tax credit worked out by hand: the bands, the cap, the regimes' rates and
// the year-end month that marks December.
#include <gtest/gtest.h>

#include "base/numtext.h"
#include "calculators/tax_credit.h"
#include "model/form.h"

namespace rebanto::tax_credit {
namespace {

std::array<Money, 4> rates_of(const Regime& regime, int year) {
    const auto texts = rates_of_year(regime, year);
    return {to_money(texts[0]), to_money(texts[1]), to_money(texts[2]), to_money(texts[3])};
}

const Regime& classic(const char* caption) {
    for (const Regime& regime : classic_regimes())
        if (std::string(regime.caption) == caption) return regime;
    throw std::logic_error(caption);
}

constexpr Money kFifty = Money::from_yen(50'000'000);

// ---- The credit of a year ----

TEST(YearCredit, SixtyMillionIsCappedAtFiftyAtOnePercent) {
    EXPECT_EQ(
        year_credit(Money::from_yen(60'000'000), rates_of(classic("13年7月～15年末"), 1), kFifty),
        Money::from_yen(500'000));
}

TEST(YearCredit, TwentyFiveMillionInTheFirstYearOfNineAndTenIsChargedBandByBand) {
    // 10,000,000 × 2 % + 10,000,000 × 1 % + 5,000,000 × 0.5 %
    EXPECT_EQ(year_credit(Money::from_yen(25'000'000), rates_of(classic("9・10年"), 1), kFifty),
              Money::from_yen(200'000 + 100'000 + 25'000));
}

TEST(YearCredit, TheFourthBandIsTwentyMillionWide) {
    // Under "11～13年6月" in year 7 every band is 0.75 %: 50,000,000 × 0.75 % = 375,000.
    EXPECT_EQ(year_credit(Money::from_yen(55'000'000), rates_of(classic("11～13年6月"), 7), kFifty),
              Money::from_yen(375'000));
    EXPECT_EQ(
        year_credit(Money::from_yen(35'000'000), rates_of(classic("11～13年6月"), 12), kFifty),
        Money::from_yen(175'000));
}

TEST(YearCredit, IsTruncatedToTheYen) {
    // 1,234,567 × 1.5 % = 18,518.505
    EXPECT_EQ(year_credit(Money::from_yen(1'234'567), rates_of(classic("8年"), 1), kFifty),
              Money::from_yen(18'518));
}

TEST(YearCredit, SevenTenthsOfAPercentIsExact) {
    const std::array<Money, 4> seven = {to_money(".7"), to_money(".7"), to_money(".7"),
                                        to_money(".7")};
    EXPECT_EQ(year_credit(Money::from_yen(30'000'000), seven, Money::from_yen(30'000'000)),
              Money::from_yen(210'000));
    EXPECT_EQ(year_credit(Money::from_yen(40'000'000), seven, Money::from_yen(30'000'000)),
              Money::from_yen(210'000));
    EXPECT_EQ(year_credit(Money::from_yen(45'000'000), seven, Money::from_yen(45'000'000)),
              Money::from_yen(315'000));
}

// ---- The regimes ----

TEST(Regimes, TheClassicRegimesWriteTheirRatesAsTheTableShowsThem) {
    EXPECT_EQ(rates_of_year(classic("8年"), 1),
              (std::array<std::string, 4>{"1.5", "1", ".5", "0"}));
    EXPECT_EQ(rates_of_year(classic("8年"), 3), (std::array<std::string, 4>{"1", "1", ".5", "0"}));
    EXPECT_EQ(rates_of_year(classic("8年"), 7), (std::array<std::string, 4>{"0", "0", "0", "0"}));
    EXPECT_EQ(rates_of_year(classic("11～13年6月"), 11),
              (std::array<std::string, 4>{".75", ".75", ".75", ".75"}));
    EXPECT_EQ(rates_of_year(classic("11～13年6月"), 15),
              (std::array<std::string, 4>{".5", ".5", ".5", ".5"}));
    EXPECT_EQ(rates_of_year(classic("13年7月～15年末"), 10)[3], "1");
    EXPECT_EQ(rates_of_year(classic("13年7月～15年末"), 11)[0], "0");
}

// Moving in during 2004: 1 % of up to 50,000,000 yen for 10 years (平成16年入居), so a
// 25,000,000-yen balance gives 250,000 yen in years 1 and 10 and nothing in year 11.
TEST(Regimes, TheTwoThousandFourRegimeIsOnePercentForTenYears) {
    const Regime& r2004 = classic("16年");
    EXPECT_EQ(year_credit(Money::from_yen(25'000'000), rates_of(r2004, 1), kFifty),
              Money::from_yen(250'000));
    EXPECT_EQ(year_credit(Money::from_yen(25'000'000), rates_of(r2004, 10), kFifty),
              Money::from_yen(250'000));
    EXPECT_EQ(year_credit(Money::from_yen(60'000'000), rates_of(r2004, 7), kFifty),
              Money::from_yen(500'000));
    EXPECT_EQ(year_credit(Money::from_yen(25'000'000), rates_of(r2004, 11), kFifty), Money());
}

const Regime& later(const std::string& caption) {
    for (const Regime& regime : regimes_since_2022())
        if (caption == regime.caption) return regime;
    throw std::runtime_error("no regime " + caption);
}

// The child-rearing / young-couple caps were kept for 2025 entrants by the 2025 reform.
TEST(Regimes, TheChildRearingUpliftCoversTwoThousandTwentyFive) {
    EXPECT_EQ(later("R6・7年入居 新築 認定住宅 子育て等 13年").cap, Money::from_yen(50'000'000));
    EXPECT_EQ(later("R6・7年入居 新築 ZEH水準 子育て等 13年").cap, Money::from_yen(45'000'000));
    EXPECT_EQ(later("R6・7年入居 新築 省エネ基準 子育て等 13年").cap, Money::from_yen(40'000'000));
}

// Entrants of 2026 to 2030: each regime at, just below and just above its cap (0.7 % worked
// out apart: 45,000,000 → 315,000; 44,999,999 → 314,999.993 → 314,999), in its last year
// and, with nothing, in the year after.
TEST(Regimes, TheRegimesOfTwoThousandTwentySixToTwoThousandThirtyAtTheirCaps) {
    struct Case {
        const char* caption;
        int years;
        long long below, at;  // credits of cap − 1 yen and of the cap (and above)
    };
    const Case cases[] = {
        {"R8～12年入居 新築 認定住宅 13年", 13, 314'999, 315'000},
        {"R8～12年入居 新築 認定住宅 子育て等 13年", 13, 349'999, 350'000},
        {"R8～12年入居 新築 ZEH水準 13年", 13, 244'999, 245'000},
        {"R8～12年入居 新築 ZEH水準 子育て等 13年", 13, 314'999, 315'000},
        {"R8・9年入居 新築 省エネ基準 13年", 13, 139'999, 140'000},
        {"R8・9年入居 新築 省エネ基準 子育て等 13年", 13, 209'999, 210'000},
        {"R8～12年入居 既存 認定・ZEH 13年", 13, 244'999, 245'000},
        {"R8～12年入居 既存 認定・ZEH 子育て等 13年", 13, 314'999, 315'000},
        {"R8～12年入居 既存 省エネ基準 13年", 13, 139'999, 140'000},
        {"R8～12年入居 既存 省エネ基準 子育て等 13年", 13, 209'999, 210'000},
        {"R8～12年入居 既存 その他 10年", 10, 139'999, 140'000},
    };
    for (const Case& c : cases) {
        const Regime& regime = later(c.caption);
        // The cap is the balance whose 0.7 % is the credit at the cap.
        const Money cap = Money::from_yen(c.at * 1000 / 7);
        EXPECT_EQ(regime.cap, cap) << c.caption;
        const auto last = rates_of(regime, c.years);
        EXPECT_EQ(year_credit(cap - Money::from_yen(1), last, regime.cap), Money::from_yen(c.below))
            << c.caption;
        EXPECT_EQ(year_credit(cap, last, regime.cap), Money::from_yen(c.at)) << c.caption;
        EXPECT_EQ(year_credit(cap + Money::from_yen(1), last, regime.cap), Money::from_yen(c.at))
            << c.caption;
        EXPECT_EQ(year_credit(cap, rates_of(regime, c.years + 1), regime.cap), Money())
            << c.caption;
    }
}

// ---- The year-end month ----

class YearEnds : public ::testing::Test {
protected:
    Form form{"Test", ""};
    Grid monthly{form, "monthly", 2, 14, 1, 3};
    Grid bonus{form, "bonus", 2, 14, 1, 3};
    Grid deduction{form, "deduction", 17, 13, 2, 1};

    static void add(Grid& table, int month, long long left, const std::string& flag = "") {
        std::vector<std::string> row(14);
        row[0] = std::to_string(month);
        row[2] = std::to_string(month % 12);
        row[3] = "0";
        row[12] = std::to_string(left);
        row[13] = flag;
        table.append_row(row);
    }
};

TEST_F(YearEnds, TheKeyMonthStepsDownAndWraps) {
    add(monthly, 11, 100);
    EXPECT_EQ(key_month(monthly, "0"), "11");  // December missing: November
    add(monthly, 3, 100);
    EXPECT_EQ(key_month(monthly, "2"), "11");  // 2, 1, 0 missing, then 11
    EXPECT_EQ(key_month(monthly, "3"), "3");
    Grid empty{form, "empty", 2, 14, 1, 3};
    EXPECT_EQ(key_month(empty, "0"), "");
}

TEST_F(YearEnds, EachDecemberBalanceIsAYearAndAPrepaymentThenReplacesIt) {
    for (int m = 6; m <= 36; m += 6) {
        add(monthly, m, 1000 - m);
        if (m == 24) add(monthly, 24, 500, "U同時");
    }
    add(monthly, 36, 0, "K");
    analyse_year_ends(monthly, bonus, "0", deduction);
    EXPECT_EQ(deduction.cell(2, kInstalment), "12");
    EXPECT_EQ(deduction.cell(2, kMonthlyBalance), "988");
    EXPECT_EQ(deduction.cell(3, kMonthlyBalance), "500");  // after the prepayment at 24
    EXPECT_EQ(deduction.cell(4, kMonthlyBalance), "964");
    EXPECT_EQ(deduction.cell(4, kApplied), kMark);
    EXPECT_EQ(deduction.cell(5, kApplied), "");  // the totals row is not a year
}

TEST_F(YearEnds, ABonusPaidAfterTheMonthlyYearEndBelongsToTheNextYear) {
    for (int m = 1; m <= 24; ++m)
        add(monthly, m, 10000 - m);
    // Bonus payments in months 13 and 25 (December displays), after the monthly year ends
    // of months 12 and 24.
    add(bonus, 13, 700);
    bonus.set_cell(2, 2, "0");
    bonus.set_cell(2, 3, "900");
    add(bonus, 25, 600);
    bonus.set_cell(3, 2, "0");
    analyse_year_ends(monthly, bonus, "0", deduction);
    EXPECT_EQ(deduction.cell(2, kBonusBalance), "900");  // the bonus principal at the start
    EXPECT_EQ(deduction.cell(3, kBonusBalance), "700");
    EXPECT_EQ(deduction.cell(4, kBonusBalance), "600");
}

// A following-year bonus fills the fifteenth year and ends the walk: a later bonus row must
// not overwrite it. Monthly year ends in months 12 … 168 (years 1–14), bonus payments in
// months 13, 25, … 181, each after its monthly year end: year 15 holds month 169's balance.
TEST_F(YearEnds, TheBonusWalkStopsAfterTheFifteenthYear) {
    for (int m = 12; m <= 168; m += 12)
        add(monthly, m, 100'000 - m);
    for (int m = 13; m <= 181; m += 12) {
        add(bonus, m, 50'000 - m);
        bonus.set_cell(bonus.row_count() - 1, 2, "0");
    }
    analyse_year_ends(monthly, bonus, "0", deduction);
    EXPECT_EQ(deduction.cell(16, kBonusBalance), std::to_string(50'000 - 169));
    EXPECT_EQ(deduction.cell(15, kBonusBalance), std::to_string(50'000 - 157));
    EXPECT_EQ(deduction.cell(3, kBonusBalance), std::to_string(50'000 - 13));
}

}  // namespace
}  // namespace rebanto::tax_credit
