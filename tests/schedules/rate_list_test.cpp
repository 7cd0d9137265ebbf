// The variable-rate list: its grid and mirror, its ".txh" files, the bulk change and the
// start rate.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "schedules_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;
using testing::ScheduleTest;

class RateList : public ScheduleTest {
protected:
    RateList() : folder(start_folder.path() / "lists") { fs::create_directories(folder); }
    void write_file(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string read_file(const std::string& name) {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path folder;
    Grid& grid = f1.StringGrid6;
};

TEST_F(RateList, OpeningShowsSevenBlocksOfTenHalfYears) {
    std::vector<std::string> lines;
    for (int k = 0; k < 70; ++k)
        lines.push_back(std::to_string(k));
    f1.Memo1.set_lines(lines);
    EXPECT_FALSE(f1.GroupBox9.visible());
    f1.Button54.click();
    EXPECT_TRUE(f1.GroupBox9.visible());
    EXPECT_EQ(f1.PageControl1.active_page(), &f1.TabSheet5);
    EXPECT_EQ(grid.cell(0, 0), "金利表");
    EXPECT_EQ(grid.cell(0, 1), "1-5年");
    EXPECT_EQ(grid.cell(0, 7), "31-35年");
    EXPECT_EQ(grid.cell(1, 0), "1/6年");
    EXPECT_EQ(grid.cell(2, 0), "");
    EXPECT_EQ(grid.cell(9, 0), "5/0年");
    EXPECT_EQ(grid.cell(1, 1), "0");
    EXPECT_EQ(grid.cell(4, 2), "13") << "half-year 13: column 2, row 4";
    EXPECT_EQ(grid.cell(10, 7), "69");
}

TEST_F(RateList, ClosingWritesTheGridBackAndReopeningKeepsEdits) {
    f1.Memo1.set_lines(std::vector<std::string>(70, "2.0"));
    f1.Button54.click();
    grid.edit_cell(4, 2, "3.5");
    f1.Button54.click();  // already open: the edit stays
    EXPECT_EQ(grid.cell(4, 2), "3.5");
    f1.Button55.click();
    EXPECT_FALSE(f1.GroupBox9.visible());
    EXPECT_EQ(f1.Memo1.lines()[13], "3.5");
}

TEST_F(RateList, TheStartRateIsTheFirstHalfYear) {
    f1.Memo1.set_lines(std::vector<std::string>(70, "2.0"));
    f1.Ed0_kin.set_text("3.1");
    EXPECT_EQ(grid.cell(1, 1), "3.1");
    EXPECT_EQ(f1.Memo1.lines()[0], "3.1");
    f1.Button54.click();
    EXPECT_EQ(grid.cell(1, 1), "3.1") << "opening the list keeps it";
}

TEST_F(RateList, ReadingAFileThroughTheDialogRemembersItsFolder) {
    write_file("spring.txh", "1.5\r\n1.6\r\n1.7\r\n");
    f1.Button54.click();
    platform.queue_file((folder / "spring.txh").string());
    f1.Button57.click();
    ASSERT_EQ(platform.requests.size(), 1u);
    EXPECT_EQ(platform.requests[0].filter, "変動金利リスト(*.txh)|*.txh");
    EXPECT_EQ(platform.requests[0].folder, app.start_folder().string() + "/");
    EXPECT_EQ(grid.cell(3, 1), "1.7");
    EXPECT_EQ(grid.cell(4, 1), "") << "a short file leaves the later half-years empty";
    EXPECT_EQ(f1.Edit66.text(), "spring.txh");
    EXPECT_EQ(f1.Edit68.text(), "spring.txh");
    EXPECT_EQ(f1.dataFolder, (folder / "").string());

    grid.edit_cell(1, 2, "2.25");
    platform.queue_file((folder / "autumn.txh").string());
    f1.Button56.click();
    EXPECT_EQ(platform.requests[1].folder, (folder / "").string());
    const std::string saved = read_file("autumn.txh");
    EXPECT_EQ(saved.substr(0, 15), "1.5\r\n1.6\r\n1.7\r\n");
    EXPECT_NE(saved.find("\r\n2.25\r\n"), std::string::npos) << "the grid's edit is saved";
    EXPECT_EQ(f1.Edit66.text(), "autumn.txh");
}

TEST_F(RateList, ReadingAMissingFileReportsAndKeepsTheList) {
    f1.Memo1.set_lines(std::vector<std::string>(70, "2.0"));
    platform.queue_file((folder / "none.txh").string());
    f1.Button57.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("error ", 0), 0u);
    EXPECT_EQ(f1.Memo1.lines()[5], "2.0");
}

// Lines are split at LF: a CR without its LF would stay inside a rate, and "記録" could
// then never write the list again.
TEST_F(RateList, AFileWithALineBreakInsideARateIsRefusedAndTheListKept) {
    f1.Memo1.set_lines(std::vector<std::string>(70, "2.0"));
    f1.Button54.click();
    write_file("mac.txh", "1.5\r1.6\r\n1.7\r\n");
    platform.queue_file((folder / "mac.txh").string());
    f1.Button57.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("error ", 0), 0u) << log[0];
    EXPECT_NE(log[0].find("mac.txh"), std::string::npos) << log[0];
    EXPECT_NE(log[0].find("1 行目"), std::string::npos) << log[0];
    EXPECT_EQ(f1.Memo1.lines()[0], "2.0");
    EXPECT_EQ(grid.cell(1, 1), "2.0");
    EXPECT_EQ(f1.Edit66.text(), "kin_hen.txh") << "the list keeps its name";

