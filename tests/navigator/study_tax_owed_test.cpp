// The study window's credit within the tax the borrower owes: the typical loan's year-end
// balances, each year's maximum (1 % under "13年7月～15年末", 0.7 % since 2022) held down by
// the figures of the tax panel, worked out again as a figure changes.
#include "calculators/tax_owed.h"
#include "navigator_fixture.h"

namespace rebanto::testing {
namespace {

class StudyTaxOwed : public NavigatorTest {
protected:
    TForm10& study = app.study_navigator;

    // The typical loan's year ends under a regime, the maximum worked out.
    void analyse(RadioButton* classic, int later_index = 0) {
        run_typical_loan(6);
        study.Button24.click();
        if (later_index > 0) {
            study.ComboBox2.set_item_index(later_index);
        } else {
            classic->click();
        }
        study.Button25.click();
        study.Button26.click();
        platform.take_log();
    }
    long long balance(int year) const {
        return std::stoll(study.StringGrid2.cell(year + 1, tax_credit::kTotalBalance));
    }
    long long credit(int year) const {
        return std::stoll(study.StringGrid2.cell(year + 1, tax_credit::kCredit));
    }
    long long total() const { return std::stoll(study.Edit1.text()); }
};

TEST_F(StudyTaxOwed, TheIncomeTaxAndNinetySevenThousandFiveHundredYenOfResidentTaxHoldEachYear) {
    analyse(&study.RadioButton4);  // 1 % for ten years
    long long maxima = 0;
    for (int year = 1; year <= 10; ++year)
        maxima += balance(year) / 100;
    ASSERT_EQ(total(), maxima);
    ASSERT_GT(balance(1) / 100, 247'500);  // year 1 needs more than the taxes give

    study.EdSyotokuzei.set_text("150000");  // worked out again at once
    // Each year: at most 150,000 of income tax + 97,500 of resident tax = 247,500 yen.
    long long within = 0;
    for (int year = 1; year <= 10; ++year) {
        const long long expected = std::min(balance(year) / 100, 247'500LL);
        EXPECT_EQ(credit(year), expected) << year;
        within += expected;
    }
    EXPECT_EQ(credit(11), 0);
    EXPECT_EQ(total(), within);
    EXPECT_LT(total(), maxima);
    EXPECT_EQ(study.GridZeigaku.cell(1, 2), "150000");
    EXPECT_EQ(study.GridZeigaku.cell(1, 3), "97500");
    EXPECT_EQ(study.GridZeigaku.cell(1, 4), "住民税上限97,500円");
    EXPECT_EQ(study.GridZeigaku.cell(11, 4), "");  // no credit in year 11
    EXPECT_EQ(study.LabelJougen.caption().rfind("上限：1", 0), 0u);
    // The figures are the credit itself now, no longer its maximum.
    EXPECT_EQ(study.Label39.caption(), "控除額合計");
    EXPECT_EQ(study.StringGrid2.cell(1, tax_credit::kCredit), "");
    const auto csv = study.csv_lines();
    EXPECT_NE(csv[0].find("--控除額合計＝" + std::to_string(within) + "円"), std::string::npos);
    EXPECT_EQ(csv[3], ",１千万,２千万,３千万,５千万,,年末残,表,年末残,表,合計,,用");

    study.EdSyotokuzei.set_text("");  // back to the maximum, labelled as such
    EXPECT_EQ(total(), maxima);
    EXPECT_EQ(study.Label39.caption(), "最大控除額合計");
    EXPECT_EQ(study.StringGrid2.cell(1, tax_credit::kCredit), "最高額");
    EXPECT_EQ(study.GridZeigaku.cell(1, 4), "");
    EXPECT_EQ(study.csv_lines()[3],
              ",１千万,２千万,３千万,５千万,,年末残,表,年末残,表,合計,最高額,用");
}

TEST_F(StudyTaxOwed, AnIncomeOverTheLimitLeavesNoCredit) {
    analyse(&study.RadioButton4);
    const long long maxima = total();
    study.EdSyotoku.set_text("30000000");  // entrants up to 2021: 30,000,000 at most
    EXPECT_EQ(total(), maxima);
    study.EdSyotoku.set_text("30000001");
    EXPECT_EQ(total(), 0);
    EXPECT_EQ(credit(1), 0);
    EXPECT_EQ(study.LabelJougen.caption(), "上限：1～10年目 所得要件超過");
}

TEST_F(StudyTaxOwed, SinceTwentyTwentyTwoTheLimitIsTwentyMillionAndTenForASmallHome) {
    // "R8～12年入居 新築 認定住宅 13年": 0.7 % of up to 45,000,000 yen for 13 years.
    analyse(nullptr, 14);
    ASSERT_EQ(study.ComboBox2.text(), "R8～12年入居 新築 認定住宅 13年");
    const long long maxima = total();
    EXPECT_EQ(credit(1), balance(1) * 7 / 1000);
    study.EdSyotoku.set_text("20000000");
    EXPECT_EQ(total(), maxima);
    study.EdSyotoku.set_text("20000001");
    EXPECT_EQ(total(), 0);
    study.EdSyotoku.set_text("10000001");
    EXPECT_EQ(total(), maxima);
    study.RadioMenseki40.click();  // 40㎡以上50㎡未満: 10,000,000 at most
    EXPECT_EQ(total(), 0);
    study.EdSyotoku.set_text("10000000");
    EXPECT_EQ(total(), maxima);
}

TEST_F(StudyTaxOwed, AFigureThatDoesNotReadIsNamedAndTheMaximumStays) {
    analyse(&study.RadioButton4);
    const long long maxima = total();
    study.EdSyotokuzei.set_text("150000");
    ASSERT_LT(total(), maxima);
    study.EdSyotokuzei.set_text("15O000");
    EXPECT_EQ(total(), maxima);
    EXPECT_EQ(study.Label39.caption(), "最大控除額合計");
    EXPECT_EQ(study.LabelJougen.caption(),
              "入力エラー：所得税額の「15O000」は数値として読めません。控除額は最高額のままです");
    study.EdSyotokuzei.set_text("-150000");
    EXPECT_EQ(total(), maxima);
    EXPECT_EQ(study.LabelJougen.caption(),
              "入力エラー：所得税額の「-150000」は負の数です。控除額は最高額のままです");
    EXPECT_TRUE(platform.take_log().empty());  // no box, no beep: the panel says it
    EXPECT_FALSE(study.tax_owed().has_value());
}

TEST_F(StudyTaxOwed, AnalysingAgainClearsTheCreditsWithinTheTax) {
    analyse(&study.RadioButton4);
    study.EdSyotokuzei.set_text("150000");
    ASSERT_EQ(study.Label39.caption(), "控除額合計");
    study.Button25.click();
    EXPECT_EQ(study.GridZeigaku.cell(1, 2), "");
    EXPECT_EQ(study.Label39.caption(), "最大控除額合計");
    EXPECT_EQ(study.LabelJougen.caption(), "控除計算で税額による上限を適用します");
}

TEST_F(StudyTaxOwed, TheCreditComesOffTheInterestOfTheStateItIsTakenTo) {
    study.Edit1.set_text("300000");   // the credit
    study.Edit3.set_text("1000000");  // base: monthly and bonus interest
    study.Edit4.set_text("200000");
    study.Edit7.set_text("900000");  // new: monthly and bonus interest, and their total
    study.Edit8.set_text("150000");
    study.Edit9.set_text("1050000");
    study.Button27.click();
    EXPECT_EQ(study.Edit2.text(), "900000");  // 1,000,000 + 200,000 - 300,000
    EXPECT_EQ(study.Edit9.text(), "1050000");
    EXPECT_EQ(study.Edit12.text(), "150000");  // new 1,050,000 - base 900,000
    EXPECT_EQ(study.Label31.caption(), "\\300,000");
    EXPECT_TRUE(study.Label31.visible());

    study.Button28.click();
    EXPECT_EQ(study.Edit9.text(), "750000");  // 900,000 + 150,000 - 300,000
    EXPECT_EQ(study.Edit2.text(), "900000");
    EXPECT_EQ(study.Edit12.text(), "-150000");  // 750,000 - 900,000
    EXPECT_EQ(study.Label32.caption(), "\\300,000");
    EXPECT_TRUE(study.Label32.visible());
}

}  // namespace
}  // namespace rebanto::testing
