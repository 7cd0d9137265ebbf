// Quick-entry gestures: clicks, right clicks and double clicks on the labels and fields
// of the basic settings, the step fields and the step length. Each gesture writes its
// field like typing would, so the calculation runs after it (checked through Edit4/Edit9:
// 1,000,000 yen over 120 months gives 9,347 at 2.325 %, 9,392 at 2.425 %, 9,370 at
// 2.375 %, 9,564 at 2.80 %; 1,000,000 yen over 20 half-year payments at 2.325 % gives
// 56,326; instalments cut down to the yen).
#include <algorithm>
#include <string>

#include "app_fixture.h"
#include "core/field_io.h"

namespace rebanto {
namespace {

bool beeped(const std::vector<std::string>& log) {
    return std::find(log.begin(), log.end(), "beep warning") != log.end();
}

class BasicSettingGestures : public testing::AppTest {};

TEST_F(BasicSettingGestures, PrincipalPresetsSplitTheLoan) {
    f1.Ed0_moto.set_text("3000000");
    f1.Ed0_wari.set_text("20");
    f1.Label8.click();
    EXPECT_EQ(f1.Ed0_moto.text(), "1000000");
    EXPECT_EQ(f1.Ed0_wari.text(), "0");
    EXPECT_EQ(f1.Edit6.text(), "0");
    f1.Label8.dbl_click();
    EXPECT_EQ(f1.Ed0_moto.text(), "2000000");
    EXPECT_EQ(f1.Ed0_wari.text(), "50");
    EXPECT_EQ(f1.Edit1.text(), "1000000");
    EXPECT_EQ(f1.Edit6.text(), "1000000");
    EXPECT_EQ(f1.Edit9.text(), "56326");
}

TEST_F(BasicSettingGestures, PrincipalMovesByTheAmountStep) {
    f1.Label19.click();
    EXPECT_EQ(f1.Ed0_moto.text(), "2000000");
    f1.Label19.right_click();
    EXPECT_EQ(f1.Ed0_moto.text(), "1000000");
    f1.Label19.right_click();
    EXPECT_EQ(f1.Ed0_moto.text(), "1000000") << "not above the step: left alone";
    f1.Label19.dbl_click();
    EXPECT_EQ(f1.Ed0_moto.text(), "6000000") << "click and four more steps";
    f1.Kta5.click();
    f1.Label19.click();
    EXPECT_EQ(f1.Ed0_moto.text(), "6100000");
}

TEST_F(BasicSettingGestures, RatePresetsAndStepsRecomputeTheInstalment) {
    f1.Label17.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.375");
    EXPECT_EQ(f1.Edit4.text(), "9370");
    f1.Label17.dbl_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.80");
    EXPECT_EQ(f1.Edit2.text(), "2.80");
    EXPECT_EQ(f1.Edit4.text(), "9564");

    f1.Ed0_kin.set_text("2.325");
    f1.Label18.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.425");
    EXPECT_EQ(f1.Edit4.text(), "9392");
    f1.Label18.dbl_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.925");
    f1.Label18.right_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.825");
    f1.KtaD.click();
    f1.Label18.right_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.815");
}

TEST_F(BasicSettingGestures, TermPresetsAndSteps) {
    f1.Label21.click();
    EXPECT_EQ(f1.Ed0_nen.text(), "30");
    EXPECT_EQ(f1.Ed1_Mzankaisu.text(), "360");
    f1.Label21.right_click();
    EXPECT_EQ(f1.Ed0_nen.text(), "25");
    f1.Label21.dbl_click();
    EXPECT_EQ(f1.Ed0_nen.text(), "35");

    f1.Ed0_nen.set_text("10");
    f1.Ed0_tuki.set_text("3");
    f1.Label22.click();
    EXPECT_EQ(f1.Ed0_nen.text(), "11");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
    f1.Label22.dbl_click();
    EXPECT_EQ(f1.Ed0_nen.text(), "16");
    f1.Label22.right_click();
    EXPECT_EQ(f1.Ed0_nen.text(), "15");

    f1.Label23.right_click();  // borrows a year
    EXPECT_EQ(f1.Ed0_nen.text(), "14");
    EXPECT_EQ(f1.Ed0_tuki.text(), "11");
    f1.Label23.click();
    EXPECT_EQ(f1.Ed0_nen.text(), "15");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
    f1.Label23.dbl_click();
    EXPECT_EQ(f1.Ed0_tuki.text(), "6");
    EXPECT_EQ(f1.TotalMonths, 186);
}

TEST_F(BasicSettingGestures, BonusShareAndTheFieldsOwnDoubleClicks) {
    f1.Label9.dbl_click();
    EXPECT_EQ(f1.Ed0_wari.text(), "50");
    f1.Label9.click();
    EXPECT_EQ(f1.Ed0_wari.text(), "0");
    f1.Ed0_wari.set_text("95");
    f1.Label10.click();
    EXPECT_EQ(f1.Ed0_wari.text(), "100");
    f1.Label10.right_click();
    EXPECT_EQ(f1.Ed0_wari.text(), "90");

    f1.Ed0_wari.set_text("0");
    f1.Ed0_wari.dbl_click();
    EXPECT_EQ(f1.Edit1.text(), "0");
    EXPECT_EQ(f1.Edit6.text(), "1000000");
    f1.Ed0_nen.set_text("25");
    f1.Ed0_tuki.set_text("3");
    f1.Ed0_nen.dbl_click();
    EXPECT_EQ(f1.TotalMonths, 120);
    platform.take_log();
    f1.Ed0_tuki.dbl_click();
    EXPECT_EQ(f1.Ed0_nen.text(), "0");
    EXPECT_EQ(f1.Ed0_tuki.text(), "6");
    EXPECT_FALSE(beeped(platform.take_log())) << "never passes through an empty term";
    EXPECT_TRUE(f1.Button1.enabled());
}

class BasicSettingLimits : public testing::AppTest {};

TEST_F(BasicSettingLimits, LowerBoundsLeaveTheValue) {
    f1.Ed0_kin.set_text("0.1");
    f1.Label18.right_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "0.1");
    // The same step reached from a hundredth lands a hair below the typed 0.1.
    f1.Kta5.click();
    f1.KtaU.click();
    f1.Label18.right_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "0.1");

