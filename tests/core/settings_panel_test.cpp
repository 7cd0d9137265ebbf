// The calculation settings: rounding modes, accrual unit, repayment method, the panel.
#include "app_fixture.h"

namespace rebanto {
namespace {

using testing::AppTest;

TEST_F(AppTest, InitialSettingsAreTruncationAndAHundredYenUnit) {
    EXPECT_EQ(f1.HRh.tag(), 0);
    EXPECT_EQ(f1.HRr.tag(), 0);
    EXPECT_EQ(f1.FuriR.tag(), 100);
    EXPECT_EQ(f1.HRh.color(), Color::Red);
    EXPECT_EQ(f1.HRr.color(), Color::Green);
    EXPECT_EQ(f1.FuriR.color(), Color::Green);
    EXPECT_TRUE(f1.RB11.checked());
    EXPECT_TRUE(f1.RB21.checked());
    EXPECT_TRUE(f1.Furi100.checked());
    EXPECT_EQ(f1.HHkkgg.text(), "0");
    EXPECT_FALSE(f1.equal_principal());
}

TEST_F(AppTest, ClickingAnyIndicatorShowsThePanel) {
    for (Edit* indicator : {&f1.HRh, &f1.HRr, &f1.FuriR}) {
        f1.Panel5.hide();
        indicator->click();
        EXPECT_TRUE(f1.Panel5.visible()) << indicator->name();
    }
    EXPECT_EQ(f1.Panel5.hint(),
              "返済額は切り上げ・利息額は切り捨てを標準　(緑・緑)　／ﾏﾆｭｱﾙﾊﾟｯｸにもこの識別情報記録"
              "していますので読込時等は再現");
}

struct ModeCase {
    const char* button;
    const char* indicator;
    std::int64_t tag;
    Color colour;
};

class SettingButtons : public AppTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SettingButtons, StoreTheirTagAndRecolourTheIndicator) {
    const ModeCase& c = GetParam();
    f1.HRhClick(f1.HRh);
    f1.find(c.button)->click();
    const Control* indicator = f1.find(c.indicator);
    EXPECT_EQ(indicator->tag(), c.tag);
    EXPECT_EQ(indicator->color(), c.colour);
    EXPECT_TRUE(f1.Panel5.visible()) << "a single click leaves the panel open";
}

INSTANTIATE_TEST_SUITE_P(Indicators, SettingButtons,
                         ::testing::Values(ModeCase{"RB12", "HRh", 1, Color::Yellow},
                                           ModeCase{"RB13", "HRh", 2, Color::Green},
                                           ModeCase{"RB22", "HRr", 1, Color::Yellow},
                                           ModeCase{"RB23", "HRr", 2, Color::Red},
                                           ModeCase{"Furi10000", "FuriR", 10000, Color::Blue},
                                           ModeCase{"Furi1000", "FuriR", 1000, Color::Teal},
                                           ModeCase{"Furi10", "FuriR", 10, Color::Yellow},
                                           ModeCase{"Furi1", "FuriR", 1, Color::Red}));

TEST_F(AppTest, BackToTheFirstChoiceRestoresItsColour) {
    f1.RB13.click();
    f1.RB11.click();
    EXPECT_EQ(f1.HRh.tag(), 0);
    EXPECT_EQ(f1.HRh.color(), Color::Red);
    f1.Furi1.click();
    f1.Furi100.click();
    EXPECT_EQ(f1.FuriR.color(), Color::Green);
}

TEST_F(AppTest, CloseMakesThePanelAgreeWithStoredValues) {
    // As after loading settings: the tags change without the buttons.
    f1.HRh.set_tag(2);
    f1.HRr.set_tag(1);
    f1.FuriR.set_tag(1000);
    f1.Panel5.show();
    f1.Button106.click();
    EXPECT_TRUE(f1.RB13.checked());
    EXPECT_FALSE(f1.RB11.checked());
    EXPECT_TRUE(f1.RB22.checked());
    EXPECT_TRUE(f1.Furi1000.checked());
    EXPECT_FALSE(f1.Furi100.checked());
    EXPECT_FALSE(f1.Panel5.visible());
    EXPECT_EQ(f1.HRh.tag(), 2) << "closing keeps the stored values";
}

TEST_F(AppTest, DoubleClickOnARadioButtonChoosesAndCloses) {
    f1.Panel5.show();
    f1.RB23.dbl_click();
    EXPECT_EQ(f1.HRr.tag(), 2);
    EXPECT_TRUE(f1.RB23.checked());
    EXPECT_FALSE(f1.Panel5.visible());
}

TEST_F(AppTest, RecalculateWithSettingsClosesThePanelForNow) {
    f1.Panel5.show();
    f1.Button147.click();
    EXPECT_FALSE(f1.Panel5.visible());
}

TEST_F(AppTest, MethodButtonSwitchesBetweenTheTwoMethods) {
    f1.Button130.click();
    EXPECT_EQ(f1.HHkkgg.text(), "1");
    EXPECT_TRUE(f1.equal_principal());
    f1.Button130.click();
    EXPECT_EQ(f1.HHkkgg.text(), "0");
    EXPECT_FALSE(f1.equal_principal());
}

TEST_F(AppTest, AnyMethodTextOtherThanOneIsStoredAsZero) {
    f1.HHkkgg.set_text("1");
    f1.HHkkgg.set_text("2");
    EXPECT_EQ(f1.HHkkgg.text(), "0");
    EXPECT_FALSE(f1.equal_principal());
}

TEST_F(AppTest, ScaleButtonsResizeTheMainWindow) {
    f1.set_size(900, 640);
    f1.Button114.click();
    // (900 − 8) × 1.25 + 8 = 1123; (640 − 32) × 1.25 + 32 = 792
    EXPECT_EQ(f1.width(), 1123);
    EXPECT_EQ(f1.height(), 792);
    f1.set_size(900, 640);
    f1.Button115.click();
    // (892 × 0.8 = 713.6 → 713) + 8 = 721; (608 × 0.8 = 486.4 → 486) + 32 = 518
    EXPECT_EQ(f1.width(), 721);
    EXPECT_EQ(f1.height(), 518);
}

}  // namespace
}  // namespace rebanto
