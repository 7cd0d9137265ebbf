// Typed inputs the calculation must survive: a limit written back into a field does not
// start the calculation again underneath itself, and a bonus share that is no share of
// the loan is refused like any text that is not a number.
#include "app_fixture.h"

namespace rebanto {
namespace {

using testing::AppTest;

// 150 % of 30,000,000 would make the bonus part 45,000,000 and the monthly part
// 30,000,000 − 45,000,000 = −15,000,000.
TEST_F(AppTest, ABonusShareBeyondTheWholeLoanIsRefusedAndChangesNothing) {
    f1.Ed0_moto.set_text("30000000");
    f1.Ed0_wari.set_text("20");
    ASSERT_EQ(f1.Edit6.text(), "6000000");
    ASSERT_EQ(f1.Edit1.text(), "24000000");
    const std::string instalment = f1.Edit4.text();
    for (const char* share : {"150", "-5", "100.001", "30000000"}) {
        platform.take_log();
        f1.Ed0_wari.set_text(share);
        EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"}) << share;
        EXPECT_EQ(f1.Edit6.text(), "6000000") << share;
        EXPECT_EQ(f1.Edit1.text(), "24000000") << share;
        EXPECT_EQ(f1.Edit4.text(), instalment) << share;
        EXPECT_EQ(f1.Ed0_moto.tag(), 0) << "the calculation is free again";
    }
    // The whole loan as bonus part is still a share.
    f1.Ed0_wari.set_text("100");
    EXPECT_EQ(f1.Edit6.text(), "30000000");
    EXPECT_EQ(f1.Edit1.text(), "0");
}

// The bonus principal capped at 10,000,000,000 beside a monthly principal of
// −5,000,000,000: the pair sums to 5,000,000,000, inside the limit, so one cap is all.
// Before, every cap re-ran the calculation, whose pair rule raised the bonus part above
// the cap again, without end.
TEST_F(AppTest, ACappedPrincipalDoesNotRunTheCalculationAgainUnderneathItself) {
    f1.Edit1.set_text("-5000000000");
    platform.take_log();
    f1.Edit6.set_text("20000000000");
    EXPECT_EQ(f1.Edit6.text(), "10000000000");
    EXPECT_EQ(f1.Edit1.text(), "-5000000000");
    EXPECT_EQ(f1.Ed0_moto.text(), "5000000000");
    EXPECT_EQ(f1.Edit106.text(), "10000000000");
    EXPECT_EQ(f1.Ed0_moto.tag(), 0);
}

// The sequence a random session found: a share of thirty million percent, a term that is
// no number, then the add-on conversion, which drives the calculation itself.
TEST_F(AppTest, AHugeShareFollowedByTheAddOnConversionEndsInBeepsOnly) {
    f1.Ed0_wari.set_text("30000000");
    f1.Ed0_tuki.set_text("x");
    f1.Button61.click();
    app.addon_dialog.OKBtn.click();
    for (const std::string& event : platform.take_log())
        EXPECT_TRUE(event.starts_with("beep ")) << event;
    EXPECT_EQ(f1.Ed0_moto.tag(), 0);
}

}  // namespace
}  // namespace rebanto
