// What-if tables: the course of one loan, the rate and term comparisons and the random
// rate path. Expected amounts come from a payment-by-payment calculation with exact
// fractions (see schedules_fixture.h); random paths run on scripted draws.
#include <deque>

#include "base/numtext.h"
#include "schedules_fixture.h"

namespace rebanto {
namespace {

// Hands out scripted draws first, then the fixed sequence; the clock never restarts it.
class DrawPlatform : public HeadlessPlatform {
public:
    double random() override {
        if (draws.empty()) return HeadlessPlatform::random();
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
    void randomize() override { ++randomized; }
    std::deque<double> draws;
    int randomized = 0;
};

class WhatIf : public ::testing::Test {
protected:
    WhatIf() : app(platform, folder.options()) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
    }
    void enter_loan(const char* principal, const char* rate, const char* years, const char* share) {
        f1.Ed0_moto.set_text(principal);
        f1.Ed0_kin.set_text(rate);
        f1.Ed0_nen.set_text(years);
        f1.Ed0_wari.set_text(share);
        platform.take_log();
    }
    static std::vector<std::vector<std::string>> rows(const Grid& table) {
        std::vector<std::vector<std::string>> out;
        for (int r = 2; r < table.row_count(); ++r)
            if (table.cell(r, 1) != "経") out.push_back(table.row_cells(r));
        return out;
    }
    static std::vector<std::string> column(const Grid& table, int col) {
        std::vector<std::string> out;
        for (const auto& row : rows(table))
            out.push_back(row[col]);
        return out;
    }
    // Memo index of the first line containing text.
    static std::size_t find(const Memo& memo, const std::string& text, std::size_t from = 0) {
        for (std::size_t i = from; i < memo.lines().size(); ++i)
            if (memo.lines()[i].find(text) != std::string::npos) return i;
        return memo.lines().size();
    }
    std::vector<std::string> basic_texts() const {
        std::vector<std::string> texts;
        for (const Edit* e :
             {&f1.Ed0_moto, &f1.Ed0_kin, &f1.Ed0_nen, &f1.Ed0_tuki, &f1.Ed0_wari, &f1.Edit13,
              &f1.Edit14, &f1.Ed1_yy5, &f1.Ed1_mm5, &f1.Edit1, &f1.Edit6, &f1.Edit2, &f1.Edit4,
              &f1.Edit9, &f1.Ed1_Mzankaisu, &f1.Ed1_Bzankaisu, &f1.Edit5, &f1.Edit10})
            texts.push_back(e->text());
        return texts;
    }

