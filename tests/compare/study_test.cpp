// The prepayment study table: the budget splits down the rows, the short loan's rates or the
// prepayment months across, each cell against schedules worked out apart; the continue
// question, the settings that cannot make a table, and the chart of a column group.
#include <filesystem>

#include "verification_fixture.h"

namespace rebanto {
namespace {

namespace t = testing;

std::string n(long long v) {
    return std::to_string(v);
}

class Study : public testing::Verification {
protected:
    // The loans, split mode, the study table shown; a study that never asks to continue.
    void study_ready() {
        two_loans();
        hi.Button8.click();
        hi.Edit9.set_text("0");
    }
    // Where the study sets the working state aside before it starts.
    std::filesystem::path set_aside() const { return app.main.data_path("退避５"); }
    static std::vector<std::vector<std::string>> cells(const Grid& grid) {
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < grid.row_count(); ++r)
            rows.push_back(grid.row_cells(r));
        return rows;
    }
    // The interest of both loans when the long loan takes `to_long` and the short loan
    // `to_short` at month 72, the long loan keeping the short loan's instalments after it
    // ends early.
    static long long split_interest(long long to_long, long long to_short, t::RefRate short_rate) {
        const auto short_loan = t::short_loan(short_rate);
        const auto short_rows =
            t::reference_schedule(to_short > 0 ? t::prepaid(short_loan, 72, to_short) : short_loan);
        auto long_loan = to_long > 0 ? t::prepaid(t::long_loan(), 72, to_long) : t::long_loan();
        // Even with no month gained, the long loan takes up what the short loan's last
        // instalment left over; the row without prepayment is the two loans as they are.
        if (to_long > 0 || to_short > 0)
            long_loan = t::with_capacity_kept(long_loan, short_rows, 120,
                                              paid_off_at(short_rows, 72, to_short));
        return t::total_interest(t::reference_schedule(long_loan)) + t::total_interest(short_rows);
    }
    // The prepayment when it paid the loan off in its month (the schedule ends there).
    static long long paid_off_at(const std::vector<t::RefRow>& rows, long long month,
                                 long long amount) {
        return rows.back().month == month && rows.back().after <= amount ? amount : 0;
    }
};

class StudyCsv : public Study {};

TEST_F(Study, EachSplitOfTheBudgetAgreesWithSchedulesWorkedOutApart) {
    study_ready();
    hi.Button6.click();
    ASSERT_EQ(platform.take_log(), std::vector<std::string>{});

    ASSERT_EQ(hi.StGr5.row_count(), 6) << "header, no prepayment, four splits";
    ASSERT_EQ(hi.StGr5.col_count(), 15) << "three rate groups from 2 % by 0.5 % to 3 %";
    EXPECT_EQ(hi.StGr5.cell(0, 0), "1-月分繰上額");
    EXPECT_EQ(hi.StGr5.cell(0, 4), "5-ボ分繰上額");
    EXPECT_EQ(hi.StGr5.cell(0, 6), "5-2%");
    EXPECT_EQ(hi.StGr5.cell(0, 9), "5-2.5%");
    EXPECT_EQ(hi.StGr5.cell(0, 12), "5-3%");
    EXPECT_EQ(hi.StGr5.cell(0, 13), "1-最終月回(月々)");
    EXPECT_EQ(hi.StGr5.cell(0, 14), "5-最終月回(月々)");
    EXPECT_EQ(hi.Label28.caption(), "3");

    const long long splits[][2] = {
        {0, 0}, {3'000'000, 0}, {2'000'000, 1'000'000}, {1'000'000, 2'000'000}, {0, 3'000'000}};
    for (int r = 1; r <= 5; ++r) {
        SCOPED_TRACE("row " + n(r));
        EXPECT_EQ(hi.StGr5.cell(r, 0), n(splits[r - 1][0]));
        EXPECT_EQ(hi.StGr5.cell(r, 1), n(splits[r - 1][1]));
        EXPECT_EQ(hi.StGr5.cell(r, 3), "0");
        EXPECT_EQ(hi.StGr5.cell(r, 4), "0");
    }
    const t::RefRate rates[] = {{2, 1}, {25, 10}, {3, 1}};
    for (int g = 0; g < 3; ++g) {
        for (int r = 1; r <= 5; ++r) {
            SCOPED_TRACE("group " + n(g + 1) + " row " + n(r));
            EXPECT_EQ(hi.StGr5.cell(r, 6 + 3 * g),
                      n(split_interest(splits[r - 1][0], splits[r - 1][1], rates[g])));
        }
        EXPECT_EQ(hi.StGr5.cell(1, 7 + 3 * g), "420");
        EXPECT_EQ(hi.StGr5.cell(1, 8 + 3 * g), "120");
    }
    // All 3,000,000 into the short loan at 2 %: it ends in month 72 + ceil of what is left.
    const auto short_all = t::reference_schedule(t::prepaid(t::short_loan(), 72, 3'000'000));
    EXPECT_EQ(hi.StGr5.cell(5, 8), n(short_all.back().month));
    const auto long_all = t::reference_schedule(t::prepaid(t::long_loan(), 72, 3'000'000));
    EXPECT_EQ(hi.StGr5.cell(2, 7), n(long_all.back().month));
    EXPECT_EQ(hi.StGr5.cell(2, 8), "120");

    // Memory 5 holds the short loan at its own rate again, memory 1 is untouched.
    EXPECT_EQ(memory(5).size(), 2 + 120 + 1);
    EXPECT_EQ(memory(5)[3][4], "2.0") << "as the user typed it";
    EXPECT_EQ(memory(1).size(), 2 + 420 + 1);
    EXPECT_TRUE(std::filesystem::exists(set_aside()));
}

TEST_F(Study, PrepaymentMonthsAcrossInsteadOfRates) {
    study_ready();
    hi.RadioButton4.click();
    EXPECT_EQ(hi.Label16.caption(), "月回まで");
    hi.Edit4.set_text("2000000");
    hi.Edit5.set_text("2000000");
    hi.Edit6.set_text("84");
    hi.Edit7.set_text("12");
    hi.Button6.click();
    ASSERT_EQ(platform.take_log(), std::vector<std::string>{});
    ASSERT_EQ(hi.StGr5.row_count(), 4) << "header, no prepayment, 2,000,000/0, 0/2,000,000";
    ASSERT_EQ(hi.StGr5.col_count(), 12);
    EXPECT_EQ(hi.StGr5.cell(0, 6), "月回72");
    EXPECT_EQ(hi.StGr5.cell(0, 9), "月回84");

    const auto interest_at = [](long long month, long long to_long, long long to_short) {
        const auto short_rows = t::reference_schedule(
            to_short ? t::prepaid(t::short_loan(), month, to_short) : t::short_loan());
        auto long_loan = to_long ? t::prepaid(t::long_loan(), month, to_long) : t::long_loan();
        long_loan = t::with_capacity_kept(long_loan, short_rows, 120,
                                          paid_off_at(short_rows, month, to_short));
        return t::total_interest(t::reference_schedule(long_loan)) + t::total_interest(short_rows);
    };
    EXPECT_EQ(hi.StGr5.cell(2, 6), n(interest_at(72, 2'000'000, 0)));
    EXPECT_EQ(hi.StGr5.cell(3, 6), n(interest_at(72, 0, 2'000'000)));
    EXPECT_EQ(hi.StGr5.cell(2, 9), n(interest_at(84, 2'000'000, 0)));
    EXPECT_EQ(hi.StGr5.cell(3, 9), n(interest_at(84, 0, 2'000'000)));
}

TEST_F(Study, TheContinueQuestionStopsTheStudyAndKeepsMemoryFive) {
    study_ready();
    hi.Edit9.set_text("2");
    const auto memory5 = memory(5);
    platform.queue_answer(false);
    hi.Button6.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"question 続けますか? -> no"});
    EXPECT_FALSE(hi.StGr5.cell(3, 6).empty()) << "two splits done";
    EXPECT_TRUE(hi.StGr5.cell(4, 6).empty()) << "the third never ran";
    EXPECT_EQ(memory(5), memory5);
    EXPECT_FALSE(hi.StudyRunning);
    EXPECT_TRUE(std::filesystem::exists(set_aside()));

    // Answered yes, the study runs on to the end.
    platform.queue_answer(true);
    hi.Button6.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"question 続けますか? -> yes"});
    EXPECT_FALSE(hi.StGr5.cell(5, 12).empty());
}

