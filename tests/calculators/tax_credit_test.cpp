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
    EXPECT_EQ(rates_of_year(classic("16年"), 6), (std::array<std::string, 4>{"1", "1", ".5", "0"}));
}

TEST(Regimes, TheRegimesSince2022AreSevenTenthsForThirteenOrTenYears) {
    for (const Regime& regime : regimes_since_2022()) {
        const std::string caption = regime.caption;
        const int years = caption.find("10年") != std::string::npos ? 10 : 13;
        EXPECT_EQ(rates_of_year(regime, years)[0], ".7") << caption;
        EXPECT_EQ(rates_of_year(regime, years + 1)[0], "0") << caption;
    }
    // A new certified house moved into in 2022: 50,000,000 yen; an existing "other" house
    // 20,000,000 yen.
    EXPECT_EQ(regimes_since_2022().front().cap, Money::from_yen(50'000'000));
    EXPECT_EQ(regimes_since_2022().back().cap, Money::from_yen(20'000'000));
    EXPECT_EQ(later_regime_choices().size(), regimes_since_2022().size() + 1);
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

}  // namespace
}  // namespace rebanto::tax_credit
