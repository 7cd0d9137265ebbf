// "表計算用（数値）": the tables as UTF-8 CSV a spreadsheet reads as numbers, and as an Excel
// workbook. The expected files are written out by hand from the rows the tests enter.
#include <filesystem>
#include <fstream>

#include "export_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;
using testing::ExportTest;

constexpr const char* kBom = "\xEF\xBB\xBF";

class NumericExport : public ExportTest {
protected:
    // The monthly table with a prepayment after month 1, an edited remark holding a comma
    // and a quote, and a totals row.
    void write_rows_of_every_kind() {
        write_three_months();
        Grid& t = app.cur.StGr1;
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < t.row_count(); ++r)
            rows.push_back(t.row_cells(r));
        rows.insert(rows.begin() + 3, {"1", "内", "入", "25000", "2", "内入", "5000", "30", "日後",
                                       "内入", "0", "5000", "15000", "U日後30"});
        rows[4][13] = "S,\"x\"";
        rows.push_back({"3", "経", "過", "30300", "=精算総額", "返済計", "30300", "-", "0", "経過",
                        "300", "30000", "0", "K"});
        t.assign_rows(rows);
    }
    std::string save_current(const std::string& name) {
        platform.queue_file(folder.file(name));
        app.cur.Bt_suuti.click();
        return bytes_of(folder.file(name));
    }
    static std::string lines(std::initializer_list<const char*> texts) {
        std::string bytes = kBom;
        for (const char* t : texts)
            bytes += std::string(t) + "\r\n";
        return bytes;
    }
};

// ---- The CSV: one line of names, numbers as plain digits, RFC 4180 quoting ----

TEST_F(NumericExport, TheCompositeIsOneHeaderLineAndItsPeriodRowsAsPlainNumbers) {
    make_composite();
    platform.queue_file(folder.file("合成.csv"));
    f1.CSV3_suuti.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep information"});
    EXPECT_EQ(bytes_of(folder.file("合成.csv")),
              lines({"区分,m,y,mo,P,r,n,返済一回分,k,利息内訳,c,is,ps,返済額小計,np,備考,元の月回,"
                     "元の年,元の月,新規発生元金,利息累計額,元入累計額,元金残総額",
                     "返済,1,0,1,30000,①2,①3,10100,①1,100,①1,100,10000,10100,20000,,1,0,1,30000,"
                     "100,10000,20000",
                     "返済,2,0,2,20000,①2,①2,10100,①2,100,①1,100,10000,10100,10000,,2,0,2,0,"
                     "200,20000,10000",
                     "返済,3,0,3,10000,①2,①1,10100,①3,100,①1,100,10000,10100,0,,3,0,3,0,300,"
                     "30000,0"}));
    EXPECT_EQ(f1.exportFolder, (folder.path() / "").string());
}

TEST_F(NumericExport, MarkersLeaveNumberColumnsEmptyAndRemarksAreQuotedWhenTheyMustBe) {
    write_rows_of_every_kind();
    EXPECT_EQ(save_current("両表.csv"),
              lines({"区分,m,y,mo,P,r,n,I,k,i,c,is,ps,返済額小計,np,備考",
                     "返済,1,0,1,30000,2,3,10100,1,100,1,100,10000,10100,20000,",
                     "内入,1,,,25000,2,,5000,30,,,0,5000,5000,15000,U日後30",
                     "返済,2,0,2,20000,2,2,10100,2,100,1,100,10000,10100,10000,\"S,\"\"x\"\"\"",
                     "返済,3,0,3,10000,2,1,10100,3,100,1,100,10000,10100,0,",
                     "合計,3,,,30300,,,30300,,0,,300,30000,30300,0,K"}));
}

TEST_F(NumericExport, BothCurrentTablesGoUnderOneHeaderLineEachRowNamingItsTable) {
    write_three_months();
    Grid& bonus = app.cur.StGr2;
    bonus.assign_rows(
        {app.cur.StGr1.row_cells(0),
         app.cur.StGr1.row_cells(1),
         {"6", "0", "6", "6000", "2", "1", "6060", "1", "60", "1", "60", "6000", "0", ""}});
    const std::string bytes = save_current("両表.csv");
    EXPECT_TRUE(bytes.starts_with(std::string(kBom) + "表,区分,m,y,mo,"));
    EXPECT_NE(bytes.find("\r\n月返済,返済,3,0,3,10000,"), std::string::npos);
    EXPECT_TRUE(
        bytes.ends_with("\r\nボーナス返済,返済,6,0,6,6000,2,1,6060,1,60,1,60,6000,6060,0,\r\n"));
}