TEST_F(Study, SettingsThatCannotMakeATableAreRefusedBeforeAnythingChanges) {
    study_ready();
    const auto memory5 = memory(5);
    const auto table = cells(hi.StGr5);

    hi.Edit5.set_text("0");
    hi.Button6.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{"info 「円刻み」には０より大きい金額を記入して下さい"});
    hi.Edit5.set_text("1000000");
    hi.Edit7.set_text("0");
    hi.Button6.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{"info 「％刻み」には０より大きい値を記入して下さい"});
    hi.Edit7.set_text("0.5");
    hi.Edit6.set_text("1.5");
    hi.Button6.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{
                  "info 「％まで」が記憶５の当初金利より小さいので一覧表の列が作れません"});
    EXPECT_EQ(memory(5), memory5);
    EXPECT_EQ(cells(hi.StGr5), table);
    EXPECT_FALSE(std::filesystem::exists(set_aside()));
}

TEST_F(Study, TheBonusStepKeepsPaceWithTheMonthlyStep) {
    study_ready();
    hi.Edit14.set_text("600000");
    EXPECT_EQ(hi.Edit15.text(), "200000");
    hi.Edit5.set_text("500000");
    EXPECT_EQ(hi.Edit15.text(), "100000");
    hi.Edit4.set_text("0");
    EXPECT_EQ(hi.Edit15.text(), "100000") << "no budget leaves the step alone";
}

