// Cells joined into CSV and TSV lines, quoted by RFC 4180 or left as given.
#include "base/csv_line.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace rebanto
