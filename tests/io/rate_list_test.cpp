// The rate selection list: its file layout, opening beside a field, choosing a rate, the
// key filter, and the files "kinriOP.ini" and "*.ksl".
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/cp932.h"
#include "base/errors.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "io/rate_list_store.h"
#include "model/headless_platform.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

// A fresh start folder per test.
struct TempFolder {
    TempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path = fs::temp_directory_path() / ("rebanto-io-" + std::to_string(::getpid()) + "-" +
                                            test->test_suite_name() + "-" + test->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

std::string bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Row 1: 公庫 2.80 → 4.0 from year 11 | 銀行変動 2.375; row 2: フラット 1.50 → 2.10 |
// nothing; row 3: no two-step rate | 固定10年 3.10. Every other cell is marked empty.
std::vector<std::string> sample_list() {
    std::vector<std::string> lines(240, "■");
    const char* rows[3][8] = {{"公庫", "公庫基準", "2.80", "11", "4.0", "■", "銀行変動", "2.375"},
                              {"フラット", "段階", "1.50", "11", "2.10", "■", "■", "■"},
                              {"銀行", "■", "■", "■", "■", "■", "固定10年", "3.10"}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 8; ++col)
            lines[row * 8 + col] = rows[row][col];
    }
    return lines;
}

// ---- The file layout ----

TEST(RateListFile, RoundTripPadsAShortListAndMarksEmptyCells) {
    TempFolder folder;
    Form form("TTest", "test");
    Grid grid(form, "Grid", 31, 8);
    Grid back(form, "Back", 31, 8);
    grid.set_cell(1, 0, "公庫");
    grid.set_cell(3, 7, "3.10");
    grid.set_cell(30, 7, "0.5");
    std::vector<std::string> lines{"a", "b", "c"};  // shorter than the list
    grid_to_rate_list(grid, lines);
    ASSERT_EQ(lines.size(), 240u);
    EXPECT_EQ(lines[1], "■") << "the padding is overwritten by the cells";
    EXPECT_EQ(lines[(3 - 1) * 8 + 7], "3.10");
    EXPECT_EQ(lines[239], "0.5");
    EXPECT_EQ(grid.cell(2, 4), "■") << "the grid shows what was written";

    write_lines(folder.path / "a.ksl", lines);
    EXPECT_EQ(bytes_of(folder.path / "a.ksl").substr(0, 10), "\x8C\xF6\x8C\xC9\r\n\x81\xA1\r\n");
    rate_list_to_grid(read_rate_list(folder.path / "a.ksl"), back);
    for (int row = 1; row <= 30; ++row) {
        for (int col = 0; col < 8; ++col)
            ASSERT_EQ(back.cell(row, col), grid.cell(row, col)) << row << "," << col;
    }
    EXPECT_EQ(back.cell(0, 0), "") << "the header row is not part of the file";
}

TEST(RateListFile, ShortOrMissingFileIsAnErrorNamingIt) {
    TempFolder folder;
    std::vector<std::string> lines = sample_list();
    lines.pop_back();
    write_lines(folder.path / "short.ksl", lines);
    try {
        read_rate_list(folder.path / "short.ksl");
        FAIL() << "a 239-line list was taken";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("short.ksl"), std::string::npos) << e.what();
    }
    EXPECT_THROW(read_rate_list(folder.path / "none.ksl"), FileError);
}

// Lines are split at LF, so a CR without its LF stays inside a cell; recording the list
// would then fail for good. Lines past the 240th are recorded too, so they count.
TEST(RateListFile, ALineBreakInsideALineIsAnErrorNamingFileAndLine) {
    TempFolder folder;
    for (const std::size_t at : {std::size_t{2}, std::size_t{240}}) {
        std::vector<std::string> lines = sample_list();
        lines.resize(241, "extra");
        std::string bytes;
        for (std::size_t i = 0; i < lines.size(); ++i)
            bytes += utf8_to_cp932(lines[i]) + (i == at ? "\r" : "") + "\r\n";
        std::ofstream(folder.path / "cr.ksl", std::ios::binary | std::ios::trunc) << bytes;
        try {
            read_rate_list(folder.path / "cr.ksl");
            FAIL() << "a line with a CR was taken (line " << at + 1 << ")";
        } catch (const FileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("cr.ksl"), std::string::npos) << what;
            EXPECT_NE(what.find(std::to_string(at + 1) + " 行目"), std::string::npos) << what;
        }
    }
}

// ---- The window ----

