// The CSV text of a comparison table, line by line as a spreadsheet reads it: title rows as
// they stand, period rows with the month formatted and the amounts quoted in "%13m",
// prepayment and totals rows with the month as it stands, other rows left out.
#include "compare/comparison_csv.h"

#include "base/errors.h"
#include "comparison_fixture.h"

namespace rebanto {
namespace {

using testing::HandRow;

class ComparisonCsv : public testing::ComparisonTables {
protected:
    std::vector<std::string> csv(const Grid& table, int titles) {
        std::vector<std::string> lines;
        comparison::comparison_csv(table, titles, "TITLE", lines);
        return lines;
    }
    const std::string header =
        "月回,年,月,返済１回分,利息小計,元入小計,備考,,新規発生元金,利息累計額,元入累計額,"
        "元金残総額";
};

TEST_F(ComparisonCsv, EachKindOfRowHasItsLine) {
    write(a, {"M1記憶"},
          {{1, 11'000, 1'000, 10'000, "", 1'200'000, 1'000, 10'000, 1'190'000},
           {1, 50'000, 0, 50'000, "U同時", 0, 1'000, 60'000, 1'140'000},
           {2, 11'000, 1'000, 10'000, "Z", 0, 2'000, 70'000, 1'130'000}});
    const std::vector<std::string> expected{
        "TITLE", "", "M1記憶,,,1000000,①2.325,,T･6･6･64･･･,,,,,", "", header,
        R"(   1,  0,1,"      \11,000","       \1,000","      \10,000",,,"   \1,200,000",)"
        R"("       \1,000","      \10,000","   \1,190,000")",
        R"(1,0,1,"      \50,000","           \0","      \50,000",U同時,,"           \0",)"
        R"("       \1,000","      \60,000","   \1,140,000")",
        // The totals row the fixture writes repeats the last row, marked "K".
        R"(2,0,2,"      \11,000","       \1,000","      \10,000",K,,"           \0",)"
        R"("       \2,000","      \70,000","   \1,130,000")",
        header};
    EXPECT_EQ(csv(a, 1), expected) << "the row marked Z has no line";
}

TEST_F(ComparisonCsv, TheDifferenceTableListsBothTitlesAndItsMonthsOfOneTableAlone) {
    // A difference table: A's title, B's title marked "▲", a month of A alone and a
    // month of B alone.
    write(d, {"M1記憶", "▲M2記憶"},
          {{3, 1'100, 100, 1'000, "△", 0, -100, -1'000, -9'000},
           {4, -2'200, -200, -2'000, "▼S1", 0, -300, -3'000, -7'000}},
          false);
    const auto lines = csv(d, 2);
    ASSERT_EQ(lines.size(), 2u + 2u + 2u + 2u + 1u);
    EXPECT_TRUE(lines[3].starts_with("▲M2記憶,"));
    EXPECT_EQ(lines[6], R"(   3,  0,3,"       \1,100","         \100","       \1,000",△,,)"
                        R"("           \0","        -\100","      -\1,000","      -\9,000")");
    EXPECT_EQ(lines[7], R"(   4,  0,4,"      -\2,200","        -\200","      -\2,000",▼S1,,)"
                        R"("           \0","        -\300","      -\3,000","      -\7,000")");
}

TEST_F(ComparisonCsv, ACellWithACommaOrAQuoteIsWrittenUnchangedAsTheLenderFilesAlwaysWere) {
    write(a, {"M1,\"記憶\""}, {{1, 50'000, 0, 50'000, "U日後,\"30\"", 0, 1'000, 60'000, 1'140'000}},
          false);
    const auto lines = csv(a, 1);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(lines[2].starts_with("M1,\"記憶\",,,")) << lines[2];
    EXPECT_EQ(lines[5], R"(1,0,1,"      \50,000","           \0","      \50,000",U日後,"30",,)"
                        R"("           \0","       \1,000","      \60,000","   \1,140,000")");
}

TEST_F(ComparisonCsv, AnAmountThatIsNoNumberStopsAtItsCellKeepingTheLinesBefore) {
    write(a, {"M1記憶"}, loan(1, 3, 30'000, 100, 10'000), false);
    a.set_cell(3, 9, "1,000");  // month 2: a thousands separator is no number here
    std::vector<std::string> lines;
    try {
        comparison::comparison_csv(a, 1, "TITLE", lines);
        FAIL();
    } catch (const FieldValueError& e) {
        EXPECT_EQ(e.field(), "Sheet.A 3行9列");
    }
    EXPECT_EQ(lines.size(), 6u) << "up to the line of month 1";
}

TEST_F(ComparisonCsv, MoneyIsRoundedToTenThousandthsHalfToEvenThenToTheYen) {
    // 0.00005 rounds to 0.0000 (even) and 1.49995 to 1.5000, shown as 2 yen: the
    // money format rounds half away from zero.
    write(a, {"M1記憶"}, {{1, 0, 0, 0, "", 0, 0, 0, 0}}, false);
    a.set_cell(2, 3, "0.00005");
    a.set_cell(2, 4, "1.49995");
    const auto lines = csv(a, 1);
    EXPECT_TRUE(lines[5].starts_with(R"(   1,  0,1,"           \0","           \2",)")) << lines[5];
}

}  // namespace
}  // namespace rebanto