    DrawPlatform platform;
    testing::StartFolder folder;
    App app;
    TForm1& f1 = app.main;
    Grid& monthly = app.cur.StGr1;
    Grid& bonus = app.cur.StGr2;
};

// ---- Rate comparison ----

TEST_F(WhatIf, RateComparisonCoversFortySixRatesWithTheStartRateSetApart) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Button10.click();
    for (Grid* table : {&monthly, &bonus}) {
        const auto rates = column(*table, 4);
        ASSERT_EQ(rates.size(), 46u);
        EXPECT_EQ(rates.front(), "1.075");
        EXPECT_EQ(rates[10], "2.325");
        EXPECT_EQ(rates.back(), "6.7");
    }
    for (Memo* memo : {&f1.RichEdit1, &f1.RichEdit2}) {
        const std::size_t start = find(*memo, "  2.325%");
        ASSERT_LT(start, memo->lines().size());
        EXPECT_EQ(memo->lines()[start - 1], "");
        EXPECT_EQ(memo->lines()[start + 1], "");
        EXPECT_NE(memo->lines()[start - 2], "");
        EXPECT_LT(find(*memo, "0.125％刻みで、当初から最終時点の状況一覧"), start);
        EXPECT_LT(find(*memo, "注意：最終回までの一発処理の場合"), memo->lines().size());
    }
    EXPECT_EQ(
        f1.RichEdit1.lines()[0],
        "Rebanto（月返済）＊＊＊金利の違い比較表＊＊＊  -- by.未記入無名 -- 2026/12/08 --  --");
    // 24,000,000 yen at 1.075 % over the whole term in one step.
    const auto first = rows(monthly).front();
    EXPECT_EQ(first[6], "68590");
    EXPECT_EQ(first[10], "4807863");
    EXPECT_EQ(first[11], "23999937");
    EXPECT_EQ(first[12], "63");
    EXPECT_EQ(first[8], "61");
}

TEST_F(WhatIf, RateComparisonBelowZeroComputesNegativeRates) {
    enter_loan("1200000", "1", "1", "0");
    f1.RadioButton2.click();
    f1.Edit42.set_text("1");
    f1.Button10.click();
    const auto table = rows(monthly);
    ASSERT_EQ(table.size(), 46u);
    EXPECT_EQ(table[0][4], "-0.25");
    EXPECT_EQ(table[2][4], "0");
    // -0.25 %: the annuity and the first month's interest, truncated like any other.
    EXPECT_EQ(table[0][6], "99864");
    EXPECT_EQ(table[0][10], "-249");
    EXPECT_EQ(table[0][12], "1099887");
    EXPECT_EQ(table[2][6], "100000");  // a zero rate repays the principal evenly
    EXPECT_EQ(table[0][0], "1");
    EXPECT_LT(find(f1.RichEdit1, "0.125％刻みで、当初から1ヶ月後の状況一覧"),
              f1.RichEdit1.lines().size());
    EXPECT_EQ(find(f1.RichEdit1, "注意："), f1.RichEdit1.lines().size());
}

// ---- Term comparison ----

TEST_F(WhatIf, TermComparisonRunsFiftyTermsWithTheLoansOwnTermSetApart) {
    enter_loan("1200000", "2.325", "35", "0");
    f1.Button17.click();
    const auto table = rows(monthly);
    ASSERT_EQ(table.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(table[i][0], std::to_string(12 * (i + 1)));
    // One year, the whole term in one step.
    EXPECT_EQ(table[0][6], "101263");
    EXPECT_EQ(table[0][10], "15161");
    EXPECT_EQ(table[0][12], "5");
    const Memo& memo = f1.RichEdit1;
    const std::size_t own = find(memo, "35  0 ");
    EXPECT_EQ(memo.lines()[own - 1], "");
    EXPECT_EQ(memo.lines()[own + 1], "");
    EXPECT_NE(memo.lines()[own + 2], "");
    EXPECT_LT(find(memo, "返済期間１年違い毎の比較"), own);
    EXPECT_EQ(platform.take_log().back(), "beep information");
}

TEST_F(WhatIf, TermComparisonOverTheFirstMonthsOnly) {
    enter_loan("1200000", "2.325", "10", "0");
    f1.RadioButton2.click();
    f1.Button17.click();
    const auto table = rows(monthly);
    ASSERT_EQ(table.size(), 50u);
    EXPECT_EQ(table[1][0], "6");
    EXPECT_EQ(table[1][5], "24");
    EXPECT_EQ(table[1][6], "51219");
    EXPECT_EQ(table[1][10], "12523");
    EXPECT_EQ(table[1][12], "905209");
}

// ---- Course of one loan ----

TEST_F(WhatIf, CourseTableWritesItsSectionsAtEveryStepLength) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Button9.click();
    const Memo& memo = f1.RichEdit1;
    std::size_t at = 0;
    for (const char* section :
         {"当初１ヶ月毎の推移(１年分)", "当初６ヶ月毎の推移(５年分)", "当初１年毎の推移(１０年分)",
          "当初５年毎の推移", "当初10年毎の推移", "最終支払い回／支払利息・元金繰入額合計"}) {
        const std::size_t next = find(memo, section, at);
        EXPECT_LT(next, memo.lines().size()) << section;
        at = next;
    }
    // 12 + 10 + 10 + 7 + 4 + 1 monthly rows; the bonus memo has no monthly section.
    EXPECT_EQ(rows(monthly).size(), 44u);
    EXPECT_EQ(rows(monthly).back()[0], "420");
    EXPECT_EQ(find(f1.RichEdit2, "当初１ヶ月毎"), f1.RichEdit2.lines().size());
    EXPECT_LT(find(f1.RichEdit2, "当初10年毎の推移"), f1.RichEdit2.lines().size());
}

TEST_F(WhatIf, CourseTableWithoutBonusWarnsAndEndsWithTheBonusMemoCleared) {
    enter_loan("1200000", "2.325", "10", "0");
    f1.Button9.click();
    const auto log = platform.take_log();
    EXPECT_EQ(log[0], "beep warning");
    EXPECT_EQ(log[1], "info ﾎﾞｰﾅｽ返済分がありませんので、ﾎﾞｰﾅｽ返済は計算されません。");
    EXPECT_EQ(bonus.row_count(), 2);
    EXPECT_EQ(f1.RichEdit2.lines().size(), 2u);
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet3);
}

// ---- Random rate path ----

TEST_F(WhatIf, RandomPathFollowsTheDrawsAndAZeroMoveKeepsTheRate) {
    enter_loan("30000000", "2.3", "35", "0");
    platform.fix_random(7);
    // First target 3.0 %; moves of 3, 0 and 6 tenths (the last passes the target); then the
    // target 1.2 % and a move of 1 tenth down.
    platform.draws = {0.125, 0.5, 0.0, 0.99, 0.0, 0.2};
    f1.Button13.click();
    EXPECT_EQ(platform.randomized, 1);
    const auto rates = column(monthly, 4);
    ASSERT_EQ(rates.size(), 40u);
    EXPECT_EQ(std::vector<std::string>(rates.begin(), rates.begin() + 5),
              (std::vector<std::string>{"2.3", "2.6", "2.6", "3.2", "3.1"}));
    const Memo& memo = f1.RichEdit1;
    EXPECT_LT(find(memo, "金利は3％を目指します"), find(memo, "金利は1.2％を目指します"));
    EXPECT_EQ(column(monthly, 0).back(), "240");
    EXPECT_EQ(monthly.cell(monthly.row_count() - 1, 13), "K");
    EXPECT_EQ(memo.lines()[0],
              "Rebanto（月返済）＊＊＊ランダム　6ヶ月毎、金利変動ｼﾐｭﾚｰｼｮﾝ＊＊＊  "
              "-- by.未記入無名 -- 2026/12/08 --  --");
}