    f1.Ed0_wari.set_text("5");
    f1.Label10.right_click();
    EXPECT_EQ(f1.Ed0_wari.text(), "5");

    f1.Ed0_nen.set_text("1");  // 12 months: not above a year
    f1.Label21.right_click();
    f1.Label22.right_click();
    EXPECT_EQ(f1.Ed0_nen.text(), "1");
    f1.Ed0_nen.set_text("0");
    f1.Ed0_tuki.set_text("1");
    f1.Label23.right_click();
    EXPECT_EQ(f1.Ed0_tuki.text(), "1");
}

TEST_F(BasicSettingLimits, FiveHundredYearsOrMoreBecomeOneYear) {
    f1.Ed0_nen.set_text("498");
    f1.Label22.click();
    EXPECT_EQ(f1.Ed0_nen.text(), "499");
    f1.Label22.click();
    EXPECT_EQ(f1.Ed0_nen.text(), "1");
    f1.Ed0_nen.set_text("499");
    f1.Ed0_tuki.set_text("11");
    f1.Label23.click();
    EXPECT_EQ(f1.Ed0_nen.text(), "1");
    EXPECT_EQ(f1.Ed0_tuki.text(), "0");
    EXPECT_EQ(f1.TotalMonths, 12);
}

TEST_F(BasicSettingLimits, AFieldThatIsNotANumberStopsWithABeep) {
    f1.Ed0_moto.set_text("abc");
    platform.take_log();
    f1.Label19.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    EXPECT_EQ(f1.Ed0_moto.text(), "abc");
}

class StepFieldGestures : public testing::AppTest {};