class RateList : public ::testing::Test {
protected:
    RateList() : app(platform, AppOptions{folder.path}) {
        app.start();
        platform.take_log();
    }
    fs::path store() const { return folder.path / "kinriOP.ini"; }
    void open_sample() {
        write_lines(store(), sample_list());
        w.open_for(f1.Ed0_kin);
        ASSERT_TRUE(w.visible());
        platform.take_log();
    }
    TempFolder folder;
    HeadlessPlatform platform;
    App app;
    TForm1& f1 = app.main;
    TForm7& w = app.rate_list;
};

TEST_F(RateList, MissingOrShortStoreIsReportedAndNothingOpens) {
    w.open_for(f1.Ed0_kin);
    std::vector<std::string> lines = sample_list();
    lines.resize(239);
    write_lines(store(), lines);
    w.open_for(f1.Ed0_kin);
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 2u);
    for (const auto& line : log)
        EXPECT_EQ(line.rfind("error ", 0) == 0 && line.find("kinriOP.ini") != std::string::npos,
                  true)
            << line;
    EXPECT_FALSE(w.visible());
    EXPECT_FALSE(w.opened());
    EXPECT_EQ(w.StringGrid7.cell(1, 0), "") << "nothing of a short list is taken";
    write_lines(store(), sample_list());
    w.open_for(f1.Ed0_kin);  // not marked opened: this opening reads the store
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.StringGrid7.cell(1, 0), "公庫");
}

TEST_F(RateList, RateFieldsAndOfferedFieldsOpenItForThemselves) {
    write_lines(store(), sample_list());
    f1.Edit2.right_click();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.receiving_field(), &f1.Edit2);
    w.hide();
    Form dialog("TDialog", "dialog");
    Edit rate(dialog, "Edit1", "0");
    w.offer_rate_list(rate);
    rate.dbl_click();
    EXPECT_EQ(w.receiving_field(), &rate);
    w.StringGrid7.click_cell(3, 7);
    EXPECT_EQ(rate.text(), "3.10");
}

TEST_F(RateList, TwoStepPartGivesTheInitialRateAndTheRateAfterTheStep) {
    open_sample();
    w.StringGrid7.click_cell(2, 0);
    EXPECT_EQ(f1.Ed0_kin.text(), "1.50");
    EXPECT_EQ(f1.Edit40.text(), "2.10");
    EXPECT_FALSE(w.visible());
}

TEST_F(RateList, SingleRatePartGivesColumnSevenOnly) {
    open_sample();
    w.StringGrid7.click_cell(1, 6);
    EXPECT_EQ(f1.Ed0_kin.text(), "2.375");
    EXPECT_EQ(f1.Edit40.text(), "4.0");
    EXPECT_FALSE(w.visible());
}

TEST_F(RateList, HeaderSeparatorAndBlankCellsChangeNothing) {
    open_sample();
    w.StringGrid7.click_cell(0, 2);
    w.StringGrid7.click_cell(1, 5);
    EXPECT_TRUE(w.visible());
    w.StringGrid7.click_cell(3, 2);  // row 3 has no two-step rate
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325");
    EXPECT_EQ(f1.Edit40.text(), "4.0");
}

TEST_F(RateList, EditModeNeitherCopiesNorClosesAndTheCancelBarCloses) {
    open_sample();
    w.CheckBox5.click();
    w.StringGrid7.click_cell(2, 2);
    w.StringGrid7.click_cell(1, 7);
    EXPECT_TRUE(w.visible());
    w.Panel6.click();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(f1.Ed0_kin.text(), "2.325");
    EXPECT_EQ(f1.Edit40.text(), "4.0");
}

