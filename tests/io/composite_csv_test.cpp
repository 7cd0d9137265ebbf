// "CSV化" of the composite tables and the file the output memo's "保存" writes from it:
// byte for byte, code page 932 with CR LF, every kind of row in its own layout.
#include "base/cp932.h"
#include "export_fixture.h"

namespace rebanto {
namespace {

using testing::ExportTest;

TEST_F(ExportTest, AOneLoanThreeMonthCompositeIsNineLinesByteForByte) {
    make_composite();
    f1.CSV3.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep information"});
    platform.queue_file(folder.file("合成.csv"));
    f1.Button69.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{});
    const std::vector<std::string> lines{
        "Rebanto（合成返済表）  -- by.未記入無名 -- 2026/12/08 --  --,,,,,,,,,,,,,",
        "",
        R"(①表,10,0,30000,2,3,10100,月返済①表,************,,,,"",T･6･6･64･･･････････････････････････)",
        "",
        "m,y,mo,P,r,n,返済一回分,k,利息内訳) "
        ",c,is,ps,np,f,m,y,mo,新規発生元金,利息累計額,元入累計額,"
        "元金残総額",
        R"(   1,  0,1,"      \30,000",①2%,①3回払,"      \10,100",（①1回目=,"         \100",)"
        R"(）①1回計=,"         \100","      \10,000","      \20,000",,1,0,1,"      \30,000",)"
        R"("         \100","      \10,000","      \20,000")",
        R"(   2,  0,2,"      \20,000",①2%,①2回払,"      \10,100",（①2回目=,"         \100",)"
        R"(）①1回計=,"         \100","      \10,000","      \10,000",,2,0,2,"           \0",)"
        R"("         \200","      \20,000","      \10,000")",
        R"(   3,  0,3,"      \10,000",①2%,①1回払,"      \10,100",（①3回目=,"         \100",)"
        R"(）①1回計=,"         \100","      \10,000","           \0",,3,0,3,"           \0",)"
        R"("         \300","      \30,000","           \0")",
        "m,y,mo,P,r,n,返済一回分,k,利息内訳) "
        ",c,is,ps,np,f,m,y,mo,新規発生元金,利息累計額,元入累計額,"
        "元金残総額",
    };
    ASSERT_EQ(lines.size(), 9u);
    std::string expected;
    for (const std::string& line : lines)
        expected += utf8_to_cp932(line) + "\r\n";
    const std::string bytes = bytes_of(folder.file("合成.csv"));
    EXPECT_EQ(bytes, expected);
    // A few bytes checked by hand: 合 in code page 932, the yen sign, the line ends.
    EXPECT_EQ(bytes.substr(0, 11), "Rebanto\x81\x69\x8D\x87");
    EXPECT_NE(bytes.find("\"      \x5C"
                         "30,000\""),
              std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(f1.exportFolder, (folder.path() / "").string());
}

TEST_F(ExportTest, PrepaymentAndTotalsRowsHaveTheirOwnLayouts) {
    write_three_months();
    Grid& t = app.cur.StGr1;
    // A prepayment of 5,000 after month 1, and the totals row at the end.
    t.set_row(3,
              {"1", "0", "1", "5000", "", "", "5000", "", "", "", "0", "5000", "15000", "U同時"});
    t.append_row({"3", "経", "過", "35100", "=精算総額", "返済計", "35100", "-", "0", "経過", "300",
                  "35000", "0", "K"});
    f1.copy_into_composite(false);
    f1.CSV3.click();
    const auto& lines = f1.RichEdit4.lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[6],
              R"(1,0,1,　内入れ返済－　総額=,,,"       \5,000",①,,に返済,"           \0",)"
              R"("       \5,000","\15,000",U同時,1,0,1,"           \0","         \100",)"
              R"("      \15,000","      \15,000")");
    // The totals row: 14 fields, the amounts in "%m" without padding.
    EXPECT_EQ(lines[8],
              R"(,①経過,　ここで完済時総返済額=,,"\35,100",,"\35,100",は当回迄返済額総計,,)"
              R"(各々小計=,"\300","\35,000","\0",で完済  K)");
}

TEST_F(ExportTest, TheBonusCompositeHasEighteenColumns) {
    write_three_months();
    app.cur.StGr2.assign_rows(
        {app.cur.StGr1.row_cells(0), app.cur.StGr1.row_cells(1), app.cur.StGr1.row_cells(2)});
    f1.copy_into_composite(true);
    f1.CSV4.click();
    const auto& lines = f1.RichEdit4.lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(lines[0].starts_with("Rebanto（合成ボーナス返済表）  -- by.未記入無名 -- "));
    // Fields as a spreadsheet splits them: commas inside quotes belong to the amount.
    const auto fields = [](const std::string& line) {
        int count = 1;
        bool quoted = false;
        for (char c : line) {
            if (c == '"') quoted = !quoted;
            if (c == ',' && !quoted) ++count;
        }
        return count;
    };
    EXPECT_EQ(fields(lines[4]), 18);
    EXPECT_EQ(fields(lines[5]), 18);
    EXPECT_TRUE(lines[5].ends_with(R"(,1,0,1,"      \30,000")")) << lines[5];
}

TEST_F(ExportTest, AnAmountThatIsNoNumberStopsTheCsvNamingItsCell) {
    make_composite();
    f1.StringGrid3.set_cell(3, 8, "百");  // month 2's interest part
    f1.CSV3.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{
                  "error 入力欄 TForm1.StringGrid3 3行8列 の「百」は有効な数値ではありません"});
    EXPECT_EQ(f1.RichEdit4.lines().size(), 6u) << "the lines up to month 1 stay";
}

}  // namespace
}  // namespace rebanto
