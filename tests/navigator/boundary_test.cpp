#include "navigator/boundary.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace rebanto::navigator {
namespace {

// ---- The boundary flag ----

TEST(BoundaryFlag, IsWrittenAsTheHeadAndSevenFields) {
    BoundaryFlag flag{true, false,        "2.91208",    "2.325",     "0",
                      "6",  "2006/04/20", "2006/05/05", "2006/05/20"};
    EXPECT_EQ(boundary_flag_text(flag), "SoD･2.91208･2.325･0･6･2006/04/20･2006/05/05･2006/05/20");
    flag.principal_first = false;
    flag.by_months = true;
    EXPECT_EQ(boundary_flag_text(flag).substr(0, 3), "SxM");
}

TEST(BoundaryFlag, ReadsBackEveryField) {
    const BoundaryFlag flag =
        parse_boundary_flag("SxM･3.1･2.5･2･4･2005/07/20･2005/09/20･2006/01/20");
    EXPECT_FALSE(flag.principal_first);
    EXPECT_TRUE(flag.by_months);
    EXPECT_EQ(flag.converted_rate, "3.1");
    EXPECT_EQ(flag.restore_rate, "2.5");
    EXPECT_EQ(flag.months_before, "2");
    EXPECT_EQ(flag.months_after, "4");
    EXPECT_EQ(flag.period_start, "2005/07/20");
    EXPECT_EQ(flag.change_date, "2005/09/20");
    EXPECT_EQ(flag.period_end, "2006/01/20");
    EXPECT_EQ(boundary_flag_text(flag), "SxM･3.1･2.5･2･4･2005/07/20･2005/09/20･2006/01/20");
}

TEST(BoundaryFlag, AShortFlagLeavesTheMissingFieldsEmpty) {
    const BoundaryFlag flag = parse_boundary_flag("So");
    EXPECT_TRUE(flag.principal_first);
    EXPECT_FALSE(flag.by_months);
    EXPECT_EQ(flag.converted_rate, "");
    EXPECT_EQ(flag.period_end, "");
}

// ---- Proposed dates ----

TEST(BoundaryDates, AMonthlyRowEndingInMonthSixtyIsThePeriodBeforeItsPayment) {
    // Loan 2001/05/21, first payment 2001/06/20: payment 60 falls on 2006/05/20.
    const BoundaryDates dates = proposed_boundary_dates(60, "2001/05/21", "2001/06/20", false, 6);
    EXPECT_EQ(dates.start, "2006/04/20");
    EXPECT_EQ(dates.end, "2006/05/20");
}

TEST(BoundaryDates, ABonusRowIsTheIntervalBeforeItsPayment) {
    // First bonus 2001/07/20: bonus 10 falls on 2006/01/20, six months after 2005/07/20.
    const BoundaryDates dates = proposed_boundary_dates(10, "2001/05/21", "2001/07/20", true, 6);
    EXPECT_EQ(dates.start, "2005/07/20");
    EXPECT_EQ(dates.end, "2006/01/20");
}

TEST(BoundaryDates, AnIndexBeforeTheFirstYearStaysWithinTwelveMonths) {
    const BoundaryDates dates = proposed_boundary_dates(0, "2001/05/21", "2001/07/20", true, 6);
    EXPECT_EQ(dates.start, "2000/07/20");  // index −6
    EXPECT_EQ(dates.end, "2001/01/20");
}

TEST(BoundaryDates, AnUnreadableDateIsAConversionError) {
    EXPECT_THROW(proposed_boundary_dates(60, "2001/xx/21", "2001/06/20", false, 6),
                 ConversionError);
    EXPECT_THROW(proposed_boundary_dates(60, "2001/05/21", "", false, 6), ConversionError);
}

}  // namespace
}  // namespace rebanto::navigator
