// Loading and saving the current tables as pack files through the file dialogs, and the
// five-memory files.
#include "base/cp932.h"
#include "base/errors.h"
#include "base/field_at.h"
#include "base/linefile.h"
#include "tables/pack_file.h"
#include "tables_fixture.h"

namespace rebanto {
namespace {

using testing::TablesTest;

TEST_F(TablesTest, ATypicalRunRoundTripsByteForByte) {
    typical_run();
    f1.Ed555.set_text("typical");  // the work name the file will be named after
    const std::string first = folder.file("typical.mpc");
    const std::string second = folder.file("again.mpc");
    platform.queue_file(first);
    f1.Button88.click();
    EXPECT_EQ(read_lines(first).size(), 15u + 14u * (73 + 73));
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    platform.queue_file(first);
    f1.Button87.click();
    EXPECT_EQ(cur.StGr1.row_count(), 73);
    platform.queue_file(second);
    f1.Button88.click();
    EXPECT_TRUE(bytes_of(first) == bytes_of(second));
}

TEST_F(TablesTest, SaveStampsTheWorkNameAndTakesTheFileName) {
    typical_run();
    f1.Ed555.set_text("KoM");
    platform.queue_file(folder.file("loan35.mpc"));
    f1.Button88.click();
    EXPECT_EQ(cur.StGr1.cell(1, 9), "KoM");
    EXPECT_EQ(cur.StGr2.cell(1, 9), "KoM");
    EXPECT_EQ(f1.Ed555.text(), "loan35");
    EXPECT_EQ(f1.packFolder, (folder.path() / "").string());
    EXPECT_EQ(platform.take_log().front(), "beep warning") << "a save always sounds";
}

TEST_F(TablesTest, LoadSetsDatesSettingsCopiesAndWorkName) {
    typical_run();
    f1.MsEd8_yusi.set_text("2026/04/01");
    f1.FuriR.set_tag(1000);
    const std::string path = folder.file("dated.mpc");
    platform.queue_file(path);
    f1.Button88.click();
    f1.MsEd8_yusi.set_text("2001/05/21");
    f1.FuriR.set_tag(100);
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    platform.queue_file(path);
    f1.Button87.click();
    EXPECT_EQ(f1.MsEd8_yusi.text(), "2026/04/01");
    EXPECT_EQ(f1.FuriR.tag(), 1000);
    EXPECT_TRUE(f1.Furi1000.checked());
    EXPECT_TRUE(f1.Button89.visible());
    EXPECT_EQ(f1.Edit67.text(), path);
    EXPECT_EQ(f1.Ed555.text(), "dated");
    EXPECT_TRUE(f1.ButtonM.enabled());
    EXPECT_TRUE(f1.ButtonB.enabled());
    EXPECT_EQ(f1.Edit45.text(), "ｶﾚﾝﾄ月返済表") << "the monthly copy is shown last";
    EXPECT_EQ(f1.StringGrid2.row_count(), 73);
}

TEST_F(TablesTest, UnrecordedSettingsAndAnEmptySettingsString) {
    std::vector<std::string> lines{"3",  "2",  "2001/05/21", "2001/06/20", "2001/07/20",
                                   "6",  "7",  "8",          "9",          "10",
                                   "11", "12", "13",         "14",         "15"};
    auto add_row = [&](std::vector<std::string> cells) {
        cells.resize(14);
        lines.insert(lines.end(), cells.begin(), cells.end());
    };
    add_row({"月回"});
    add_row({"", "", "", "", "", "", "", "", "************"});
    add_row({"6", "0", "6", "1000000", "2.325", "120", "9347", "6"});
    add_row({"月回"});
    add_row({"", "", "", "", "", "", "", "", "************", "", "", "", "",
             "T･6･6･64･･･････････････････････････"});
    const std::string path = folder.file("old.mpc");
    write_lines(path, lines);
    f1.RB13.click();
    platform.queue_file(path);
    f1.Button87.click();
    EXPECT_EQ(f1.HRh.tag(), 0);
    EXPECT_EQ(f1.HRr.tag(), 0);
    EXPECT_EQ(f1.HHkkgg.text(), "0");
    EXPECT_EQ(f1.FuriR.tag(), 1);
    EXPECT_EQ(cur.StGr1.cell(1, 13), "T･6･6･12･･･････････････････････････");
    EXPECT_FALSE(f1.ButtonB.enabled()) << "no bonus data rows";
}

TEST_F(TablesTest, AFileWithoutMonthlyRowsClearsTheMonthlySide) {
    typical_run();
    f1.Ed0_wari.set_text("100");
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.Button1.click();  // a bonus row only
    const std::string path = folder.file("bonus.mpc");
    platform.queue_file(path);
    f1.Button88.click();
    ASSERT_EQ(read_lines(path)[0], "2");
    typical_run();
    platform.queue_file(path);
    f1.Button87.click();
    EXPECT_EQ(cur.StGr1.row_count(), 2);
    EXPECT_FALSE(f1.ButtonM.enabled());
    EXPECT_EQ(f1.RichEdit1.lines().size(), 2u) << "the monthly memo is cleared";
}

TEST_F(TablesTest, ADamagedFileLeavesTheTablesAsTheyWere) {
    typical_run();
    const std::string path = folder.file("broken.mpc");
    write_lines(path, {"73", "73", "2001/05/21"});
    platform.queue_file(path);
    f1.Button87.click();
    EXPECT_EQ(cur.StGr1.row_count(), 73);
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(log.back().starts_with("error ")) << log.back();
    EXPECT_NE(log.back().find("broken.mpc"), std::string::npos);
    EXPECT_FALSE(f1.Button89.visible());
}

TEST_F(TablesTest, ALineBreakInsideACellIsRefusedAndTheTablesStaySavable) {
    typical_run();
    const std::string path = folder.file("cr.mpc");
    f1.Save_mpc(path);
    std::vector<std::string> lines = read_lines(path);
    lines[15 + 14 * 2 + 3] += "\r9";  // a cell of the first monthly data row
    std::string bytes;
    for (const std::string& line : lines)
        bytes += utf8_to_cp932(line) + "\r\n";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const auto before = cur.StGr1.row_cells(2);

    platform.queue_file(path);
    f1.Button87.click();
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(log.back().starts_with("error ")) << log.back();
    EXPECT_NE(log.back().find("cr.mpc"), std::string::npos) << log.back();
    EXPECT_EQ(cur.StGr1.row_cells(2), before);
    EXPECT_NO_THROW(f1.Save_mpc(folder.file("again.mpc")));
}

TEST_F(TablesTest, ACancelledDialogChangesNothing) {
    typical_run();
    f1.Button87.click();
    f1.Button88.click();
    EXPECT_EQ(cur.StGr1.row_count(), 73);
    EXPECT_EQ(f1.Ed555.text(), "_New");
}

TEST_F(TablesTest, ResaveWritesTheLoadedFileAgain) {
    typical_run();
    const std::string path = folder.file("re.mpc");
    platform.queue_file(path);
    f1.Button88.click();
    platform.queue_file(path);
    f1.Button87.click();
    f1.MsEd8_yusi.set_text("2026/01/15");
    f1.Button89.click();
    EXPECT_EQ(read_lines(path)[2], "2026/01/15");
    EXPECT_FALSE(f1.Button89.visible());
    EXPECT_TRUE(f1.Edit78.visible());
}

TEST_F(TablesTest, WorkNameDoubleClickProposesItAsTheFileName) {
    typical_run();
    f1.Ed555.set_text("案A");
    platform.queue_file(folder.file("案A.mpc"));
    f1.Ed555.dbl_click();
    EXPECT_EQ(read_lines(folder.file("案A.mpc"))[0], "73");
}

TEST_F(TablesTest, BulkSaveFillsEmptySlotsWithTheLastStoredOne) {
    typical_run();
    cur.Button81.click();  // slot 1: the typical loan
    f1.Ed0_moto.set_text("1000000");
    f1.Ed0_wari.set_text("0");
    f1.Ed0_nen.set_text("10");
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.Button18.click();
    cur.Button83.click();  // slot 3: 1,000,000 over 10 years
    cur.Button8.click();
    const auto slot1 = bytes_of(cur.slot_file(1));
    const auto slot3 = bytes_of(cur.slot_file(3));
    EXPECT_EQ(cur.slot_file(2), (folder.path() / "両表２").string());
    EXPECT_TRUE(bytes_of(cur.slot_file(2)) == slot1);
    EXPECT_TRUE(bytes_of(cur.slot_file(4)) == slot3);
    EXPECT_TRUE(bytes_of(cur.slot_file(5)) == slot3);
    EXPECT_TRUE(slot1 != slot3);
    EXPECT_EQ(read_lines(cur.slot_file(1))[0], "73");
    EXPECT_EQ(read_lines(cur.slot_file(3))[0], "23");
}

TEST_F(TablesTest, BulkLoadStoresEveryFileAndStopsAtAMissingOne) {
    typical_run();
    cur.Button81.click();
    cur.Button8.click();
    std::filesystem::remove(cur.slot_file(4));
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    cur.Button7.click();
    EXPECT_TRUE(cur.Button93.enabled());
    EXPECT_FALSE(cur.Button94.enabled());
    EXPECT_TRUE(platform.take_log().back().starts_with("error "));
}

// A settings row whose bonus settings are no counts cannot be applied: the file is refused
// before anything changes, whichever window's "読込" was pressed.
TEST_F(TablesTest, APackWithBadBonusSettingsIsRefusedNamingFileAndLine) {
    typical_run();
    const std::string path = folder.file("bad.mpc");
    f1.Save_mpc(path);
    std::vector<std::string> lines = read_lines(path);
    const std::size_t settings = 15 + 14 + 13;  // monthly settings row, column 13
    lines[settings] = "T･4･x･64･";
    std::string bytes;
    for (const std::string& line : lines)
        bytes += utf8_to_cp932(line) + "\r\n";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const auto before = cur.StGr1.row_cells(1);
    for (Button* load : {&cur.Button87, &f1.Button87}) {
        platform.queue_file(path);
        EXPECT_NO_THROW(load->click());
        const auto log = platform.take_log();
        ASSERT_FALSE(log.empty());
        EXPECT_TRUE(log.back().starts_with("error ")) << log.back();
        EXPECT_NE(log.back().find("bad.mpc"), std::string::npos) << log.back();
        EXPECT_NE(log.back().find("行 43"), std::string::npos) << log.back();
        EXPECT_EQ(cur.StGr1.row_cells(1), before);
    }
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

using testing::TablesTest;

// Without a data folder of its own the set-aside tables go to the start folder, never to
// whatever folder the process was started from (two runs side by side would swap them).
TEST_F(TablesTest, TheSetAsideTablesLiveInTheStartFolder) {
    typical_run();
    f1.dataFolder.clear();
    f1.save_aside();
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "退避"));
    const int rows = cur.StGr1.row_count();
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.restore_aside();
    EXPECT_EQ(cur.StGr1.row_count(), rows);
}

// The set-aside tables come back exactly as reading the file gives them, even where that
// is not what was set aside: a wave dash is read back as the full-width tilde.
TEST_F(TablesTest, SetAsideTablesComeBackAsTheFileReadsThem) {
    typical_run();
    const std::string wave = "\xE3\x80\x9C";   // 〜
    const std::string tilde = "\xEF\xBD\x9E";  // ～
    cur.StGr1.set_cell(0, 0, "月" + wave);
    const auto kept = cur.StGr1.rows();
    f1.save_aside();
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    f1.restore_aside();
    EXPECT_EQ(cur.StGr1.cell(0, 0), "月" + tilde);
    EXPECT_EQ(cur.StGr1.row_count(), static_cast<int>(kept.size()));
    EXPECT_EQ(cur.StGr1.row_cells(40), kept[40]);
}

// A set-aside file rewritten since, by a save or by anything else, is read as it stands.
TEST_F(TablesTest, ASetAsideFileChangedSinceIsReadAsItStands) {
    typical_run();
    const std::string path = f1.data_path("退避");
    f1.save_aside();
    PackFile other = read_pack_file(path);
    other.monthly[2][0] = "99";
    write_pack_file(path, other);
    f1.restore_aside();
    EXPECT_EQ(cur.StGr1.cell(2, 0), "99");

    f1.save_aside();
    cur.StGr1.set_cell(2, 0, "77");
    f1.Save_mpc(path);
    cur.StGr1.set_cell(2, 0, "55");
    f1.restore_aside();
    EXPECT_EQ(cur.StGr1.cell(2, 0), "77");

    f1.save_aside();
    std::filesystem::remove(path);
    EXPECT_THROW(f1.restore_aside(), FileError) << "a set-aside file gone is an error, as before";
}

}  // namespace
}  // namespace rebanto