TEST_F(StepFieldGestures, PrincipalAndRateOfTheStep) {
    f1.Label4.click();
    EXPECT_EQ(f1.Edit1.text(), "2000000");
    EXPECT_EQ(f1.Ed0_moto.text(), "2000000");
    f1.Label4.dbl_click();
    EXPECT_EQ(f1.Edit1.text(), "7000000");
    f1.Label4.right_click();
    EXPECT_EQ(f1.Edit1.text(), "6000000");

    f1.Label8.click();
    f1.Label1.click();
    EXPECT_EQ(f1.Edit2.text(), "2.425");
    EXPECT_EQ(f1.Edit4.text(), "9392");
    f1.Label1.right_click();
    EXPECT_EQ(f1.Edit2.text(), "2.325");
    f1.Label1.dbl_click();
    EXPECT_EQ(f1.Edit2.text(), "2.825");
}

TEST_F(StepFieldGestures, InstalmentMovesByOneYenAndIsKept) {
    f1.Label3.click();
    EXPECT_EQ(f1.Edit4.text(), "9348") << "a typed instalment is not recomputed";
    f1.Label3.right_click();
    f1.Label3.right_click();
    EXPECT_EQ(f1.Edit4.text(), "9346");
    f1.Label3.dbl_click();
    EXPECT_EQ(f1.Edit4.text(), "9347") << "only the click of a double click counts";
}

class PrincipalSplitGestures : public testing::AppTest {
protected:
    // 3,000,000 yen with 1,234,567 of it in the bonus part.
    void SetUp() override {
        f1.Ed0_moto.set_text("3000000");
        f1.Edit6.set_text("1234567");
        f1.Edit1.set_text("1765433");
    }
};

TEST_F(PrincipalSplitGestures, ClickCutsTheBonusPartToHalfMillions) {
    f1.Label185.click();
    EXPECT_EQ(f1.Edit6.text(), "1000000");
    EXPECT_EQ(f1.Edit1.text(), "2000000");
    EXPECT_EQ(f1.Ed0_moto.text(), "3000000");
}

TEST_F(PrincipalSplitGestures, RightClickAndDoubleClickMoveHalfAMillion) {
    f1.Label185.dbl_click();  // cut to 1,000,000, then half a million more
    EXPECT_EQ(f1.Edit6.text(), "1500000");
    EXPECT_EQ(f1.Edit1.text(), "1500000");
    f1.Label185.right_click();
    f1.Label185.right_click();
    f1.Label185.right_click();
    EXPECT_EQ(f1.Edit6.text(), "0");
    EXPECT_EQ(f1.Edit1.text(), "3000000");
    EXPECT_EQ(f1.Ed0_moto.text(), "3000000");
}

TEST_F(PrincipalSplitGestures, BonusPartNeverOutgrowsTheTotal) {
    f1.Ed0_moto.set_text("1200000");
    f1.Edit6.set_text("1000000");
    f1.Edit1.set_text("200000");
    f1.Label185.dbl_click();
    EXPECT_EQ(f1.Edit6.text(), "1000000");
    EXPECT_EQ(f1.Edit1.text(), "200000");
}

TEST_F(PrincipalSplitGestures, AfterACommitTheOwedTotalIsKept) {
    f1.Button1.click();
    const Money owed = money(f1.Edit1) + money(f1.Edit6);
    ASSERT_LT(owed, Money::from_yen(3'000'000));
    f1.Label185.click();
    EXPECT_EQ(f1.Edit6.text(), "1000000");
    EXPECT_EQ(money(f1.Edit1) + money(f1.Edit6), owed);
}

class StepGestures : public testing::AppTest {};  // term 10 years, step 6 months

TEST_F(StepGestures, YearsOfTheStep) {
    f1.Label24.click();
    EXPECT_EQ(f1.StepMonths, 18);
    EXPECT_EQ(f1.Edit13.text(), "18");
    EXPECT_EQ(f1.Label25.tag(), 18);
    f1.Label24.right_click();
    EXPECT_EQ(f1.StepMonths, 6);
    f1.Label24.dbl_click();
    EXPECT_EQ(f1.StepMonths, 66) << "five years in all";
    f1.Label25.click();
    EXPECT_EQ(f1.StepMonths, 12);
    EXPECT_EQ(f1.Label25.tag(), 12);
    f1.Label24.right_click();
    EXPECT_EQ(f1.StepMonths, 12) << "a one-year step keeps its year";
}

