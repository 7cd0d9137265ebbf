// What the main window does through the navigator: the last principal folded into the last
// instalment, the current tables recomputed under new calculation settings, the bonus
// timing question, and the automatic bonus correction passes.
#include "base/numtext.h"
#include "navigator_fixture.h"
#include "reference_schedule.h"

namespace rebanto::testing {
namespace {

class MainWindowNavigator : public NavigatorTest {};

// The principal left after the last row of a current table, and the last instalment.
struct LastRow {
    std::string left;
    std::string instalment;
    std::string in_row;
};
LastRow last_period_row(const Grid& table) {
    int r = table.row_count() - 1;
    if (table.cell(r, 13) == "K") --r;
    return {table.cell(r, 12), table.cell(r, 6), table.cell(r, 9)};
}

// ---- "最終月回元金残０化" ----

TEST_F(MainWindowNavigator, TheLastRowOfSeveralInstalmentsGivesItsLastOneARowThatPaysItAll) {
    run_typical_loan(6);
    ASSERT_EQ(last_period_row(StGr1).left, "-203");
    const int rows = StGr1.row_count();
    main.Button24.click();
    // Months 415-419 at 83,564, then month 420 at 83,564 − 203 = 83,361.
    const LastRow last = last_period_row(StGr1);
    EXPECT_EQ(last.left, "0");
    EXPECT_EQ(last.instalment, "83361");
    EXPECT_EQ(last.in_row, "1");
    EXPECT_EQ(StGr1.row_count(), rows + 1);
    EXPECT_EQ(StGr1.cell(rows - 2, 9), "5");
    EXPECT_EQ(StGr1.cell(rows - 2, 12), "83200");
    // The totals: 203 yen less paid, and no principal left.
    EXPECT_EQ(StGr1.cell(StGr1.row_count() - 1, 6), "35096677");
    EXPECT_EQ(StGr1.cell(StGr1.row_count() - 1, 12), "0");
}

TEST_F(MainWindowNavigator, AOneInstalmentLastRowTakesTheRestIntoItsInstalment) {
    run_typical_loan(1);
    main.Button25.click();  // the bonus table: 6,000,000 over 70 payments leaves -44
    const LastRow last = last_period_row(StGr2);
    EXPECT_EQ(last.left, "0");
    EXPECT_EQ(last.instalment, std::to_string(125738 - 44));
    main.Button24.click();
    EXPECT_EQ(last_period_row(StGr1).left, "0");
    EXPECT_EQ(last_period_row(StGr1).instalment, "83361");
}

TEST_F(MainWindowNavigator, FoldingWithoutACurrentTableDoesNothing) {
    main.Button24.click();
    EXPECT_FALSE(nav.visible());
    EXPECT_EQ(StGr1.row_count(), 2);
}

// ---- "設定再計算" ----

TEST_F(MainWindowNavigator, NewCalculationSettingsRecomputeBothTablesToTheEnd) {
    run_typical_loan(1);
    main.RB22.click();  // interest rounded half up
    main.Button147.click();
    EXPECT_FALSE(main.Panel5.visible());
    // The instalments stay as they were; each month's interest is rounded half up.
    std::vector<RefRow> expected;
    long long balance = 24'000'000;
    for (long long m = 1; m <= 420; ++m) {
        const __int128 base = balance / 100 * 100;
        const long long interest = static_cast<long long>(
            (base * 2325 * 100000 + 50001 * 1200000LL) / (1200000LL * 100000));
        if (10 * balance > 3 * 83564) {
            expected.push_back({m, balance, 421 - m, 83564, interest, 83564 - interest,
                                balance - (83564 - interest)});
            balance -= 83564 - interest;
        }
    }
    int row = 2;
    for (const RefRow& e : expected) {
        ASSERT_EQ(StGr1.cell(row, 10), std::to_string(e.interest)) << "month " << e.month;
        ASSERT_EQ(StGr1.cell(row, 12), std::to_string(e.after)) << "month " << e.month;
        ++row;
    }
    EXPECT_EQ(StGr2.row_count(), 2 + 70 + 1);
    EXPECT_EQ(main.Ed0_moto.text(), "30000000");
}

TEST_F(MainWindowNavigator, NewSettingsWithoutTablesOnlyCloseThePanel) {
    main.HRh.click();
    main.Button147.click();
    EXPECT_FALSE(main.Panel5.visible());
    EXPECT_FALSE(nav.visible());
}

// ---- The bonus timing ----

TEST_F(MainWindowNavigator, ADifferentBonusTimingIsAskedAboutBeforeAReplay) {
    run_typical_loan(6);
    open_navigator();
    nav.StringGrid2.set_cell(1, 13, "T･6･3･64");
    platform.queue_answer(false);  // keep the table's timing
    nav.RadioButton2.click();
    nav.Button8.click();
    const auto log = platform.take_log();
    const std::string question =
        "question ボーナス(第2返済)関係の設定［間隔6ヶ月　/第1回3ヶ月］が　本体の設定［間隔6ヶ月　/"
        "第1回6ヶ月］と異なります。　　本体の設定で処理しますか。　　本体設定で処理ならYES、本体設"
        "定を"
        "変更して元のままでならNO -> no";
    EXPECT_NE(std::find(log.begin(), log.end(), question), log.end());
    EXPECT_EQ(main.bonus_first_months(), 3);
}

TEST_F(MainWindowNavigator, TheFirstPeriodLabelsAskTheSameQuestionOnlyWhenTheTimingsDiffer) {
    run_typical_loan(6);
    open_navigator();
    platform.take_log();
    main.Label187.dbl_click();
    for (const std::string& line : platform.take_log())
        EXPECT_EQ(line.rfind("question", 0), std::string::npos) << line;
    nav.StringGrid2.set_cell(1, 13, "T･12･6･64");
    platform.queue_answer(true);  // keep the main window's timing
    main.Label195.dbl_click();
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().substr(log.back().size() - 6), "-> yes");
    EXPECT_EQ(main.bonus_interval(), 6);
}

// ---- The automatic bonus correction ----

class BonusCorrection : public NavigatorTest {
protected:
    // The monthly rate rises to 3.0 % from month 64 and the bonus rate from payment 11
    // (month 66), whose period (months 61 to 66) holds the change after 3 months.
    void rate_change_inside_a_bonus_period() {
        run_typical_loan(1);
        open_navigator();
        change_rate_from("64", "66", "3.0");
    }
};

TEST_F(BonusCorrection, TheBonusRowHoldingTheChangeIsChargedTheRateWeighedByMonths) {
    rate_change_inside_a_bonus_period();
    EXPECT_EQ(nav.bonus_correction_pass(true), 1);
    // (3.0 × 3 + 2.325 × 3) / 6 = 2.6625
    EXPECT_EQ(nav.StringGrid2.cell(12, 13).substr(0, 12), "SoM･2.6625");
    EXPECT_EQ(StGr2.cell(12, 4), "2.6625");
    // 5,409,895 cut to 5,409,800 × 2.6625 % / 12 × 6 = 72,017.9625 → 72,017
    EXPECT_EQ(StGr2.cell(12, 3), "5409895");
    EXPECT_EQ(StGr2.cell(12, 10), "72017");
    EXPECT_EQ(main.PageControl1.active_page(), &main.TabSheet7);

    // The cancel pass puts the rate back and the next replay returns to normal interest.
    EXPECT_EQ(nav.bonus_correction_pass(false), 1);
    EXPECT_EQ(nav.StringGrid2.cell(12, 4), "3.0");
    EXPECT_EQ(nav.StringGrid2.cell(12, 13), "");  // its "X" was used by the replay
    EXPECT_EQ(StGr2.cell(12, 4), "3.0");
}

// A second change, to 3.5 % from month 124 in both tables, falls in the bonus period of
// months 121 to 126: (3.0 × 3 + 3.5 × 3) / 6 = 3.25. The search for it starts after the
// row corrected first, which keeps its weighted rate.
TEST_F(BonusCorrection, EachChangeIsWeighedInItsOwnBonusPeriod) {
    rate_change_inside_a_bonus_period();
    nav.RadioButton1.click();
    change_rate_from("124", "126", "3.5");
    EXPECT_EQ(nav.bonus_correction_pass(true), 2);
    EXPECT_EQ(StGr2.cell(12, 4), "2.6625");
    EXPECT_EQ(StGr2.cell(row_of_month(StGr2, "126"), 4), "3.25");
}

TEST_F(BonusCorrection, WithNothingToCancelTheUserIsTold) {
    run_typical_loan(6);
    open_navigator();
    platform.take_log();
    EXPECT_EQ(nav.bonus_correction_pass(false), 0);
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"info ？？"});
}

TEST_F(BonusCorrection, AChangeMoreThanAPeriodAwayStopsWithItsMessage) {
    rate_change_inside_a_bonus_period();
    // The bonus rate changes a year later than the monthly one.
    nav.StringGrid2.set_cell(12, 4, "2.325");
    nav.StringGrid2.set_cell(13, 4, "2.325");
    platform.take_log();
    EXPECT_EQ(nav.bonus_correction_pass(true), 0);
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(),
              "info 月々とボーナスの金利変更時に標準的な相関性が無いようです。その時点以降の処理を"
              "中断いたします");
    EXPECT_FALSE(nav.GroupBox1.visible());
}

}  // namespace
}  // namespace rebanto::testing
