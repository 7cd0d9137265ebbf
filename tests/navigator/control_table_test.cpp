#include "navigator/control_table.h"

#include <gtest/gtest.h>

#include <array>

#include "base/errors.h"
#include "model/form.h"

namespace rebanto::navigator {
namespace {

// A control table with a heading row, a settings row and the given data rows; a data row is
// given as {column, text} pairs.
struct ControlTable : ::testing::Test {
    Form form{"TForm4", "nav"};
    Grid table{form, "StringGrid1", 2, 14, 1, 3};

    int add(std::initializer_list<std::pair<int, std::string>> cells) {
        std::vector<std::string> row(14);
        for (const auto& [col, text] : cells)
            row[col] = text;
        table.append_row(std::move(row));
        return table.row_count() - 1;
    }
    // A plain schedule row: month, rate, remaining count, instalment, in row, new principal.
    int plain(std::string month, std::string remaining, std::string principal_after = "1000000") {
        return add({{kMonth, month},
                    {kPrincipal, "1100000"},
                    {kRate, "2.325"},
                    {kRemaining, remaining},
                    {kInstalment, "83564"},
                    {kInRow, "1"},
                    {kNewPrincipal, principal_after}});
    }
    std::string at(int row, int col) const { return table.cell(row, col); }
};

// ---- Row kinds ----

TEST_F(ControlTable, RowKindsFollowColumnOneAndTheFlag) {
    const int old_form = add({{kYears, "内"}});
    const int new_form = add({{kFlag, "U日後5"}});
    const int totals_by_word = add({{kYears, "経"}});
    const int totals_by_flag = add({{kFlag, "K"}});
    const int flag_beginning_with_k = add({{kFlag, "Kx"}});
    const int plain_row = plain("1", "420");
    EXPECT_TRUE(is_prepayment_row(table, old_form));
    EXPECT_FALSE(has_prepayment_flag(table, old_form));
    EXPECT_TRUE(is_prepayment_row(table, new_form));
    EXPECT_TRUE(has_prepayment_flag(table, new_form));
    EXPECT_TRUE(is_totals_row(table, totals_by_word));
    EXPECT_TRUE(is_totals_row(table, totals_by_flag));
    EXPECT_FALSE(is_totals_row(table, flag_beginning_with_k));
    EXPECT_FALSE(is_prepayment_row(table, plain_row));
    EXPECT_FALSE(is_totals_row(table, plain_row));
    EXPECT_FALSE(is_prepayment_row(table, 99));  // outside the table: no kind
}

TEST_F(ControlTable, SpecialRowsCarryNoRemainingCount) {
    for (const char* word : {"内入", "同時", "月後", "日後", "返済計"})
        EXPECT_TRUE(is_count_word(word)) << word;
    for (const char* cell : {"", "12", "内", "返済"})
        EXPECT_FALSE(is_count_word(cell)) << cell;
}

// ---- Shifting rows ----

TEST_F(ControlTable, InsertionMovesTheRowsBelowDownAndDeletionMovesThemBack) {
    plain("1", "420");
    plain("2", "419");
    plain("3", "418");
    insert_row_below(table, 2);
    ASSERT_EQ(table.row_count(), 6);
    EXPECT_EQ(at(2, kMonth), "1");
    EXPECT_TRUE(table.row_cells(3) == std::vector<std::string>(14));
    EXPECT_EQ(at(4, kMonth), "2");
    EXPECT_EQ(at(5, kMonth), "3");
    delete_row(table, 3);
    ASSERT_EQ(table.row_count(), 5);
    EXPECT_EQ(at(3, kMonth), "2");
    EXPECT_EQ(at(4, kMonth), "3");
    insert_row_below(table, 4);  // below the last row: an empty last row
    EXPECT_EQ(table.row_count(), 6);
    EXPECT_EQ(at(5, kMonth), "");
}

TEST_F(ControlTable, TotalsRowsGoBelowDataRowsOnly) {
    plain("1", "420");
    EXPECT_FALSE(insert_totals_row(table, 1));
    EXPECT_EQ(table.row_count(), 3);
    EXPECT_TRUE(insert_totals_row(table, 2));
    EXPECT_EQ(at(3, kYears), "経");
    EXPECT_EQ(at(3, kFlag), "K");
    EXPECT_TRUE(is_totals_row(table, 3));
}

// ---- Prepayment rows ----

TEST_F(ControlTable, APrepaymentRowCarriesTheRateOfTheRowAboveAndItsTiming) {
    plain("60", "361");
    plain("61", "360");
    std::string rate;
    EXPECT_EQ(place_prepayment_row(table, 2, {"2000000", "日後", "10"}, rate), 2);
    EXPECT_EQ(rate, "2.325");
    EXPECT_EQ(at(3, kYears), "内");
    EXPECT_EQ(at(3, kRate), "2.325");
    EXPECT_EQ(at(3, kEndCount), "10");
    EXPECT_EQ(at(3, kTiming), "日後");
    EXPECT_EQ(at(3, kRepaid), "2000000");
    EXPECT_EQ(at(3, kFlag), "U日後10");
    EXPECT_EQ(at(4, kMonth), "61");
}

TEST_F(ControlTable, PlacingAPrepaymentTwiceLeavesOneRowWithTheLaterAmount) {
    plain("60", "361");
    plain("61", "360");
    std::string rate;
    place_prepayment_row(table, 2, {"2000000", "同時", ""}, rate);
    place_prepayment_row(table, 2, {"-500000", "同時", ""}, rate);  // extra borrowing
    ASSERT_EQ(table.row_count(), 5);
    EXPECT_EQ(at(3, kRepaid), "-500000");
    EXPECT_EQ(at(3, kFlag), "U同時");
    EXPECT_EQ(at(4, kMonth), "61");
    // With the prepayment row itself selected it is replaced where it stands.
    EXPECT_EQ(place_prepayment_row(table, 3, {"700000", "月後", "2"}, rate), 2);
    ASSERT_EQ(table.row_count(), 5);
    EXPECT_EQ(at(3, kRepaid), "700000");
    EXPECT_EQ(at(3, kFlag), "U月後2");
}

TEST_F(ControlTable, NoPrepaymentRowAboveTheDataRows) {
    plain("1", "420");
    std::string rate;
    EXPECT_EQ(place_prepayment_row(table, 1, {"1000", "同時", ""}, rate), -1);
    EXPECT_EQ(table.row_count(), 3);
}

// ---- Copy rows ----

TEST_F(ControlTable, ACopyRowIsTheNextPeriodOfTheNearestFlagFreeRow) {
    add({{kMonth, "60"},
         {kPrincipal, "19500000"},
         {kRate, "2.325"},
         {kRemaining, "361"},
         {kInstalment, "83564"},
         {kInRow, "1"},
         {kNewPrincipal, "19454000"}});
    add({{kYears, "内"}, {kRepaid, "2000000"}, {kFlag, "U同時"}});
    add({{kYears, "経"}, {kFlag, "K"}});
    ASSERT_TRUE(insert_copy_row(table, 4));
    EXPECT_EQ(at(5, kMonth), "61");
    EXPECT_EQ(at(5, kPrincipal), "19454000");
    EXPECT_EQ(at(5, kRate), "2.325");
    EXPECT_EQ(at(5, kRemaining), "361");  // copied unchanged: ▼ makes it consistent
    EXPECT_EQ(at(5, kInstalment), "83564");
    EXPECT_EQ(at(5, kInRow), "1");
    EXPECT_EQ(at(5, kNewPrincipal), "19454000");
    EXPECT_EQ(at(5, kFlag), "");
}

TEST_F(ControlTable, ACopyRowLooksBackAtMostEightRows) {
    plain("6", "400");
    for (int i = 0; i < 8; ++i)
        add({{kMonth, std::to_string(100 + i)}, {kInRow, "1"}, {kFlag, "Dx30"}});
    ASSERT_TRUE(insert_copy_row(table, 10));  // rows 3..10 all flagged
    EXPECT_EQ(copy_source_row(table, 11), 10);
    EXPECT_EQ(at(11, kMonth), "108");
}

TEST_F(ControlTable, ACopyRowFromAnUnreadableMonthAddsNothingHalfFilled) {
    add({{kMonth, "x"}, {kInRow, "1"}});
    EXPECT_THROW(insert_copy_row(table, 2), ConversionError);
    EXPECT_TRUE(table.row_cells(3) == std::vector<std::string>(14));
}

// ---- Filling a table cut short ----

TEST_F(ControlTable, ATableCutShortGetsRowsForTheRestOfTheTerm) {
    plain("409", "13");
    plain("410", "12");
    add({{kYears, "経"}, {kFlag, "K"}});
    EXPECT_EQ(fill_shortened_table(table, 12000), 3);
    ASSERT_EQ(table.row_count(), 4 + 1 + 11);
    for (int r = 4; r < 15; ++r)
        EXPECT_EQ(at(r, kMonth), std::to_string(407 + r)) << r;
    EXPECT_EQ(at(15, kFlag), "K");  // the totals row stays last
}

TEST_F(ControlTable, FillingStartsFromTheLastFlagFreeRow) {
    plain("409", "24");
    add({{kMonth, "410"}, {kRemaining, "23"}, {kInRow, "1"}, {kFlag, "Dx30"}});
    EXPECT_EQ(last_plain_row(table, 3), 2);
    EXPECT_EQ(rows_to_fill(table, 2), 23);
}

TEST_F(ControlTable, AHugeRemainingCountIsRefusedBeforeAnyRowIsAdded) {
    plain("1", "99999");
    EXPECT_THROW(fill_shortened_table(table, 12000), ConversionError);
    EXPECT_EQ(table.row_count(), 3);
    plain("2", "11999");
    EXPECT_EQ(fill_shortened_table(table, 12000), -1);  // more rows than a table may hold
    EXPECT_EQ(table.row_count(), 4);
}

TEST_F(ControlTable, AnEmptyTableHasNothingToFill) {
    EXPECT_EQ(fill_shortened_table(table, 12000), -1);
}

// ---- Whole-table daily interest ----

// Month lengths of a common year, January first.
constexpr std::array<int, 12> kMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

TEST(WholeTableDays, OneMonthIsTheCalendarMonthBefore) {
    EXPECT_EQ(days_of_month_before(3), 28);
    EXPECT_EQ(days_of_month_before(0), 30);  // December: November before it
    for (int month = 0; month <= 12; ++month) {
        const int before = ((month == 0 ? 12 : month) + 10) % 12;  // index of the month before
        EXPECT_EQ(days_of_month_before(month), kMonthLength[before]) << month;
    }
    EXPECT_EQ(days_of_month_before(13), 31);
    EXPECT_EQ(days_of_month_before(-1), 31);
}

TEST(WholeTableDays, ABonusPeriodIsTheSixCalendarMonthsBefore) {
    EXPECT_EQ(days_of_six_months_before(7), 181);
    for (int month = 0; month <= 12; ++month) {
        int days = 0;
        for (int back = 1; back <= 6; ++back)
            days += kMonthLength[((month == 0 ? 12 : month) - 1 - back + 24) % 12];
        EXPECT_EQ(days_of_six_months_before(month), days) << month;
    }
    EXPECT_EQ(days_of_six_months_before(13), 184);
}

// ---- Remaining counts and converted rates ----

TEST(Overpayment, TheLastRowLosesTheOverpaidInstalmentsRoundedUpFromSevenTenths) {
    EXPECT_EQ(overpaid_instalments(-24000, 10000), 3);  // 2.4 instalments
    EXPECT_EQ(overpaid_instalments(-22000, 10000), 2);  // 2.2 instalments
    EXPECT_EQ(overpaid_instalments(-3000, 10000), 1);   // 0.3 + 0.7
    EXPECT_EQ(overpaid_instalments(-2999, 10000), 0);
    EXPECT_EQ(overpaid_instalments(5000, 10000), 0);  // nothing overpaid
    EXPECT_EQ(overpaid_instalments(-24000, 0), 0);    // no instalment to count in
}

TEST(ConvertedRate, ByMonthsWeighsTheRatesByTheMonthsOfThePeriod) {
    // (3.5 × 4 + 2.325 × 2) / 6 = 18.65 / 6 = 3.108333…
    EXPECT_EQ(cut_to_digits(converted_rate_by_months(2.325L, 3.5L, 2, 6), 5),
              cut_to_digits(3.10833L, 5));
    EXPECT_EQ(converted_rate_by_months(2.325L, 3.5L, 0, 6), 3.5L);
    EXPECT_EQ(converted_rate_by_months(2.325L, 3.5L, 6, 6), 2.325L);
    EXPECT_EQ(converted_rate_by_months(2.325L, 3.5L, 3, 0), 3.5L);
}

TEST(ConvertedRate, ByDaysWeighsTheRatesByTheDaysBeforeAndAfter) {
    // (2 × 90 + 3 × 91) / 181 = 453 / 181 = 2.5027624…
    const long double rate = converted_rate_by_days(2, 3, 90, 91, 181);
    EXPECT_NEAR(static_cast<double>(rate), 453.0 / 181.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(cut_to_digits(rate, 5)), 2.50276, 1e-12);
    EXPECT_EQ(converted_rate_by_days(2, 3, 0, 181, 181), 3);
    EXPECT_EQ(converted_rate_by_days(2, 3, 0, 0, 0), 3);
}

TEST(ConvertedRate, CuttingTruncatesToTheDigitsWithinZeroToThirteen) {
    EXPECT_EQ(cut_to_digits(2.99L, 0), 2);
    EXPECT_NEAR(static_cast<double>(cut_to_digits(3.108333L, 3)), 3.108, 1e-15);
    EXPECT_EQ(cut_to_digits(3.7L, -2), 3);  // below zero counts as zero
    EXPECT_EQ(cut_to_digits(1.25L, 20), cut_to_digits(1.25L, 13));
}

}  // namespace
}  // namespace rebanto::navigator