TEST_F(RateList, RateColumnsTakeOnlyRateKeys) {
    for (char32_t key : {U'7', U'.', U'%', U'\'', U'\b', U'\r'})
        EXPECT_TRUE(w.cell_key_allowed(4, key));
    EXPECT_TRUE(w.cell_key_allowed(6, U'銀')) << "names take anything";
    EXPECT_TRUE(platform.take_log().empty());
    EXPECT_FALSE(w.cell_key_allowed(2, U'-'));
    EXPECT_FALSE(w.cell_key_allowed(7, U'a'));
    EXPECT_EQ(platform.take_log(), (std::vector<std::string>{"beep warning", "beep warning"}));
    f1.Button86.set_tag(0);  // sound off
    EXPECT_FALSE(w.cell_key_allowed(2, U'x'));
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(RateList, StepperSetsTheFontSizeAndItsHint) {
    w.UpDown1.set_position(14);
    EXPECT_EQ(w.StringGrid7.font_size(), 14);
    EXPECT_EQ(w.UpDown1.hint(), "現文字サイズは　14　ポイントです。");
}

// ---- The files ----

TEST_F(RateList, RecordWritesMarksAndReadTakesTheStoreBack) {
    open_sample();
    w.StringGrid7.edit_cell(2, 1, "");
    w.StringGrid7.edit_cell(4, 0, "信金");
    w.Button140.click();
    const auto lines = read_lines(store());
    ASSERT_EQ(lines.size(), 240u);
    EXPECT_EQ(lines[9], "■");
    EXPECT_EQ(lines[24], "信金");
    EXPECT_EQ(w.StringGrid7.cell(2, 1), "■");
    w.StringGrid7.edit_cell(1, 2, "0.1");
    w.Button141.click();
    EXPECT_EQ(w.StringGrid7.cell(1, 2), "2.80");
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(RateList, LoadAndSaveUseTheChosenNameInTheStartFolder) {
    open_sample();
    std::vector<std::string> spring(240, "■");
    spring[2] = "1.90";
    write_lines(folder.path / "spring.ksl", spring);
    platform.queue_file("/elsewhere/spring.ksl");
    w.Load.click();
    EXPECT_EQ(w.StringGrid7.cell(1, 2), "1.90");
    EXPECT_EQ(w.StringGrid7.cell(1, 0), "■");
    EXPECT_EQ(read_lines(store()), spring) << "the loaded list is recorded as the one in use";
    EXPECT_EQ(w.Edit1.text(), "spring.ksl");
    EXPECT_EQ(w.list_name(), "spring.ksl");

    w.StringGrid7.edit_cell(3, 7, "2.95");
    platform.queue_file("/elsewhere/autumn.ksl");
    w.Save.click();
    const auto saved = read_lines(folder.path / "autumn.ksl");
    EXPECT_EQ(saved[23], "2.95");
    EXPECT_EQ(read_lines(store()), saved);
    EXPECT_EQ(w.list_name(), "autumn.ksl");
    EXPECT_TRUE(platform.take_log().empty());
    // The everyday name shows but is not what the settings keep.
    platform.queue_file("常時利用");
    w.Save.click();
    EXPECT_EQ(w.Edit1.text(), "常時利用");
    EXPECT_EQ(w.list_name(), "autumn.ksl");
}

TEST_F(RateList, CancelledOrFailedDialogsChangeNothing) {
    open_sample();
    w.StringGrid7.edit_cell(1, 2, "0.1");
    const std::string before = bytes_of(store());
    w.Load.click();  // nothing queued: cancelled
    w.Save.click();
    EXPECT_TRUE(platform.take_log().empty());
    platform.queue_file("gone.ksl");
    w.Load.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("gone.ksl"), std::string::npos) << log[0];
    EXPECT_EQ(w.StringGrid7.cell(1, 2), "0.1");
    EXPECT_EQ(w.StringGrid7.cell(2, 1), "段階");
    EXPECT_EQ(w.Edit1.text(), "常時利用");
    EXPECT_EQ(w.list_name(), "常時利用");
    EXPECT_EQ(bytes_of(store()), before);
    for (const auto& entry : fs::directory_iterator(folder.path)) {
        EXPECT_NE(entry.path().extension(), ".ksl") << "no list file was written";
    }
}

TEST_F(RateList, ALoadedFileWithALineBreakInACellChangesNothing) {
    open_sample();
    const std::string before = bytes_of(store());
    std::string bytes;
    for (const std::string& line : sample_list())
        bytes += utf8_to_cp932(line) + "\r\n";
    bytes.insert(bytes.find("\r\n"), "\r");  // "公庫\r" on the first line
    std::ofstream(folder.path / "cr.ksl", std::ios::binary) << bytes;
    w.StringGrid7.edit_cell(1, 2, "0.1");
    platform.queue_file("cr.ksl");
    w.Load.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("cr.ksl"), std::string::npos) << log[0];
    EXPECT_EQ(w.StringGrid7.cell(1, 0), "公庫");
    EXPECT_EQ(w.StringGrid7.cell(1, 2), "0.1");
    EXPECT_EQ(w.Edit1.text(), "常時利用");
    EXPECT_EQ(bytes_of(store()), before);
    w.Button140.click();
    EXPECT_TRUE(platform.take_log().empty()) << "the list can still be recorded";
}

TEST_F(RateList, ExitRecordsOnlyAListOpenedInThisRun) {
    w.open_for(f1.Ed0_kin);  // fails: no store yet
    w.record_at_exit();
    EXPECT_FALSE(fs::exists(store())) << "an empty list must not become the store";
    write_lines(store(), sample_list());
    const std::string before = bytes_of(store());
    w.StringGrid7.edit_cell(1, 2, "0.1");
    w.record_at_exit();
    EXPECT_EQ(bytes_of(store()), before);
    w.open_for(f1.Ed0_kin);
    w.StringGrid7.edit_cell(1, 2, "0.2");
    w.record_at_exit();
    EXPECT_EQ(read_lines(store())[2], "0.2");
}

}  // namespace
}  // namespace rebanto
