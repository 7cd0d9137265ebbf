// The switch of the quick-entry gestures is kept in a small file of its own, beside the
// settings file, whose lines it never touches.
#include "io/view_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/errors.h"
#include "temp_folder.h"

namespace rebanto {
namespace {

std::string content(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(ViewSettings, MissingFileMeansGesturesOn) {
    testing::TempFolder folder;
    std::vector<std::string> problems;
    EXPECT_TRUE(read_view_settings(folder.path() / kViewSettingsFile, problems).gestures);
    EXPECT_TRUE(problems.empty());
}

TEST(ViewSettings, SwitchOffIsSavedAndReadBack) {
    testing::TempFolder folder;
    const auto file = folder.path() / kViewSettingsFile;
    write_view_settings(file, ViewSettings{false});
    std::vector<std::string> problems;
    EXPECT_FALSE(read_view_settings(file, problems).gestures);
    write_view_settings(file, ViewSettings{true});
    EXPECT_TRUE(read_view_settings(file, problems).gestures);
    EXPECT_TRUE(problems.empty());
}

TEST(ViewSettings, SettingsFileBesideIsLeftAlone) {
    testing::TempFolder folder;
    const std::string ini = "\r\n0\r\n音有\r\n";
    std::ofstream(folder.path() / "kinri.ini", std::ios::binary) << ini;
    write_view_settings(folder.path() / kViewSettingsFile, ViewSettings{false});
    EXPECT_EQ(content(folder.path() / "kinri.ini"), ini);
    EXPECT_NE(content(folder.path() / kViewSettingsFile).find("gestures=0\n"), std::string::npos);
}

TEST(ViewSettings, LineNotUnderstoodIsNamedAndTheSwitchStaysOn) {
    testing::TempFolder folder;
    const auto file = folder.path() / kViewSettingsFile;
    std::ofstream(file, std::ios::binary) << "# comment\r\ngestures=yes\r\n";
    std::vector<std::string> problems;
    EXPECT_TRUE(read_view_settings(file, problems).gestures);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              file.string() + " 2行目「gestures=yes」は読めません（gestures=1 または gestures=0）");
}

TEST(ViewSettings, UnwritableFolderIsAFileError) {
    EXPECT_THROW(write_view_settings("/no/such/folder/rebanto-view.ini", ViewSettings{}),
                 FileError);
}

}  // namespace
}  // namespace rebanto
