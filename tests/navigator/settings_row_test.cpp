#include "navigator/settings_row.h"

#include <gtest/gtest.h>

#include "model/form.h"
#include "navigator/control_table.h"

namespace rebanto::navigator {
namespace {

struct SettingsRow : ::testing::Test {
    Form form{"TForCur", "cur"};
    Grid current{form, "StGr1", 2, 14, 1, 3};
    void markers(std::string col1, std::string col12) {
        current.set_cell(kSettingsRow, 1, col1);
        current.set_cell(kSettingsRow, 12, col12);
    }
    std::string months() const {
        return current.cell(kSettingsRow, 1) + current.cell(kSettingsRow, 2);
    }
};

// ---- Markers counted in code page 932 bytes ----

TEST(MarkerBytes, CountTwoBytesForEveryFullWidthCharacter) {
    EXPECT_EQ(marker_bytes("初回返済額無補正", 11, 16), "無補正");
    EXPECT_EQ(marker_bytes("実行日2001/05/21", 7, 16), "2001/05/21");
    EXPECT_EQ(marker_bytes("初回返済日2001/06/20", 11, 20), "2001/06/20");
    EXPECT_EQ(marker_bytes("ｶﾚﾝﾄ", 1, 2), "ｶﾚ");    // half-width katakana is one byte each
    EXPECT_EQ(marker_bytes("差額有", 11, 16), "");  // shorter than the field
}

// ---- Normalisation when the navigator opens ----

TEST_F(SettingsRow, AnUncorrectedFirstInstalmentKeepsItsMarkerAndFollowsTheDates) {
    markers("月", "初回返済額無補正");
    EXPECT_FALSE(normalise_settings_row(current));
    EXPECT_EQ(current.cell(kSettingsRow, 12), "初回返済額無補正");
    EXPECT_EQ(months(), "平成");
}

TEST_F(SettingsRow, AnyOtherMarkerBecomesTheDifferenceMarker) {
    markers("平", "差額");
    EXPECT_FALSE(normalise_settings_row(current));
    EXPECT_EQ(current.cell(kSettingsRow, 12), "差額有");
    EXPECT_EQ(months(), "平成");
    markers("月", "x");
    EXPECT_FALSE(normalise_settings_row(current));
    EXPECT_EQ(months(), "月目");
}

TEST_F(SettingsRow, WithoutAMarkerPlainCountsAreShownAsSuch) {
    markers("月", "");
    EXPECT_TRUE(normalise_settings_row(current));
    EXPECT_EQ(months(), "月目");
    markers("平", "");
    EXPECT_FALSE(normalise_settings_row(current));
    EXPECT_EQ(months(), "平成");
}

TEST_F(SettingsRow, TheDatesOfTheSettingsRowAreTakenAndMarked) {
    current.set_cell(kSettingsRow, 10, "実行日2002/03/15");
    current.set_cell(kSettingsRow, 11, "初回返済日2002/04/20");
    markers("月", "");
    const auto dates = take_settings_dates(current);
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ(dates->loan_date, "2002/03/15");
    EXPECT_EQ(dates->first_payment, "2002/04/20");
    EXPECT_EQ(months(), "平成");
}

TEST_F(SettingsRow, NoLoanDateMarkerNoDates) {
    current.set_cell(kSettingsRow, 10, "2002/03/15");
    markers("月", "");
    EXPECT_FALSE(take_settings_dates(current).has_value());
    EXPECT_EQ(months(), "月");
}

// ---- Prepayment rows of the older form ----

TEST_F(SettingsRow, OlderPrepaymentRowsAreRecognisedAndRewrittenAsSameTime) {
    current.set_row_count(5);
    current.set_cell(2, kFlag, "U");
    current.set_cell(3, kRate, "同時");
    current.set_cell(4, kEndCount, "-");
    for (int r = 2; r < 5; ++r)
        EXPECT_TRUE(is_older_prepayment(current, r)) << r;
    current.set_cell(4, kEndCount, "3");
    current.set_cell(4, kFlag, "U日後3");
    EXPECT_FALSE(is_older_prepayment(current, 4));
    modernise_prepayment(current, 2);
    EXPECT_EQ(current.cell(2, kEndCount), "");
    EXPECT_EQ(current.cell(2, kTiming), "同時");
    EXPECT_EQ(current.cell(2, kFlag), "U同時");
}

// ---- Prepayment timing ----

TEST(PrepaymentTiming, DoubleClicksCycleThroughTheThreeTimings) {
    PrepaymentTiming timing;
    EXPECT_FALSE(timing.offset_visible());
    timing.cycle();
    EXPECT_EQ(timing.word, "日後");
    EXPECT_EQ(timing.offset, "1");
    EXPECT_TRUE(timing.offset_visible());
    timing.cycle();
    EXPECT_EQ(timing.word, "月後");
    EXPECT_EQ(timing.offset, "1");
    timing.cycle();
    EXPECT_EQ(timing.word, "同時");
    EXPECT_EQ(timing.offset, "");
}

TEST(PrepaymentTiming, ClicksCountTheOffsetAndZeroIsTheSameTime) {
    PrepaymentTiming timing;
    timing.step(1);  // no offset for "同時"
    EXPECT_EQ(timing.offset, "");
    timing.cycle();
    timing.step(1);
    timing.jump();
    EXPECT_EQ(timing.offset, "7");
    for (int i = 0; i < 6; ++i)
        timing.step(-1);
    EXPECT_EQ(timing.offset, "1");
    timing.step(-1);
    EXPECT_EQ(timing.word, "同時");
    EXPECT_FALSE(timing.offset_visible());
}

TEST(PrepaymentTiming, TypingAMinusOrNothingPositiveReturnsToTheSameTime) {
    for (const char* typed : {"-", "0", "-3"}) {
        PrepaymentTiming timing;
        timing.cycle();
        timing.offset = typed;
        timing.offset_typed();
        EXPECT_EQ(timing.word, "同時") << typed;
    }
    PrepaymentTiming timing;
    timing.cycle();
    timing.offset = "12";
    timing.offset_typed();
    EXPECT_EQ(timing.word, "日後");
    timing.offset = "1x";  // half typed: left to the user
    timing.offset_typed();
    EXPECT_EQ(timing.word, "日後");
}

}  // namespace
}  // namespace rebanto::navigator
