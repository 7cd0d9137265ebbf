// Inputs the calculation cannot read are named for the status bar, and the results they
// leave behind are known, so that the window can mark both.
#include "core/input_check.h"

#include <algorithm>

#include "app_fixture.h"

namespace rebanto::testing {
namespace {

class InputCheckTest : public AppTest {
protected:
    std::vector<BadInput> bad() const { return bad_inputs(calculation_inputs(f1)); }
};

TEST_F(InputCheckTest, FreshStartHasNoBadInput) {
    EXPECT_TRUE(bad().empty());
    EXPECT_EQ(bad_input_status(bad()), "");
}

TEST_F(InputCheckTest, RateThatDoesNotReadIsNamedWithItsTextAndTheResultsStay) {
    f1.Ed0_moto.set_text("30000000");
    f1.Ed0_kin.set_text("2");
    const std::string instalment = f1.Edit4.text();
    f1.Ed0_kin.set_text("2..5");
    const auto found = bad();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].field, &f1.Ed0_kin);
    EXPECT_EQ(bad_input_status(found),
              "入力エラー：ｽﾀｰﾄ年金利の「2..5」は数値として読めません。"
              "直すまで計算結果は前のままです（灰色表示）");
    // The calculation stopped: the figures are still those for 2 %, which is why they show
    // as stale.
    EXPECT_EQ(f1.Edit4.text(), instalment);
    const auto results = calculation_results(f1);
    EXPECT_NE(std::find(results.begin(), results.end(), &f1.Edit4), results.end());
    f1.Ed0_kin.set_text("2.5");
    EXPECT_TRUE(bad().empty());
}

TEST_F(InputCheckTest, EmptyPrincipalIsNamedButAnEmptyShareIsNot) {
    f1.Ed0_wari.set_text("");
    EXPECT_TRUE(bad().empty());
    f1.Ed0_moto.set_text("");
    const auto found = bad();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(bad_input_status(found),
              "入力エラー：ｽﾀｰﾄ総元金が空欄です。直すまで計算結果は前のままです（灰色表示）");
}

TEST_F(InputCheckTest, SeveralBadFieldsNameTheFirstAndCountTheOthers) {
    f1.Ed0_moto.set_text("3,000万");
    f1.Ed0_nen.set_text("35年");
    f1.Edit2.set_text("x");
    const auto found = bad();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].field, &f1.Ed0_moto);
    EXPECT_EQ(found[1].field, &f1.Ed0_nen);
    EXPECT_EQ(found[2].field, &f1.Edit2);
    EXPECT_EQ(bad_input_status(found),
              "入力エラー：ｽﾀｰﾄ総元金の「3,000万」は数値として読めません（ほか2欄）。"
              "直すまで計算結果は前のままです（灰色表示）");
}

}  // namespace
}  // namespace rebanto::testing
