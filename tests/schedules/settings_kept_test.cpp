// What every batch table leaves as it found it (the basic settings, the bonus timing),
// the settings stamp of the tables, the rate presets and the plan choices.
#include "base/field_at.h"
#include "core/schedule_table.h"
#include "schedules_fixture.h"

namespace rebanto {
namespace {

using testing::ScheduleTest;

class SettingsKept : public ScheduleTest {
protected:
    std::vector<std::string> basic_texts() const {
        return {f1.Ed0_moto.text(), f1.Ed0_kin.text(), f1.Ed0_nen.text(), f1.Ed0_tuki.text(),
                f1.Ed0_wari.text(), f1.Edit13.text(),  f1.Edit1.text(),   f1.Edit6.text(),
                f1.Edit2.text(),    f1.Edit35.text()};
    }
};

// A loan whose second stream runs every three months from month 3: the corporation plans
// and the variable bonus schedule run at six months and put the timing back.
TEST_F(SettingsKept, EveryGeneratorRestoresTheBasicSettingsAndTheBonusTiming) {
    Button* const generators[] = {&f1.Button12,      &f1.Button11,      &f1.Button61, &f1.Button62,
                                  &f1.Button63,      &f1.Button66,      &f1.Button67, &f1.Button68,
                                  &f1.Bt2_hendo_mon, &f1.Bt2_hendo_bon, &f1.Button74};
    enter_loan("31000000", "2.5", "30", "25");
    app.second_repayment.apply_timing("3", 3);
    f1.Ed1_mm5.set_text("4");
    f1.Edit35.set_text("7");
    const auto before = basic_texts();
    ASSERT_EQ(before[5], "4");
    for (Button* generator : generators) {
        generator->click();
        EXPECT_EQ(basic_texts(), before) << generator->name();
        EXPECT_EQ(f1.bonus_interval(), 3) << generator->name();
        EXPECT_EQ(f1.bonus_first_months(), 3) << generator->name();
        EXPECT_EQ(f1.Button67.caption(), "第２") << generator->name();
    }
}

TEST_F(SettingsKept, SixMonthTablesAreStampedAsSuch) {
    enter_loan("30000000", "2.80", "35", "20");
    app.second_repayment.apply_timing("3", 3);
    f1.Button12.click();
    const std::string stamp = bonus_settings_string(6, 3);
    EXPECT_EQ(monthly.cell(1, 13), stamp);
    EXPECT_EQ(bonus.cell(1, 13), stamp);
    EXPECT_EQ(field_at(stamp, 1), "6");
    f1.Button67.click();
    EXPECT_EQ(bonus.cell(1, 13), bonus_settings_string(3, 3))
        << "the fixed-rate schedule runs at the user's interval";
    f1.Bt2_hendo_bon.click();
    EXPECT_EQ(bonus.cell(1, 13), stamp);
}

TEST_F(SettingsKept, LongTablesRepaintAndRestoreTheCursor) {
    enter_loan("30000000", "2.80", "35", "20");
    f1.Button63.click();
    EXPECT_GE(platform.repaints(), 420 / 12);
    EXPECT_FALSE(platform.wait_cursor());
}

TEST_F(SettingsKept, PresetButtonsCycleThroughTheirRates) {
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        f1.Button59.click();
        seen.push_back(f1.Ed0_kin.text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"2.80", "2.90", "3.40", "2.80"}));
    f1.Edit63.set_text("2.71");
    f1.Button60.click();
    f1.Button60.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.71");
    f1.Button64.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "2.375");
    f1.Button64.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "1.85");
    f1.Button65.click();
    f1.Button65.click();
    f1.Button65.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "3.88");
    EXPECT_EQ(f1.Edit2.text(), "3.88") << "the loan starts again at the preset";
}

TEST_F(SettingsKept, RateGesturesTakeThePresetFields) {
    f1.Edit41.set_text("1.975");
    f1.Edit39.set_text("3.05");
    f1.Label17.click();
    EXPECT_EQ(f1.Ed0_kin.text(), "1.975");
    f1.Label17.dbl_click();
    EXPECT_EQ(f1.Ed0_kin.text(), "3.05");
}

TEST_F(SettingsKept, EqualPrincipalOffersOnlyTheNormalPlan) {
    f1.RadioButton10.click();
    f1.HHkkgg.set_text("1");
    EXPECT_TRUE(f1.RadioButton9.checked());
    EXPECT_FALSE(f1.RadioButton10.visible());
    EXPECT_TRUE(f1.Button11.visible()) << "it stays to say why it does not run";
    f1.HHkkgg.set_text("0");
    EXPECT_TRUE(f1.RadioButton10.visible());
}

TEST_F(SettingsKept, TheSecondStreamNamesItsButtons) {
    app.second_repayment.apply_timing("4", 4);
    EXPECT_EQ(f1.Button62.caption(), "第２");
    EXPECT_EQ(f1.Bt2_hendo_bon.caption(), "第２");
    app.second_repayment.apply_timing("6", 6);
    EXPECT_EQ(f1.Button62.caption(), "ﾎﾞｰﾅｽ");
}

}  // namespace
}  // namespace rebanto