TEST_F(NumericExport, TheDifferenceTableLeavesOutItsTitleRowsAndItsUnnamedColumn) {
    TFormHi& hi = app.compare;
    hi.StringGrid3.assign_rows(
        {{"月回", "年", "月", "返済１回分", "利息小計", "元入小計", "備考", "", "新規発生元金",
          "利息累計額", "元入累計額", "元金残総額"},
         {"M1記憶", "", "", "", "", "", "", "", "", "", "", ""},
         {"▲M2記憶", "", "", "", "", "", "", "", "", "", "", ""},
         {"7", "0", "7", "-1500", "-1200.5", "-300", "△", "x", "0", "-1200.5", "-300", "300"}});
    hi.Label3.set_tag(2);
    hi.enable_operations();
    platform.queue_file(folder.file("差引.csv"));
    hi.CSV3_suuti.click();
    EXPECT_EQ(bytes_of(folder.file("差引.csv")),
              lines({"区分,月回,年,月,返済１回分,利息小計,元入小計,返済額小計,備考,新規発生元金,"
                     "利息累計額,元入累計額,元金残総額",
                     "返済,7,0,7,-1500,-1200.5,-300,-1500.5,△,0,-1200.5,-300,300"}));
}

// ---- The workbook ----

TEST_F(NumericExport, ANameEndingInXlsxIsAWorkbookAndNotCsv) {
    write_three_months();
    const std::string bytes = save_current("両表.XLSX");
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(bytes.substr(0, 4), "PK\x03\x04");  // a zip container
    EXPECT_NE(bytes.find("xl/worksheets/sheet1.xml"), std::string::npos);
    EXPECT_EQ(bytes.find("xl/worksheets/sheet2.xml"), std::string::npos);  // no bonus rows
}

// ---- Bad tables and failed writes ----

TEST_F(NumericExport, AnAmountThatIsNoNumberNamesItsCellAndLeavesTheFileAsItWas) {
    write_three_months();
    app.cur.StGr1.set_cell(3, 3, "2O000");
    { std::ofstream(folder.file("両表.csv"), std::ios::binary) << "old"; }
    platform.queue_file(folder.file("両表.csv"));
    app.cur.Bt_suuti.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].starts_with("error ")) << log[0];
    EXPECT_NE(log[0].find("TForCur.StGr1 3行3列"), std::string::npos) << log[0];
    EXPECT_NE(log[0].find("2O000"), std::string::npos) << log[0];
    EXPECT_EQ(bytes_of(folder.file("両表.csv")), "old");
}

TEST_F(NumericExport, AWriteThatFailsNamesTheFileAndKeepsWhatWasThere) {
    write_three_months();
    const std::string folder_before = f1.exportFolder;
    fs::create_directory(folder.file("表.csv"));  // a name the file cannot take
    std::ofstream(folder.file("表.csv") + "/inside", std::ios::binary) << "kept";
    platform.queue_file(folder.file("表.csv"));
    app.cur.Bt_suuti.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("表.csv"), std::string::npos) << log[0];
    EXPECT_NE(log[0].find("元のファイルは変更されていません"), std::string::npos) << log[0];
    EXPECT_EQ(bytes_of(folder.file("表.csv") + "/inside"), "kept");
    EXPECT_EQ(f1.exportFolder, folder_before);
}

TEST_F(NumericExport, EmptyCurrentTablesAskForACalculationAndWriteNothing) {
    platform.queue_file(folder.file("空.csv"));
    app.cur.Bt_suuti.click();
    EXPECT_EQ(platform.take_log(),
              std::vector<std::string>{
                  "info カレント両表に返済行がありません。計算してから保存して下さい。"});
    EXPECT_FALSE(fs::exists(folder.file("空.csv")));
}

// ---- The composite exports follow their composite ----

TEST_F(NumericExport, CompositeExportsAreThereOnlyWhileTheirCompositeIs) {
    for (Button* b : {&f1.CSV3, &f1.CSV4, &f1.CSV3_suuti, &f1.CSV4_suuti})
        EXPECT_FALSE(b->enabled()) << b->name();
    f1.CSV3.click();
    EXPECT_TRUE(f1.RichEdit4.lines().empty());  // no title and lines of commas

    make_composite();
    EXPECT_TRUE(f1.CSV3.enabled());
    EXPECT_TRUE(f1.CSV3_suuti.enabled());
    EXPECT_FALSE(f1.CSV4.enabled());
    EXPECT_FALSE(f1.CSV4_suuti.enabled());

    f1.Button31.click();  // "消"
    for (Button* b : {&f1.CSV3, &f1.CSV4, &f1.CSV3_suuti, &f1.CSV4_suuti, &f1.Button27})
        EXPECT_FALSE(b->enabled()) << b->name();
}

TEST_F(NumericExport, ABonusOnlyCompositeMergedIntoTheMonthlyOneEnablesTheMonthlyExports) {
    write_three_months();
    app.cur.StGr2.assign_rows(
        {app.cur.StGr1.row_cells(0), app.cur.StGr1.row_cells(1), app.cur.StGr1.row_cells(2)});
    f1.copy_into_composite(true);
    EXPECT_TRUE(f1.CSV4.enabled());
    EXPECT_FALSE(f1.CSV3.enabled());
    f1.Button30.click();  // "合成月＋ﾎﾞｰﾅｽ合成作業" with the bonus composite alone
    EXPECT_TRUE(f1.CSV3.enabled());
    EXPECT_TRUE(f1.CSV3_suuti.enabled());
}

}  // namespace
}  // namespace rebanto
