// The digit unit of the quick-entry gestures and the hints that describe it.
#include "app_fixture.h"

namespace rebanto {
namespace {

using testing::AppTest;

TEST_F(AppTest, InitialStepsAreAMillionYenAndATenthOfAPercent) {
    EXPECT_EQ(f1.AmountStep, Money::from_yen(1'000'000));
    EXPECT_EQ(f1.Label18.hint(),
              "（クリックで0.1％増加）　（右クリックで0.1％減少）　（ダブルクリックで0.5％増加）");
    // "%13m": "\1,000,000" is 10 characters, padded by 3 spaces.
    EXPECT_EQ(f1.Label19.hint(),
              "（クリックで   \\1,000,000円増加）　（右クリックで   \\1,000,000円減少）　"
              "（ダブルクリックで   \\5,000,000円増加）");
    EXPECT_EQ(f1.Label4.hint(), f1.Label19.hint());
    EXPECT_EQ(f1.Label192.hint(), f1.Label19.hint());
    EXPECT_EQ(f1.Label1.hint(), f1.Label18.hint());
}

TEST_F(AppTest, AFixedDigitSetsBothSteps) {
    f1.Kta5.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(100'000));
    EXPECT_EQ(
        f1.Label1.hint(),
        "（クリックで0.01％増加）　（右クリックで0.01％減少）　（ダブルクリックで0.05％増加）");
    EXPECT_EQ(f1.Label4.hint(),
              "（クリックで     \\100,000円増加）　（右クリックで     \\100,000円減少）　"
              "（ダブルクリックで     \\500,000円増加）");
    f1.Kta9.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(1'000'000'000));
    EXPECT_EQ(f1.Label18.hint(),
              "（クリックで100％増加）　（右クリックで100％減少）　（ダブルクリックで500％増加）");
}

TEST_F(AppTest, DownAndUpMoveOneDigitAndPrintCleanly) {
    f1.KtaD.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(100'000));
    EXPECT_EQ(
        f1.Label18.hint(),
        "（クリックで0.01％増加）　（右クリックで0.01％減少）　（ダブルクリックで0.05％増加）");
    f1.KtaU.click();
    f1.KtaU.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(10'000'000));
    EXPECT_EQ(f1.Label18.hint(),
              "（クリックで1％増加）　（右クリックで1％減少）　（ダブルクリックで5％増加）");
}

TEST_F(AppTest, DownStopsAtOneYenAndTheSmallestRate) {
    f1.Kta0.click();
    f1.KtaD.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(1));
    EXPECT_EQ(
        f1.Label18.hint(),
        "（クリックで1E-7％増加）　（右クリックで1E-7％減少）　（ダブルクリックで5E-7％増加）");
    EXPECT_EQ(f1.Label19.hint(),
              "（クリックで           \\1円増加）　（右クリックで           \\1円減少）　"
              "（ダブルクリックで           \\5円増加）");
}

TEST_F(AppTest, UpStopsAtATenthOfTheLimits) {
    f1.Kta9.click();
    f1.KtaU.click();
    f1.KtaU.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(1'000'000'000));
    EXPECT_EQ(f1.Label18.hint(),
              "（クリックで100％増加）　（右クリックで100％減少）　（ダブルクリックで500％増加）");
}

TEST_F(AppTest, WalkingDownFromTheTopReachesTheBottomInNineSteps) {
    f1.Kta9.click();
    for (int i = 0; i < 9; ++i)
        f1.KtaD.click();
    EXPECT_EQ(f1.AmountStep, Money::from_yen(1));
    const std::string at_bottom = f1.Label18.hint();
    f1.Kta0.click();
    EXPECT_EQ(f1.Label18.hint(), at_bottom) << "no drift from repeated division";
}

}  // namespace
}  // namespace rebanto