TEST_F(Study, TheSmallSteppersMoveTheirFields) {
    study_ready();
    hi.Label16.click();
    EXPECT_EQ(hi.Edit6.text(), "3.5");
    EXPECT_EQ(hi.Label28.caption(), "4");
    hi.Label16.right_click();
    hi.Label16.right_click();
    hi.Label16.right_click();
    hi.Label16.right_click();
    EXPECT_EQ(hi.Edit6.text(), "2") << "not below the short loan's own rate";
    hi.Edit6.dbl_click();
    EXPECT_EQ(hi.Edit6.text(), "2.5");
    hi.Label18.right_click();
    EXPECT_EQ(hi.Edit8.text(), "1");
    hi.Label18.click();
    EXPECT_EQ(hi.Edit8.text(), "2");
    hi.Label21.click();
    EXPECT_EQ(hi.Edit9.text(), "1");
    EXPECT_EQ(hi.Label29.caption(), "続行確認 1 回目");
    hi.Label21.right_click();
    hi.Label21.right_click();
    EXPECT_EQ(hi.Edit9.text(), "0");
}

TEST_F(Study, AClickedRowGoesIntoTheVerificationAndItsGroupIntoTheChartChoice) {
    study_ready();
    hi.Button6.click();
    hi.StGr5.click_cell(4, 7);
    EXPECT_EQ(hi.Edit2.text(), "1000000");
    EXPECT_EQ(hi.Edit52.text(), "2000000");
    EXPECT_EQ(hi.Edit3.text(), "0");
    EXPECT_EQ(hi.Edit53.text(), "0");
    EXPECT_EQ(hi.Edit8.text(), "3") << "the first group is the third from the right";

    hi.Button7.click();
    const comparison::EffectChart& chart = app.compare.LastEffectChart;
    EXPECT_EQ(chart.title, "[5-2%]の場合検討表グラフ");
    ASSERT_EQ(chart.labels.size(), 5u);
    EXPECT_EQ(chart.labels[1], "3000000");
    EXPECT_EQ(chart.series[0].title, "支払利息総額");
    EXPECT_EQ(n(chart.series[0].values[2].whole_yen()), hi.StGr5.cell(3, 6));
    EXPECT_EQ(chart.series[1].values[0].whole_yen(), 420);
    EXPECT_TRUE(app.effect_chart.visible());
    // On the chart the interest is in units of 10,000 yen, the months as they are.
    const ChartData& drawn = app.effect_chart.Chart1.model.data();
    ASSERT_EQ(drawn.series.size(), 3u);
    EXPECT_DOUBLE_EQ(*drawn.series[0].values[2], std::stod(hi.StGr5.cell(3, 6)) / 10000);
    EXPECT_DOUBLE_EQ(*drawn.series[1].values[0], 420);
    EXPECT_EQ(drawn.series[1].kind, SeriesKind::Bar) << "last months stand side by side";
    hi.hide();
    app.effect_chart.Chart1.dbl_click();
    EXPECT_TRUE(hi.visible()) << "a double click on the chart brings the comparison back";

    hi.Button7.right_click();
    EXPECT_EQ(app.compare.LastEffectChart.labels.size(), 4u) << "without the no-prepayment row";
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

TEST_F(StudyCsv, TheStudyTableGoesToTheOutputMemoLineByLine) {
    study_ready();
    hi.StudyCsv.click();
    EXPECT_EQ(
        platform.take_log(),
        std::vector<std::string>{"info CSVの前に、分散効果検討一覧表を「実行」で作成して下さい"});
    hi.Button6.click();
    hi.StudyCsv.click();
    const auto& lines = app.main.RichEdit4.lines();
    ASSERT_EQ(lines.size(), 7u) << "the title and the six rows";
    EXPECT_TRUE(lines[0].starts_with("Rebanto（分散繰上効果検討一覧表）  -- by."));
    EXPECT_EQ(lines[1],
              "1-月分繰上額,5-月分繰上額,,1-ボ分繰上額,5-ボ分繰上額,,5-2%,1-最終月回(月々),"
              "5-最終月回(月々),5-2.5%,1-最終月回(月々),5-最終月回(月々),5-3%,1-最終月回(月々),"
              "5-最終月回(月々)");
    EXPECT_EQ(lines[3], "3000000,0,,0,0,," + hi.StGr5.cell(2, 6) + "," + hi.StGr5.cell(2, 7) +
                            ",120," + hi.StGr5.cell(2, 9) + "," + hi.StGr5.cell(2, 10) + ",120," +
                            hi.StGr5.cell(2, 12) + "," + hi.StGr5.cell(2, 13) + ",120");
    EXPECT_TRUE(app.main.Panel1.visible());
}

}  // namespace
}  // namespace rebanto
