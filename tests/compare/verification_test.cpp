// The prepayment-effect verification through the application: the two scenarios of full
// mode against schedules worked out apart, the amounts of split mode, and the checks that
// stop a run before any memory changes.
#include "base/numtext.h"
#include "verification_fixture.h"

namespace rebanto {
namespace {

using testing::Verification;
namespace t = testing;

std::string n(long long v) {
    return std::to_string(v);
}

TEST_F(Verification, FullModeSavesTheInterestOfTwoPrepaidSchedulesWorkedOutApart) {
    two_loans();
    full_mode();
    ASSERT_EQ(hi.Edit1.text(), "72");
    ASSERT_EQ(hi.Edit2.text(), "2000000");
    hi.Button5.click();
    ASSERT_EQ(platform.take_log(), std::vector<std::string>{});

    const auto long_rows = t::reference_schedule(t::long_loan());
    const auto short_rows = t::reference_schedule(t::short_loan());
    // Scenario A: the short loan prepaid and shortened, the long loan given its instalments.
    const auto short_prepaid = t::reference_schedule(t::prepaid(t::short_loan(), 72, 2'000'000));
    const auto long_kept =
        t::reference_schedule(t::with_capacity_kept(t::long_loan(), short_prepaid, 120));
    // Scenario B: the long loan prepaid and shortened, the short loan as it was.
    const auto long_prepaid = t::reference_schedule(t::prepaid(t::long_loan(), 72, 2'000'000));
    const long long none = t::total_interest(long_rows) + t::total_interest(short_rows);
    const long long a = t::total_interest(long_kept) + t::total_interest(short_prepaid);
    const long long b = t::total_interest(long_prepaid) + t::total_interest(short_rows);
    ASSERT_EQ(short_prepaid.back().month, 75);

    EXPECT_EQ(last_cell(hi.StringGrid1, 9), n(a)) << "table A: memories 3 + 4";
    EXPECT_EQ(last_cell(hi.StringGrid2, 9), n(b)) << "table B: memories 2 + 5";
    EXPECT_EQ(last_cell(hi.StringGrid3, 9), n(a - b)) << "A − B";
    // Each scenario's interest saved against no prepayment at all.
    const long long saved_a = none - std::stoll(last_cell(hi.StringGrid1, 9));
    const long long saved_b = none - std::stoll(last_cell(hi.StringGrid2, 9));
    EXPECT_EQ(saved_a, none - a);
    EXPECT_EQ(saved_b, none - b);
    EXPECT_GT(saved_b, saved_a) << "prepaying the loan at the higher rate saves more";

    // The long loan's rows: the short loan's overpayment in month 75, its instalment on top
    // in months 76 to 120, its own instalment again from month 121.
    const auto& m3 = memory(3);
    const auto row_of = [&m3](long long month) {
        for (std::size_t r = 2; r < m3.size(); ++r)
            if (m3[r][0] == n(month)) return m3[r];
        return std::vector<std::string>{};
    };
    const long long own = long_rows.front().instalment;
    EXPECT_EQ(row_of(74)[6], n(own));
    EXPECT_EQ(row_of(75)[6], n(own - short_prepaid.back().after));
    EXPECT_EQ(row_of(76)[6], n(own + short_prepaid.back().instalment));
    EXPECT_EQ(row_of(120)[6], n(own + short_prepaid.back().instalment));
    EXPECT_EQ(row_of(121)[6], n(own));
    EXPECT_EQ(memory(2).size(), 2 + long_prepaid.size() + 2) << "a prepayment and a totals row";
    EXPECT_EQ(memory(4).size(), 2 + short_prepaid.size() + 2);
    EXPECT_EQ(app.cur.slots[0].monthly.size(), 2 + 420 + 1) << "memory 1 is left as it was";
    EXPECT_EQ(app.cur.slots[4].monthly.size(), 2 + 120 + 1) << "memory 5 is left as it was";
}

TEST_F(Verification, SplitModeHalvesTheAmountsAndFullModeAddsThemUp) {
    open();
    hi.Edit2.set_text("3000001");
    hi.Edit3.set_text("500000");
    hi.Button9.click();
    EXPECT_TRUE(hi.RadioButton1.checked()) << "the verification opens in split mode";
    EXPECT_EQ(hi.Edit2.text(), "1500000");
    EXPECT_EQ(hi.Edit52.text(), "1500000");
    EXPECT_EQ(hi.Edit3.text(), "250000");
    EXPECT_EQ(hi.Edit53.text(), "250000");
    EXPECT_TRUE(hi.Edit52.visible() && hi.Button8.visible() && hi.RadioButton2.visible());
    EXPECT_EQ(hi.Label8.caption(), "1ﾍ繰上");
    EXPECT_EQ(hi.width(), 638);

    hi.Edit52.set_text("700000");
    hi.RadioButton2.click();
    EXPECT_EQ(hi.Edit2.text(), "2200000");
    EXPECT_EQ(hi.Edit3.text(), "500000");
    EXPECT_FALSE(hi.Edit52.visible() || hi.Button8.visible() || hi.RadioButton2.visible());
    EXPECT_EQ(hi.Label8.caption(), ":{1ﾍ全額→2(+5)}vs{5ﾍ全額→4(+3)}■一括繰上比較");
    EXPECT_EQ(hi.Label30.caption(), "Ｂ表(長期物一括)vsＡ表(短期物一括)■差引比較表");

    // Choosing the mode in force again halves nothing.
    hi.RadioButton1.click();
    hi.RadioButton1.click();
    EXPECT_EQ(hi.Edit2.text(), "1100000");
}

TEST_F(Verification, OpeningGrowsThePlainWindowOnce) {
    open();
    const int height = hi.height();
    hi.Button9.click();
    EXPECT_EQ(hi.height(), height + 50);
    EXPECT_TRUE(hi.Panel4.visible() && hi.Panel11.visible());
    hi.Button9.click();
    EXPECT_EQ(hi.height(), height + 50) << "only from the plain layout";
    hi.Button8.click();
    EXPECT_EQ(hi.width(), 1158);
    EXPECT_TRUE(hi.Panel5.visible());
    hi.RadioButton2.click();
    EXPECT_EQ(hi.width(), 638);
    EXPECT_FALSE(hi.Panel5.visible());
}

TEST_F(Verification, SplitModePrepaysBothLoansAndComparesWithNoPrepayment) {
    two_loans();
    hi.Button5.click();  // 1,000,000 into each loan
    ASSERT_EQ(platform.take_log(), std::vector<std::string>{});
    const auto long_prepaid = t::reference_schedule(t::prepaid(t::long_loan(), 72, 1'000'000));
    const auto short_prepaid = t::reference_schedule(t::prepaid(t::short_loan(), 72, 1'000'000));
    const auto long_kept = t::reference_schedule(
        t::with_capacity_kept(t::prepaid(t::long_loan(), 72, 1'000'000), short_prepaid, 120));
    const long long a = t::total_interest(long_kept) + t::total_interest(short_prepaid);
    const long long b = t::total_interest(t::reference_schedule(t::long_loan())) +
                        t::total_interest(t::reference_schedule(t::short_loan()));
    EXPECT_EQ(last_cell(hi.StringGrid1, 9), n(a));
    EXPECT_EQ(last_cell(hi.StringGrid2, 9), n(b)) << "table B: memories 1 + 5, no prepayment";
    EXPECT_EQ(hi.StringGrid2.cell(1, 0), "M1記憶");
    EXPECT_EQ(hi.StringGrid2.cell(2, 0), "M5記憶");
    EXPECT_LT(long_prepaid.size(), t::reference_schedule(t::long_loan()).size());
}

// ---- What stops a run before anything changes ----

class VerificationChecks : public Verification {
protected:
    // Runs the verification and expects `message` alone, with memories 2 to 4 untouched.
    void expect_stopped_with(const std::string& message) {
        const bool stored[3] = {cur.Button92.enabled(), cur.Button93.enabled(),
                                cur.Button94.enabled()};
        hi.Button5.click();
        EXPECT_EQ(platform.take_log(), std::vector<std::string>{message});
        EXPECT_EQ(cur.Button92.enabled(), stored[0]);
        EXPECT_EQ(cur.Button93.enabled(), stored[1]);
        EXPECT_EQ(cur.Button94.enabled(), stored[2]);
    }
};

TEST_F(VerificationChecks, AnEmptyMemoryOneOrFiveIsNamed) {
    store_short(5);
    open();
    hi.Button9.click();
    expect_stopped_with("info 記憶１に月次処理した長期物を設定して下さい");
    store_long(1);
    app.cur.slots[4] = TablesSnapshot{};  // a memory stored while the tables were empty
    expect_stopped_with("info 記憶５に月次処理した短期物を設定して下さい");
}

TEST_F(VerificationChecks, SwappedLoansStopWithTheReversalMessage) {
    store_short(1);
    store_long(5);
    open();
    hi.Button9.click();
    expect_stopped_with(
        "info 記憶１には長期物を、記憶５には短期物を設定して下さい。設定が逆になっており適切な処理"
        "ができません");
}

TEST_F(VerificationChecks, ALoanNotComputedMonthByMonthIsRefused) {
    store_long(1);
    f1.Ed0_moto.set_text("5000000");
    f1.Ed0_kin.set_text("2.0");
    f1.Ed0_nen.set_text("10");
    f1.Ed1_mm5.set_text("12");  // a year a row
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.Button18.click();
    store(5);
    open();
    hi.Button9.click();
    platform.take_log();
    expect_stopped_with(
        "info 記憶５に月次で処理(1期回数=1)したものを設定して下さい。この設定では適切な処理ができ"
        "ません");
}

TEST_F(VerificationChecks, ABadAmountIsNamedBeforeAnyMemoryChanges) {
    two_loans();
    hi.Edit52.set_text("1e");
    expect_stopped_with("error 入力欄 Edit52 の「1e」は有効な数値ではありません");
    hi.Edit52.set_text("1000000");
    hi.Edit1.set_text("七十二");
    expect_stopped_with("error 入力欄 Edit1 の「七十二」は有効な数値ではありません");
}

TEST_F(VerificationChecks, ACellThatDoesNotParseStopsTheRunAndKeepsMemoryOne) {
    store_long(1);
    store_short(5);
    cur.Button91.click();
    cur.StGr1.edit_cell(90, 6, "abc");
    cur.Button81.click();
    const auto long_memory = memory(1);
    open();
    hi.Button9.click();
    platform.take_log();
    hi.Button5.click();
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().rfind("error 繰上効果検証を中断しました。再計算を中断しました：", 0), 0u)
        << log.back();
    EXPECT_NE(log.back().find("「abc」"), std::string::npos);
    EXPECT_FALSE(cur.Button92.enabled()) << "nothing was stored";
    EXPECT_EQ(memory(1), long_memory);
}

TEST_F(Verification, AMonthMissingFromTheShortLoanLeavesItWithoutThePrepayment) {
    two_loans();
    full_mode();
    hi.Edit1.set_text("200");  // the short loan ends in month 120
    hi.Button5.click();
    platform.take_log();
    EXPECT_EQ(memory(4), memory(5)) << "the short loan is left as it was";
    ASSERT_TRUE(cur.Button93.enabled()) << "the run went on";
    // The long loan prepaid in month 200 in scenario B; no month gained in scenario A, where
    // the long loan only takes what the short loan's last payment did not need.
    const auto short_rows = t::reference_schedule(t::short_loan());
    const auto long_kept =
        t::reference_schedule(t::with_capacity_kept(t::long_loan(), short_rows, 120));
    EXPECT_EQ(last_cell(hi.StringGrid1, 9),
              n(t::total_interest(long_kept) + t::total_interest(short_rows)));
}

}  // namespace
}  // namespace rebanto