    platform.queue_file((folder / "kept.txh").string());
    f1.Button56.click();
    EXPECT_TRUE(platform.take_log().empty()) << "the list can still be recorded";
    EXPECT_EQ(read_file("kept.txh").substr(0, 10), "2.0\r\n2.0\r\n");
}

// A device never ends (/dev/zero) or blocks (a pipe); /dev/null stands for them here, as it
// would otherwise be read as an empty list.
TEST_F(RateList, ADeviceIsNoListAndTheListIsKept) {
    f1.Memo1.set_lines(std::vector<std::string>(70, "2.0"));
    platform.queue_file("/dev/null");
    f1.Button57.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("error /dev/null", 0), 0u) << log[0];
    EXPECT_EQ(f1.Memo1.lines().size(), 70u);
    EXPECT_EQ(f1.Edit66.text(), "kin_hen.txh");
}

TEST_F(RateList, BulkChangeAddsOrMultipliesEveryRate) {
    std::vector<std::string> lines(70, "2.375");
    lines[69] = "";
    lines[68] = "2.38";
    f1.Memo1.set_lines(lines);
    f1.Button54.click();
    f1.RadioButton8.click();
    f1.Edit69.set_text("1.1");
    f1.Button84.click();
    EXPECT_EQ(grid.cell(5, 3), "2.61") << "2.6125 cut to hundredths";
    EXPECT_EQ(grid.cell(10, 7), "") << "an empty half-year stays empty";
    EXPECT_EQ(grid.cell(9, 7), "2.61") << "2.618 is cut, not rounded";
    EXPECT_EQ(f1.Memo1.lines()[24], "2.61");
    f1.RadioButton7.click();
    f1.Edit69.set_text("0.01");
    f1.Button84.click();
    EXPECT_EQ(grid.cell(5, 3), "2.62");
    grid.edit_cell(1, 1, "x");
    f1.Button84.click();
    EXPECT_EQ(grid.cell(5, 3), "2.62") << "a cell that is no number changes nothing";
}

// "×倍" cuts the product to hundredths on the decimal values: in binary 0.9 × 3.0 falls
// just short of 2.7. Every rate k/1000 % times every factor j/100 is compared with the
// exact integer result floor(j × k / 1000) hundredths.
TEST_F(RateList, TimesCutsTheExactDecimalProductToHundredths) {
    const auto decimal = [](int value, int places) {
        std::string digits = std::to_string(value);
        if (static_cast<int>(digits.size()) <= places) {
            digits.insert(0, static_cast<std::size_t>(places + 1 - digits.size()), '0');
        }
        std::string out =
            digits.substr(0, digits.size() - places) + "." + digits.substr(digits.size() - places);
        while (out.back() == '0')
            out.pop_back();
        if (out.back() == '.') out.pop_back();
        return out;
    };
    f1.RadioButton8.click();
    int cells = 0;
    int wrong = 0;
    for (int j = 50; j <= 300; j += 5) {  // factors 0.5 … 3.0
        std::vector<std::string> lines;
        for (int k = 0; k < 70; ++k)
            lines.push_back(decimal(500 + 37 * k + j, 3));  // rates 0.5 … 3.4 %
        f1.Memo1.set_lines(lines);
        f1.Button54.click();  // the grid takes the mirror
        f1.Edit69.set_text(decimal(j, 2));
        f1.Button84.click();
        f1.Button55.click();
        for (int k = 0; k < 70; ++k) {
            const int hundredths = j * (500 + 37 * k + j) / 1000;
            ++cells;
            if (f1.Memo1.lines()[static_cast<std::size_t>(k)] != decimal(hundredths, 2)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << cells << " cells";
    f1.Memo1.set_lines(std::vector<std::string>(70, "0.9"));
    f1.Button54.click();
    f1.Edit69.set_text("3.0");
    f1.Button84.click();
    EXPECT_EQ(grid.cell(1, 1), "2.7");
    f1.Button55.click();
    f1.Memo1.set_lines(std::vector<std::string>(70, "1.05"));
    f1.Button54.click();
    f1.Edit69.set_text("2.0");
    f1.Button84.click();
    EXPECT_EQ(grid.cell(1, 1), "2.1");
}

// A factor that is no number names its field in an error box, sound on or off, and the
// list is left as it was.
TEST_F(RateList, AFactorThatIsNoNumberNamesItsField) {
    f1.Memo1.set_lines(std::vector<std::string>(70, "2.0"));
    f1.Button54.click();
    f1.Button86.click();  // sound off
    platform.take_log();
    f1.Edit69.set_text("x");
    f1.Button84.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].starts_with("error ")) << log[0];
    EXPECT_NE(log[0].find("Edit69"), std::string::npos) << log[0];
    EXPECT_EQ(grid.cell(1, 1), "2.0");
}

}  // namespace
}  // namespace rebanto