TEST_F(WhatIf, RandomPathIsReproducibleAndMovesAtMostSixTenths) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Edit36.set_text("35");
    platform.fix_random(42);
    f1.Button13.click();
    const auto first = column(monthly, 4);
    ASSERT_EQ(first.size(), 70u);
    for (std::size_t i = 2; i < first.size(); ++i) {
        const long double move = (to_extended(first[i]) - to_extended(first[i - 1])) * 10;
        EXPECT_LE(move < 0 ? -move : move, 6.00001L) << i;
        EXPECT_GE(to_extended(first[i]), 0.6L) << i;
        EXPECT_LE(to_extended(first[i]), 10.5L) << i;
    }
    platform.fix_random(42);
    f1.Button13.click();
    EXPECT_EQ(column(monthly, 4), first);
    EXPECT_EQ(column(bonus, 4), column(monthly, 4));
}

TEST_F(WhatIf, AnIntervalNotDividingTheYearStopsAfterTheTitles) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Button140.set_tag(5);  // only an edited settings file gives such an interval
    f1.PRset1(f1.Ed0_kin);
    const auto before = basic_texts();
    f1.Button13.click();
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().rfind("error '2.4' は有効な数値ではありません", 0), 0u) << log.back();
    EXPECT_EQ(monthly.row_count(), 2);
    EXPECT_EQ(bonus.row_count(), 2);
    EXPECT_EQ(f1.RichEdit1.lines().size(), 3u);  // title, empty line, band
    EXPECT_EQ(f1.RichEdit2.lines().back(), f1.Ed5_memoobi.text() + "-月回+");
    EXPECT_EQ(basic_texts(), before);
}

// ---- Settings, pages and options ----

TEST_F(WhatIf, EveryTableLeavesTheBasicSettingsAsTheyWere) {
    enter_loan("31000000", "2.5", "30", "25");
    f1.Ed1_mm5.set_text("4");
    for (Button* table : {&f1.Button9, &f1.Button10, &f1.Button17, &f1.Button13}) {
        for (RadioButton* option : {&f1.RadioButton1, &f1.RadioButton2}) {
            option->click();
            const auto before = basic_texts();
            table->click();
            EXPECT_EQ(basic_texts(), before) << table->name() << " " << option->name();
            EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet3);
            f1.memo_page_click(f1.RichEdit1);
            EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet2);
        }
    }
}

TEST_F(WhatIf, APartWithoutPrincipalEndsClearedOnTheOtherMemoPage) {
    enter_loan("3000000", "2.325", "20", "100");
    for (Button* table : {&f1.Button9, &f1.Button10, &f1.Button17, &f1.Button13}) {
        table->click();
        EXPECT_EQ(monthly.row_count(), 2) << table->name();
        EXPECT_EQ(f1.RichEdit1.lines().size(), 2u) << table->name();
        EXPECT_GT(bonus.row_count(), 2) << table->name();
        EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet4) << table->name();
    }
}

TEST_F(WhatIf, MonthFieldGesturesFollowTheOption) {
    EXPECT_TRUE(f1.RadioButton1.checked());
    f1.Label70.click();
    EXPECT_EQ(f1.Edit42.text(), "6") << "withdrawn with 最終回";
    f1.RadioButton2.click();
    EXPECT_TRUE(f1.Edit42.enabled());
    f1.Edit42.click();
    EXPECT_EQ(f1.Edit42.text(), "1");
    f1.Label70.dbl_click();
    EXPECT_EQ(f1.Edit42.text(), "7");
    f1.Label70.right_click();
    EXPECT_EQ(f1.Edit42.text(), "6");
    f1.Edit42.click();
    f1.Label70.right_click();
    EXPECT_EQ(f1.Edit42.text(), "1");
    f1.Edit42.dbl_click();
    EXPECT_EQ(f1.Edit42.text(), "6");
    f1.Ed0_nen.set_text("15");
    f1.Edit36.dbl_click();
    EXPECT_EQ(f1.Edit36.text(), "15");
    f1.RadioButton1.hover();
    EXPECT_EQ(f1.StatusBar1.caption(), f1.RadioButton1.hint());
    f1.RadioButton1.click();
    EXPECT_FALSE(f1.Label70.enabled());
}

// Outside the one-period calculation a field that is no number is named in an error box,
// sound on or off.
TEST_F(WhatIf, AStepOrYearsFieldThatIsNoNumberIsNamed) {
    enter_loan("30000000", "2.325", "35", "20");
    f1.Button86.click();  // sound off
    platform.take_log();
    f1.Edit32.set_text("x");
    f1.Button10.click();
    auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "error 入力欄 Edit32 の「x」は有効な数値ではありません");
    f1.Edit36.set_text("x");
    f1.Button13.click();
    log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find("Edit36"), std::string::npos) << log.back();
}

}  // namespace
}  // namespace rebanto