namespace rebanto::navigator {
namespace {

// ---- Where a rate change can be described ----

struct BoundaryRows : ::testing::Test {
    Form form{"TForm4", "nav"};
    Grid table{form, "StringGrid1", 2, 14, 1, 3};
    int add(std::string rate, std::string flag = "", std::string years = "") {
        std::vector<std::string> row(14);
        row[kYears] = years;
        row[kRate] = rate;
        row[kFlag] = flag;
        table.append_row(std::move(row));
        return table.row_count() - 1;
    }
};

TEST_F(BoundaryRows, TheOffsetsSkipUpToThreeTotalsOrPrepaymentRows) {
    add("2.325");
    add("", "K", "経");
    add("2.325", "U同時", "内");
    const int s = add("3.5");
    add("3.5");
    EXPECT_EQ(rows_back_to_plain(table, s), 3);
    EXPECT_EQ(rows_forward_to_plain(table, s), 1);
    for (int i = 0; i < 4; ++i)
        add("", "K", "経");
    EXPECT_EQ(rows_forward_to_plain(table, s + 1), 4);  // three skipped at most
}

TEST_F(BoundaryRows, TheFirstRowAtANewRateTakesABoundary) {
    add("2.325");
    add("2.325");
    const int first_new = add("3.5");
    add("3.5");
    EXPECT_FALSE(boundary_possible(table, first_new - 1));
    EXPECT_TRUE(boundary_possible(table, first_new));
    EXPECT_FALSE(boundary_possible(table, first_new + 1));  // same rate as the row before
}

TEST_F(BoundaryRows, ARowWithAFlagKeepsItsBoundaryUnlessNextToASettledTotal) {
    add("2.325");
    const int flagged = add("2.9", "SoD･2.9･3.5･0･6･a･b･c");
    add("3.5");
    EXPECT_TRUE(boundary_possible(table, flagged));
    table.set_cell(flagged + 1, kRate, "=精算総額");
    EXPECT_FALSE(boundary_possible(table, flagged));
    table.set_cell(flagged + 1, kRate, "3.5");
    table.set_cell(flagged - 1, kRate, "");
    EXPECT_FALSE(boundary_possible(table, flagged));  // no rate to change from
}

TEST_F(BoundaryRows, TheFirstDataRowAndTheLastRowAreHandledAtTheEdges) {
    const int only = add("2.325");
    EXPECT_FALSE(boundary_possible(table, only));  // the settings row holds no rate
    EXPECT_FALSE(boundary_possible(table, 99));
}

}  // namespace
}  // namespace rebanto::navigator

