// A search that cannot succeed: a target out of the input's reach, or a field that is no
// number. Either way it ends with a message, and no field is left half-moved.
#include "calculator_fixture.h"

namespace rebanto {
namespace {

using testing::CalculatorTest;

class SearchFailure : public CalculatorTest {};

TEST_F(SearchFailure, AnInstalmentAboveWhatTheTopPrincipalPaysIsOutOfReach) {
    loan("10000000", "2.325", "10");
    const auto before = inputs();
    // 1,000,000,000 yen pays 9,347,622 a month over ten years.
    EXPECT_EQ(search(f1.RBut_mot, f1.RBut_Km, "20000000"), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before);
}

TEST_F(SearchFailure, ATargetOfZeroIsBelowEveryPrincipal) {
    loan("10000000", "2.325", "10", "20");
    const auto before = inputs();
    EXPECT_EQ(search(f1.RBut_Mm, f1.RBut_Km, "0"), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before);
}

TEST_F(SearchFailure, NoRateGivesAnInstalmentBelowThePrincipalSpreadOverTheTerm) {
    // Even at no interest 10,000,000 over 120 months is 83,333 a month.
    loan("10000000", "2.325", "10");
    const auto before = inputs();
    EXPECT_EQ(search(f1.RBut_kin, f1.RBut_Km, "50000"), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before);
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325");
}

TEST_F(SearchFailure, AnInterestAboveWhatEvenTheSmallestInstalmentLeavesIsOutOfReach) {
    // An instalment of 1 yen leaves almost all the interest unpaid; the last interest of
    // the step still stays near 19,400 yen, far below 1,000,000.
    loan("10000000", "2.325", "10");
    f1.Edit4.set_text("95000");
    const auto before = inputs();
    EXPECT_EQ(search(f1.RBut_Hm, f1.RBut_Rm, "1000000"), std::vector<std::string>{kOutOfReach});
    EXPECT_EQ(inputs(), before);
    EXPECT_EQ(f1.Edit4.text(), "95000") << "the typed instalment is back";
}

TEST_F(SearchFailure, ATargetThatIsNoNumberStopsBeforeAnythingMoves) {
    loan("10000000", "2.325", "10");
    const auto before = inputs();
    const Money step = f1.AmountStep;
    EXPECT_EQ(search(f1.RBut_mot, f1.RBut_Km, "7万"),
              std::vector<std::string>{"error 入力欄 Edit3 の「7万」は有効な数値ではありません"});
    EXPECT_EQ(inputs(), before);
    EXPECT_EQ(f1.AmountStep, step);
    EXPECT_EQ(platform.repaints(), 0);
}

TEST_F(SearchFailure, AFieldTheCalculationReadsThatIsNoNumberIsNamed) {
    loan("10000000", "2.325", "10");
    f1.Button93.click();
    f1.Ed1_Mzankaisu.set_text("1２0");
    const std::string principal = f1.Ed0_moto.text();
    f1.Edit3.set_text("70000");
    platform.take_log();
    f1.Button73.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{
                  "error 入力欄 Ed1_Mzankaisu の「1２0」は有効な数値ではありません"});
    EXPECT_EQ(f1.Ed0_moto.text(), principal);
}

TEST_F(SearchFailure, AHugeTargetIsNamedAsWell) {
    loan("10000000", "2.325", "10");
    const auto before = inputs();
    EXPECT_EQ(search(f1.RBut_mot, f1.RBut_Km, "9e999"),
              std::vector<std::string>{"error 入力欄 Edit3 の「9e999」は有効な数値ではありません"});
    EXPECT_EQ(inputs(), before);
}

}  // namespace
}  // namespace rebanto
