// The end of the term: a step longer than what is left is refused by every commit, and the
// step the user chose survives the shrink of the last step.
#include "app_fixture.h"
#include "core/schedule_table.h"

namespace rebanto {
namespace {

using testing::AppTest;

TEST_F(AppTest, RunningToTheEndRefusesAStepLongerThanWhatIsLeft) {
    f1.Ed0_moto.set_text("2400000");
    f1.Ed0_nen.set_text("2");
    for (int i = 0; i < 3; ++i)
        f1.Button1.click();  // months 6, 12 and 18 committed
    ASSERT_EQ(f1.ElapsedMonths, 18);
    const int rows = app.cur.StGr1.row_count();
    f1.Edit13.set_text("12");  // six months are left
    EXPECT_FALSE(f1.Button1.enabled());
    platform.take_log();
    f1.Button18.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep warning"});
    EXPECT_EQ(app.cur.StGr1.row_count(), rows) << "no row at month 30, no totals";
    EXPECT_EQ(f1.ElapsedMonths, 18);
    f1.Edit13.set_text("6");
    f1.Button18.click();
    EXPECT_EQ(app.cur.StGr1.cell(rows, 0), "24") << "the last step ends with the term";
    EXPECT_EQ(f1.Edit13.text(), "6");
}

TEST_F(AppTest, TheChosenStepComesBackAfterAShrunkLastStep) {
    f1.Ed0_moto.set_text("3000000");
    f1.Ed0_nen.set_text("20");
    f1.Ed0_tuki.set_text("7");  // 247 months: the last 6-month step shrinks to one month
    f1.Button18.click();
    EXPECT_EQ(f1.Edit13.text(), "6");
    EXPECT_EQ(f1.StepMonths, 6);
    EXPECT_EQ(f1.ElapsedMonths, 0);
    // A length the user sets after a shrink is the one that stays.
    for (int i = 0; i < 41; ++i)
        f1.Button1.click();
    ASSERT_EQ(f1.Edit13.text(), "1");
    f1.Ed0_kin.set_text("3");  // a new loan run
    EXPECT_EQ(f1.Edit13.text(), "6");
}

}  // namespace
}  // namespace rebanto
