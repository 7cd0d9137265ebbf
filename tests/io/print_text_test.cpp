// "印刷" of the composite tables: the output memo in rich-text mode with the table as
// lined-up text, a sentence after each totals row, and the dialog preset to rich text;
// "印刷" of the output panel prints it.
#include "export_fixture.h"

namespace rebanto {
namespace {

using testing::ExportTest;

// Columns of a fixed-pitch Japanese font: ASCII and half-width katakana take one.
int columns_of(const std::string& s) {
    int width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            width += 1;
            i += 1;
        } else {
            const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            const std::string ch = s.substr(i, n);
            width += (ch >= "\uFF61" && ch <= "\uFF9F" && n == 3) ? 1 : 2;
            i += n;
        }
    }
    return width;
}

// The column at which `what` starts in `line`, or -1.
int column_of(const std::string& line, const std::string& what) {
    const auto at = line.find(what);
    return at == std::string::npos ? -1 : columns_of(line.substr(0, at));
}

class PrintText : public ExportTest {
protected:
    void SetUp() override {
        write_three_months();
        app.cur.StGr1.append_row({"3", "経", "過", "30300", "=精算総額", "返済計", "30300", "-",
                                  "0", "経過", "300", "30000", "0", "K"});
        f1.copy_into_composite(false);
        platform.take_log();
    }
};

TEST_F(PrintText, TheTableIsLinedUpInTheOutputMemoAsRichText) {
    ASSERT_TRUE(f1.Button27.enabled()) << "the copy work enables it";
    f1.Button27.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep information"});
    EXPECT_TRUE(f1.Panel1.visible());
    EXPECT_FALSE(f1.RichEdit4.plain_text());
    EXPECT_EQ(f1.ExportFilter, 1);
    EXPECT_EQ(f1.ExportExtension, "rtf");
    const auto& lines = f1.RichEdit4.lines();
    // Title, empty, head row, empty, header, three months, totals row and its sentence,
    // header.
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "Rebanto（合成返済表）  -- by.未記入無名 -- 2026/12/08 --  --");
    EXPECT_TRUE(lines[2].starts_with("①表 ")) << lines[2];
    EXPECT_EQ(lines[4], lines[10]);
    EXPECT_TRUE(lines[5].starts_with("   1   0 1 ")) << lines[5];
    // Amounts are right-aligned in columns as wide as "%13m": the months end together,
    // and each amount ends thirteen columns after its header starts.
    EXPECT_EQ(columns_of(lines[5]), columns_of(lines[6]));
    EXPECT_EQ(columns_of(lines[6]), columns_of(lines[7]));
    EXPECT_EQ(column_of(lines[4], "返済一回分") + 13,
              column_of(lines[5], R"(\10,100)") + columns_of(R"(\10,100)"));
    EXPECT_EQ(column_of(lines[4], "元金残総額") + 13, columns_of(lines[7]));
    EXPECT_EQ(column_of(lines[5], "①3回払"), column_of(lines[4], " n ") + 1) << "after the %";
    EXPECT_EQ(
        lines[9],
        R"(        ①経過　ここまでの支払利息合計は\300 　元入額合計は\30,000 で月々返済額合計は)"
        R"(\30,300 。さらに元金残\0 返済で完済［総返済額＝\30,300 ］)");
}

TEST_F(PrintText, TheOutputMemoGoesToThePrinterInItsFont) {
    f1.Button27.click();
    f1.Bt1_insatu.click();
    ASSERT_EQ(platform.printed().size(), 1u);
    EXPECT_EQ(platform.printed()[0].lines, f1.RichEdit4.lines());
    EXPECT_EQ(platform.printed()[0].font.name, "ＭＳ ゴシック");
    f1.Bt1_tojiru.click();
    EXPECT_FALSE(f1.Panel1.visible());
}

TEST_F(PrintText, TheBonusTableHasItsOwnTitle) {
    app.cur.StGr2.assign_rows(
        {app.cur.StGr1.row_cells(0), app.cur.StGr1.row_cells(1), app.cur.StGr1.row_cells(2)});
    f1.copy_into_composite(true);
    ASSERT_TRUE(f1.Button36.enabled());
    f1.Button36.click();
    EXPECT_TRUE(f1.RichEdit4.lines()[0].starts_with("Rebanto（合成ボーナス返済表）  -- by."));
    EXPECT_EQ(f1.RichEdit4.lines().size(), 7u);
}

}  // namespace
}  // namespace rebanto
