// The difference table A − B from comparison tables written by hand: matched months
// subtracted, months of one table alone marked, prepayments folded into the month before,
// totals rows left out, and the months shown as counts or calendar months.
#include "compare/difference.h"

#include "base/errors.h"
#include "comparison_fixture.h"

namespace rebanto {
namespace {

using testing::HandRow;

class Difference : public testing::ComparisonTables {
protected:
    // Runs the difference and puts it into `d` for reading.
    void subtract(int titles_a = 1, int titles_b = 1, bool calendar = false) {
        comparison::Rows rows;
        comparison::difference_rows(a, titles_a, b, titles_b, calendar, rows);
        d.assign_rows(std::move(rows));
    }
    // Columns 3 to 5 and 8 to 11 of a row, in that order.
    std::vector<std::string> amounts(int row) const {
        std::vector<std::string> v;
        for (int c : {3, 4, 5, 8, 9, 10, 11})
            v.push_back(d.cell(row, c));
        return v;
    }
    static std::vector<std::string> texts(std::initializer_list<long long> values) {
        std::vector<std::string> v;
        for (long long x : values)
            v.push_back(n(x));
        return v;
    }
};

TEST_F(Difference, TwoIdenticalTablesGiveZerosAndDoubledRemarks) {
    auto rows = loan(1, 12, 120'000, 500, 10'000);
    rows[2].remark = "Dx31";  // month 3 paid interest by days
    write(a, {"M1記憶"}, rows);
    write(b, {"M1記憶"}, rows);
    subtract();
    ASSERT_EQ(d.row_count(), 3 + 12) << "header, two title rows, twelve months";
    EXPECT_EQ(d.cell(1, 0), "M1記憶");
    EXPECT_EQ(d.cell(1, 3), "1000000") << "A's title row is taken whole";
    EXPECT_EQ(d.cell(2, 0), "▲M1記憶");
    EXPECT_EQ(d.cell(2, 6), "T･6･6･64･･･");
    EXPECT_EQ(d.cell(2, 3), "1000000");
    EXPECT_EQ(d.cell(2, 8), "") << "B's title row gives columns 0 to 6 only";
    for (int r = 3; r < d.row_count(); ++r) {
        EXPECT_EQ(amounts(r), texts({0, 0, 0, 0, 0, 0, 0})) << "row " << r;
        EXPECT_EQ(d.cell(r, 0), n(r - 2));
        EXPECT_EQ(d.cell(r, 6), r == 5 ? "Dx31Dx31" : "");
        EXPECT_EQ(d.cell(r, 7), "");
    }
}

TEST_F(Difference, AfterTheShorterLoanEndsTheRowsAreTheLongerOnesAlone) {
    // A: ten years, 1,200,000 yen repaid by 10,000 a month with 1,000 interest.
    // B: fifteen years, 1,800,000 yen, 10,000 a month with 2,000 interest; its rows after
    // month 120 carry a remark of their own.
    write(a, {"M3記憶"}, loan(1, 120, 1'200'000, 1'000, 10'000));
    auto long_loan = loan(1, 180, 1'800'000, 2'000, 10'000);
    for (HandRow& h : long_loan) {
        if (h.month > 120) h.remark = "S1";
    }
    write(b, {"M2記憶"}, long_loan);
    subtract();
    ASSERT_EQ(d.row_count(), 3 + 180) << "no totals row is carried";
    // Month 1: both loans arise, 600,000 yen apart.
    EXPECT_EQ(amounts(3), texts({-1'000, -1'000, 0, -600'000, -1'000, 0, -600'000}));
    // Month 120: 120 × 1,000 against 120 × 2,000 interest so far.
    EXPECT_EQ(amounts(122), texts({-1'000, -1'000, 0, 0, -120'000, 0, -600'000}));
    EXPECT_EQ(d.cell(122, 6), "");
    // Month 150: B alone, against A's totals at its end (120,000 interest, 1,200,000
    // repaid, nothing left); B has paid 300,000 interest and repaid 1,500,000.
    const int r150 = row_of_month(d, 2, 150);
    ASSERT_EQ(r150, 152);
    EXPECT_EQ(amounts(r150), texts({-12'000, -2'000, -10'000, 0, 120'000 - 300'000,
                                    1'200'000 - 1'500'000, 0 - 300'000}));
    EXPECT_EQ(d.cell(r150, 6), "S1") << "B's remark alone, no mark";
    EXPECT_EQ(d.cell(r150, 1), "12");
    EXPECT_EQ(d.cell(r150, 2), "6");
    EXPECT_EQ(d.cell(d.row_count() - 1, 0), "180");
    EXPECT_EQ(d.cell(d.row_count() - 1, 11), "0");
}

TEST_F(Difference, APrepaymentOfAFoldsIntoTheMonthBeforeIt) {
    write(b, {"M2記憶"}, loan(1, 6, 600'000, 1'000, 10'000));
    // A prepays 50,000 and then 20,000 with the instalment of month 3.
    auto rows = loan(1, 3, 600'000, 1'000, 10'000);
    rows.push_back({3, 50'000, 0, 50'000, "U同時", 0, 3'000, 80'000, 520'000});
    rows.push_back({3, 20'000, 0, 20'000, "U同時", 0, 3'000, 100'000, 500'000});
    for (long long m = 4; m <= 6; ++m) {
        rows.push_back({m, 11'000, 1'000, 10'000, "", 0, 1'000 * m, 100'000 + 10'000 * (m - 3),
                        500'000 - 10'000 * (m - 3)});
    }
    write(a, {"M1記憶"}, rows);
    subtract();
    ASSERT_EQ(d.row_count(), 3 + 6) << "both prepayment rows fold into month 3";
    EXPECT_EQ(d.cell(5, 0), "3");
    EXPECT_EQ(d.cell(5, 6), "U一括");
    // Month 3 paid the same instalment in both, plus 70,000 prepaid in A; A's running
    // columns are those after the second prepayment, B's those of its month 3.
    EXPECT_EQ(amounts(5), texts({70'000, 0, 70'000, 0, 0, 70'000, -70'000}));
    EXPECT_EQ(amounts(6), texts({0, 0, 0, 0, 0, 70'000, -70'000}));
    EXPECT_EQ(d.cell(6, 6), "");
}

TEST_F(Difference, APrepaymentOfBIsTakenFromTheMonthBeforeIt) {
    write(a, {"M1記憶"}, loan(1, 6, 600'000, 1'000, 10'000));
    auto rows = loan(1, 3, 600'000, 1'000, 10'000);
    rows.push_back({3, 70'000, 0, 70'000, "U同時", 0, 3'000, 100'000, 500'000});
    for (long long m = 4; m <= 6; ++m) {
        rows.push_back({m, 11'000, 1'000, 10'000, "", 0, 1'000 * m, 100'000 + 10'000 * (m - 3),
                        500'000 - 10'000 * (m - 3)});
    }
    write(b, {"M2記憶"}, rows);
    subtract();
    ASSERT_EQ(d.row_count(), 3 + 6);
    EXPECT_EQ(d.cell(5, 6), "U加算");
    EXPECT_EQ(amounts(5), texts({-70'000, 0, -70'000, 0, 0, -70'000, 70'000}));
}

TEST_F(Difference, MonthsOfOneTableAloneAreMarkedAndStandAgainstTheOthersRowBefore) {
    write(a, {"M1記憶"},
          {{1, 1'100, 100, 1'000, "", 10'000, 100, 1'000, 9'000},
           {2, 1'100, 100, 1'000, "", 0, 200, 2'000, 8'000},
           {3, 1'100, 100, 1'000, "", 0, 300, 3'000, 7'000},
           {5, 1'100, 100, 1'000, "", 0, 400, 4'000, 6'000}});
    write(b, {"M2記憶"},
          {{1, 2'200, 200, 2'000, "", 20'000, 200, 2'000, 18'000},
           {2, 2'200, 200, 2'000, "", 0, 400, 4'000, 16'000},
           {4, 2'200, 200, 2'000, "", 0, 600, 6'000, 14'000},
           {5, 2'200, 200, 2'000, "", 0, 800, 8'000, 12'000}});
    subtract();
    ASSERT_EQ(d.row_count(), 3 + 5);
    EXPECT_EQ(amounts(3), texts({-1'100, -100, -1'000, -10'000, -100, -1'000, -9'000}));
    // Month 3, A alone: A's amounts; running columns against B's month 2.
    EXPECT_EQ(d.cell(5, 0), "3");
    EXPECT_EQ(d.cell(5, 6), "△");
    EXPECT_EQ(amounts(5), texts({1'100, 100, 1'000, 0, -100, -1'000, -9'000}));
    // Month 4, B alone: B's amounts taken away; running columns against A's month 3.
    EXPECT_EQ(d.cell(6, 0), "4");
    EXPECT_EQ(d.cell(6, 6), "▼");
    EXPECT_EQ(amounts(6), texts({-2'200, -200, -2'000, 0, -300, -3'000, -7'000}));
    EXPECT_EQ(d.cell(7, 0), "5");
    EXPECT_EQ(amounts(7), texts({-1'100, -100, -1'000, 0, -400, -4'000, -6'000}));
}

TEST_F(Difference, TotalsRowsInsideEitherTableAreLeftOut) {
    // Two loans one after the other: the first one's totals row stands between them.
    auto first = loan(1, 3, 30'000, 100, 10'000);
    std::vector<HandRow> rows = first;
    rows.push_back({3, 0, 0, 0, "K", 0, 300, 30'000, 0});
    for (const HandRow& h : loan(4, 6, 30'000, 100, 10'000))
        rows.push_back(h);
    write(a, {"M1記憶", "M2記憶"}, rows);
    write(b, {"M3記憶", "M4記憶"}, rows);
    subtract(2, 2);
    ASSERT_EQ(d.row_count(), 5 + 6);
    for (int r = 5; r < d.row_count(); ++r) {
        EXPECT_NE(d.cell(r, 6), "K");
        EXPECT_EQ(d.cell(r, 0), n(r - 4));
    }
    EXPECT_EQ(d.cell(3, 0), "▲M3記憶");
    EXPECT_EQ(d.cell(4, 0), "▲M4記憶");
}

TEST_F(Difference, MonthTwelveShowsAsCountOrAsCalendarMonth) {
    write(a, {"M1記憶"}, loan(12, 13, 20'000, 0, 10'000), false);
    write(b, {"M2記憶"}, loan(12, 13, 20'000, 0, 10'000), false);
    subtract(1, 1, false);
    EXPECT_EQ(d.cell(3, 1), "1");
    EXPECT_EQ(d.cell(3, 2), "0");
    EXPECT_EQ(d.cell(4, 1), "1");
    EXPECT_EQ(d.cell(4, 2), "1");
    subtract(1, 1, true);
    EXPECT_EQ(d.cell(3, 1), "0");
    EXPECT_EQ(d.cell(3, 2), "12");
    EXPECT_EQ(d.cell(4, 1), "1");
    EXPECT_EQ(d.cell(4, 2), "1");
}

TEST_F(Difference, ACellThatIsNoNumberIsNamedAndTheRowsBeforeItStay) {
    write(a, {"M1記憶"}, loan(1, 6, 60'000, 100, 10'000));
    write(b, {"M2記憶"}, loan(1, 6, 60'000, 100, 10'000));
    b.set_cell(4, 4, "x");  // B's month 3
    comparison::Rows rows;
    try {
        comparison::difference_rows(a, 1, b, 1, false, rows);
        FAIL() << "the bad cell was read as a number";
    } catch (const FieldValueError& e) {
        EXPECT_EQ(e.field(), "Sheet.B 4行4列");
    }
    ASSERT_EQ(rows.size(), 3u + 2u) << "months 1 and 2 were written";
    EXPECT_EQ(rows.back()[0], "2");
}

}  // namespace
}  // namespace rebanto
