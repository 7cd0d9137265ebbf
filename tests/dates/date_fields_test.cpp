// The date fields as the user works them: the day counter of the page "個別返済額算定",
// dates proposed from today (2026/12/08), the reference calendar and the month calendar
// a double click opens.
#include "dates_fixture.h"

namespace rebanto {
namespace {

class DateFields : public testing::DatesTest {};

TEST_F(DateFields, StartUpShowsTodayInTheReferenceCalendarAndTheLoanDate) {
    EXPECT_EQ(f1.DateTimePicker1.text(), "2026/12/08");
    EXPECT_EQ(f1.MonthCalendar1.text(), "2026/12/08");
    EXPECT_EQ(f1.La8_honjitu.caption(), "本日 2026/12/08");
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2026/12/08");
    EXPECT_FALSE(f1.MonthCalendar1.visible());
    EXPECT_FALSE(f1.MonthCalendar2.visible());
}

TEST_F(DateFields, TheMonthlyPartOpensTheCounterOneMonthAheadOfToday) {
    f1.Label6.click();
    EXPECT_TRUE(f1.GrpSyokai.visible());
    EXPECT_EQ(f1.La1_yotei.caption(), "毎月返済で丸1ヶ月前の翌日");
    EXPECT_EQ(f1.MsEd1_syokai.text(), "2027/01/07");
    EXPECT_EQ(f1.MsEd1_yotei.text(), "2026/12/08");
    EXPECT_EQ(f1.MsEd1_yusi.text(), "2026/12/08");
    EXPECT_EQ(f1.Ed1_nichi.text(), "0");
    EXPECT_EQ(f1.Ed1_hiwarikingaku.text(), "0");
    // A loan paid out a month earlier: 30 more days on the 1,000,000 yen of the page.
    f1.MsEd1_yusi.set_text("2026/11/08");
    EXPECT_EQ(f1.Ed1_nichi.text(), "30");
    EXPECT_EQ(f1.Ed1_hiwarikingaku.text(), "1910");  // 1,910.958…
}

TEST_F(DateFields, TheBonusPartCountsOnTheBonusPrincipal) {
    enter_loan();
    f1.Label7.click();
    EXPECT_EQ(f1.La1_yotei.caption(), "ﾎﾞｰﾅｽ返済で丸6ヶ月前の翌日");
    EXPECT_EQ(f1.MsEd1_syokai.text(), "2027/06/07");
    EXPECT_EQ(f1.MsEd1_yotei.text(), "2026/12/08");
    // Typed by hand: 181 days on 6,000,000 yen.
    f1.Ed1_nichi.set_text("181");
    EXPECT_EQ(f1.Ed1_hiwarikingaku.text(), "69176");
    f1.Ed1_nichi.set_text("-");
    EXPECT_EQ(f1.Ed1_hiwarikingaku.text(), "69176");
}

TEST_F(DateFields, LeavingTheFirstPaymentDateDerivesThePeriodStart) {
    f1.Label6.click();
    f1.MsEd1_syokai.set_text("2027/03/31");
    f1.MsEd1_syokai.exit();
    EXPECT_EQ(f1.MsEd1_yotei.text(), "2027/03/01");  // 31 February rolls into March
    EXPECT_EQ(f1.MsEd1_yusi.text(), "2027/03/01");
}

TEST_F(DateFields, TheReferenceDatesOfBothParts) {
    f1.Button72.click();
    EXPECT_EQ(f1.MsEd7_mon.text(), "2027/01/07");
    EXPECT_EQ(f1.MsEd7_bon.text(), "2027/06/07");
    EXPECT_EQ(f1.MsEd7_yusi.text(), "2026/12/08");
}

TEST_F(DateFields, ADoubleClickOnTheLoanDateStartsTheLoanToday) {
    enter_loan();
    f1.MsEd8_yusi.set_text("2001/05/21");
    f1.MsEd8_yusi.dbl_click();
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2026/12/08");
    EXPECT_EQ(f1.MsEd8_mon.text(), "2027/01/07");
    EXPECT_EQ(f1.MsEd8_bon.text(), "2027/06/07");
    EXPECT_EQ(f1.Edit135.text(), "30");
    EXPECT_EQ(f1.Edit177.text(), "181");
    EXPECT_EQ(f1.Edit178.text(), "45863");
    EXPECT_EQ(f1.syokai_sa_m, Money::from_yen(-637));
    EXPECT_EQ(f1.MsEd8_mon.color(), Color::White);
    EXPECT_TRUE(f1.MonthCalendar2.visible());
    EXPECT_EQ(f1.MonthCalendar2.text(), "2026/12/08");
}

TEST_F(DateFields, TheMonthCalendarPutsTheChosenDayIntoItsField) {
    enter_loan();
    enter_dates();
    f1.MsEd8_mon.dbl_click();
    ASSERT_TRUE(f1.MonthCalendar2.visible());
    EXPECT_EQ(f1.MonthCalendar2.text(), "2001/06/20");
    f1.MonthCalendar2.dbl_click_day(Date{2001, 6, 25});
    EXPECT_FALSE(f1.MonthCalendar2.visible());
    EXPECT_EQ(f1.MsEd8_mon.text(), "2001/06/25");
    EXPECT_EQ(f1.DateTimePicker1.text(), "2001/06/25");
    EXPECT_EQ(f1.MonthCalendar1.text(), "2001/06/25");
    EXPECT_EQ(f1.Edit135.text(), "35");
}

TEST_F(DateFields, TheReferenceDateGoesWhereTheUserPoints) {
    f1.DateTimePicker1.set_text("2002/02/10");
    f1.Label139.click();
    EXPECT_EQ(f1.MsEd8_mon.text(), "2002/02/10");
    f1.MsEd8_bon.right_click();
    EXPECT_EQ(f1.MsEd8_bon.text(), "2002/02/10");
    f1.Label134.click();
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2002/02/10");
    f1.MsEd1_syokai.right_click();
    EXPECT_EQ(f1.MsEd1_syokai.text(), "2002/02/10");
    // "参照ｶﾚﾝﾀﾞｰ" goes back to today.
    f1.Label162.click();
    EXPECT_EQ(f1.DateTimePicker1.text(), "2026/12/08");
}

TEST_F(DateFields, TheMultiMonthCalendarFollowsThePickerAndShowsOnARightClick) {
    f1.DateTimePicker1.set_text("2003/03/03");
    EXPECT_EQ(f1.MonthCalendar1.text(), "2003/03/03");
    f1.DateTimePicker1.right_click();
    EXPECT_TRUE(f1.MonthCalendar1.visible());
    f1.MonthCalendar1.set_date(Date{2003, 4, 1});
    EXPECT_EQ(f1.DateTimePicker1.text(), "2003/04/01");
    f1.DateTimePicker1.right_click();
    EXPECT_FALSE(f1.MonthCalendar1.visible());
}

TEST_F(DateFields, ADayCounterDateThatIsNoDateBeeps) {
    f1.Label6.click();
    platform.take_log();
    f1.MsEd1_yusi.set_text("2026/1x/08");
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep default"});
    EXPECT_EQ(f1.Ed1_nichi.text(), "0");
}

}  // namespace
}  // namespace rebanto