namespace rebanto::navigator {
namespace {

// ---- Daily interest over the whole table ----

struct DailyInterestRows : ::testing::Test {
    Form form{"TForm4", "nav"};
    Grid table{form, "StringGrid1", 2, 14, 1, 3};
    int add(std::string month_of_year, std::string in_row, std::string flag = "",
            std::string years = "") {
        std::vector<std::string> row(14);
        row[kYears] = years;
        row[2] = month_of_year;
        row[kInRow] = in_row;
        row[kFlag] = flag;
        table.append_row(std::move(row));
        return table.row_count() - 1;
    }
};

TEST_F(DailyInterestRows, EveryOneInstalmentRowGetsTheDaysOfTheMonthBefore) {
    const int march = add("3", "1");
    const int december = add("0", "1");
    const int six_months = add("6", "6");
    const int prepayment = add("", "", "U同時", "内");
    const int kept = add("4", "1", "SoD･3･2･0･6･a･b･c");
    const int own_choice = add("5", "1", "Do31");
    set_daily_interest_everywhere(table, false, false);
    EXPECT_EQ(table.cell(march, kFlag), "Dx28");
    EXPECT_EQ(table.cell(december, kFlag), "Dx30");
    EXPECT_EQ(table.cell(six_months, kFlag), "");
    EXPECT_EQ(table.cell(prepayment, kFlag), "U同時");
    EXPECT_EQ(table.cell(kept, kFlag), "SoD･3･2･0･6･a･b･c");
    EXPECT_EQ(table.cell(own_choice, kFlag), "Do30");  // April before May
}

TEST_F(DailyInterestRows, ABonusRowGetsTheDaysOfTheSixMonthsBefore) {
    const int july = add("7", "1");
    const int beyond = add("14", "1");
    set_daily_interest_everywhere(table, true, true);
    EXPECT_EQ(table.cell(july, kFlag), "Do181");
    EXPECT_EQ(table.cell(beyond, kFlag), "Do184");
}

TEST_F(DailyInterestRows, ClearingTurnsEveryDailyRowBackOnce) {
    const int daily = add("3", "1", "Do28");
    const int daily_x = add("4", "1", "Dx31");
    const int plain = add("5", "1");
    clear_daily_interest_everywhere(table);
    EXPECT_EQ(table.cell(daily, kFlag), "Xo");
    EXPECT_EQ(table.cell(daily_x, kFlag), "Xx");
    EXPECT_EQ(table.cell(plain, kFlag), "");
}

}  // namespace
}  // namespace rebanto::navigator
