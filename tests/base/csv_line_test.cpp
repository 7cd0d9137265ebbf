// Cells joined into CSV and TSV lines, quoted by RFC 4180 or left as given.
#include "base/csv_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace rebanto {
namespace {

TEST(CsvLine, PlainCellsAreJoinedUnquoted) {
    EXPECT_EQ(csv_line({"月回", "83564", "", "-12"}), "月回,83564,,-12");
    EXPECT_EQ(csv_line({}), "");
    EXPECT_EQ(csv_line({""}), "");
}

TEST(CsvLine, SeparatorQuoteAndLineBreaksAreQuoted) {
    EXPECT_EQ(csv_line({"a,b", "x"}), "\"a,b\",x");
    EXPECT_EQ(csv_line({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv_line({"two\nlines", "cr\rhere"}), "\"two\nlines\",\"cr\rhere\"");
    EXPECT_EQ(csv_line({"\""}), "\"\"\"\"");
}

TEST(CsvLine, TabSeparatedQuotesTabsButNotCommas) {
    EXPECT_EQ(csv_line({"1,000", "a\tb"}, '\t'), "1,000\t\"a\tb\"");
}

TEST(CsvLine, AsGivenKeepsCellsByteForByte) {
    // The lender-style lines quote their money cells themselves; nothing is added or doubled.
    EXPECT_EQ(csv_line({"\"     \\300,000\"", "a,b", "q\"q"}, ',', CsvQuoting::AsGiven),
              "\"     \\300,000\",a,b,q\"q");
}

// A table of 7 rows: the header (0), two title rows, four rows of which row 5 has no line.
TEST(TitledTable, TitlesBlankLinesAndTheHeaderAroundTheRowsThatHaveALine) {
    std::vector<std::string> out{"before"};
    append_titled_table({"title", 7, 2, [](int r) { return "t" + std::to_string(r); }, "head",
                         [](int r) -> std::optional<std::string> {
                             if (r == 5) return std::nullopt;
                             return "b" + std::to_string(r);
                         }},
                        out);
    EXPECT_EQ(out, (std::vector<std::string>{"before", "title", "", "t1", "t2", "", "head", "b3",
                                             "b4", "b6", "head"}));
}

TEST(TitledTable, TitlesBeyondTheTableStopAtItsLastRow) {
    std::vector<std::string> out;
    append_titled_table({"title", 3, 5, [](int r) { return "t" + std::to_string(r); }, "head",
                         [](int) -> std::optional<std::string> { return "body"; }},
                        out);
    EXPECT_EQ(out, (std::vector<std::string>{"title", "", "t1", "t2", "", "head", "head"}));
}

}  // namespace
}  // namespace rebanto