TEST_F(StepGestures, YearStepsNearTheTermJumpToTheWholeTerm) {
    f1.Ed1_yy5.set_text("7");
    f1.Label24.click();  // 8 years 6 months: the term is more than a year beyond
    EXPECT_EQ(f1.StepMonths, 102);
    platform.take_log();
    f1.Label24.click();
    EXPECT_EQ(f1.Ed1_yy5.text(), "10");
    EXPECT_EQ(f1.Ed1_mm5.text(), "0");
    EXPECT_EQ(f1.StepMonths, 120);
    EXPECT_TRUE(f1.Button1.enabled());
    EXPECT_FALSE(beeped(platform.take_log()));

    f1.Ed1_mm5.dbl_click();
    EXPECT_EQ(f1.StepMonths, 12);
    f1.Label16.dbl_click();  // 6 years: within five of the term
    EXPECT_EQ(f1.StepMonths, 120);
    f1.Ed0_nen.set_text("35");
    f1.Ed1_mm5.dbl_click();
    f1.Label16.dbl_click();
    EXPECT_EQ(f1.StepMonths, 72);
    f1.Label11.dbl_click();  // 16 years: the term is more than ten beyond
    EXPECT_EQ(f1.StepMonths, 192);
    f1.Label11.dbl_click();
    EXPECT_EQ(f1.StepMonths, 420);
    f1.Ed1_mm5.dbl_click();
    f1.Ed1_yy5.dbl_click();
    EXPECT_EQ(f1.StepMonths, 420);
}

TEST_F(StepGestures, MonthsOfTheStep) {
    f1.Label31.click();
    EXPECT_EQ(f1.StepMonths, 7);
    f1.Label31.right_click();
    f1.Label31.right_click();
    EXPECT_EQ(f1.StepMonths, 5);
    f1.Label25.click();
    f1.Label31.right_click();  // borrows from the year
    EXPECT_EQ(f1.Ed1_yy5.text(), "0");
    EXPECT_EQ(f1.Ed1_mm5.text(), "11");
    f1.Edit13.dbl_click();
    EXPECT_EQ(f1.StepMonths, 1);
    EXPECT_EQ(f1.Edit14.text(), "0");
    EXPECT_EQ(f1.Label214.font_color(), Color::Red);
    f1.Label31.right_click();
    EXPECT_EQ(f1.StepMonths, 1);

    f1.Ed0_nen.set_text("2");
    f1.Ed1_yy5.set_text("1");
    f1.Ed1_mm5.set_text("11");
    f1.Label31.click();
    EXPECT_EQ(f1.StepMonths, 24);
    f1.Label31.click();  // past the term: the whole term
    EXPECT_EQ(f1.StepMonths, 24);
    EXPECT_TRUE(f1.Button1.enabled());
}

TEST_F(StepGestures, BonusIntervalsOfTheStep) {
    f1.Label32.click();
    EXPECT_EQ(f1.StepMonths, 12);
    EXPECT_EQ(f1.Edit14.text(), "2");
    f1.Edit14.dbl_click();
    EXPECT_EQ(f1.StepMonths, 6);
    EXPECT_EQ(f1.Edit13.text(), "6");
    EXPECT_EQ(f1.Label25.tag(), 6);
    f1.Label32.right_click();
    EXPECT_EQ(f1.StepMonths, 6) << "one interval is the least";
    f1.Ed1_mm5.set_text("9");
    f1.Label32.right_click();
    EXPECT_EQ(f1.StepMonths, 6);
    f1.Ed1_yy5.set_text("1");
    f1.Ed1_mm5.set_text("3");
    f1.Label32.right_click();  // borrows from the year
    EXPECT_EQ(f1.StepMonths, 9);

    f1.Ed0_nen.set_text("1");
    f1.Ed1_yy5.set_text("0");
    f1.Ed1_mm5.set_text("9");
    f1.Label32.click();  // 15 months in a 12-month term
    EXPECT_EQ(f1.StepMonths, 12);
}

}  // namespace
}  // namespace rebanto
