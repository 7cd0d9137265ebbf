// "保存" of the memos: one dialog starting in the export folder, rich text or plain text by
// the memo's mode whatever the dialog's filter, and a failed write that names the file,
// leaves an old file as it was and keeps the export folder.
#include <filesystem>

#include "base/cp932.h"
#include "export_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;
using testing::ExportTest;

class MemoSave : public ExportTest {};

TEST_F(MemoSave, AMemoInRichTextModeIsRichTextEvenUnderTheCsvFilter) {
    make_composite();
    f1.CSV3.click();  // the dialog now proposes CSV
    ASSERT_EQ(f1.ExportFilter, 2);
    ASSERT_FALSE(f1.RichEdit1.plain_text());
    platform.queue_file(folder.file("memo.csv"));
    f1.Button70.click();
    const std::string bytes = bytes_of(folder.file("memo.csv"));
    EXPECT_TRUE(bytes.starts_with(R"({\rtf1\ansi\ansicpg932)")) << bytes.substr(0, 40);
    // The monthly memo's heading, in code page 932 escapes.
    EXPECT_NE(bytes.find(R"(\'8c\'8e\'95\'d4\'8d\'cf)"), std::string::npos);
    EXPECT_EQ(f1.exportFolder, (folder.path() / "").string());
}

TEST_F(MemoSave, TheOutputMemoAfterCsvIsPlainTextEvenUnderTheRichTextFilter) {
    make_composite();
    f1.CSV3.click();
    f1.ExportFilter = 1;  // the user picked the rich-text filter
    platform.queue_file(folder.file("合成.rtf"));
    f1.Button69.click();
    std::string expected;
    for (const std::string& line : f1.RichEdit4.lines())
        expected += utf8_to_cp932(line) + "\r\n";
    EXPECT_EQ(bytes_of(folder.file("合成.rtf")), expected);
}

TEST_F(MemoSave, TheBonusMemoIsSavedFromItsPage) {
    platform.queue_file(folder.file("bonus.rtf"));
    f1.Button85.click();
    // "ローンRebanto（ボーナス返済）" in italic, as the bonus memo is shown.
    const std::string bytes = bytes_of(folder.file("bonus.rtf"));
    EXPECT_NE(bytes.find(R"(\i )"), std::string::npos);
    EXPECT_NE(bytes.find(R"(Rebanto\'81\'69\'83\'7b\'81\'5b\'83\'69\'83\'58)"), std::string::npos)
        << bytes;
}

TEST_F(MemoSave, OneDialogStartsInTheExportFolderWithTheFilterLastPreset) {
    f1.exportFolder = folder.file("exports") + "/";
    f1.Button70.click();
    const FileDialogRequest& request = platform.last_file_request();
    EXPECT_EQ(request.folder, f1.exportFolder);
    EXPECT_EQ(request.filter, "リッチテキスト保存(*.rtf)|*.rtf|表計算用CSV保存|*.csv");
    EXPECT_EQ(request.filter_index, 1);
    EXPECT_EQ(request.default_ext, "rtf");
    make_composite();
    f1.CSV3.click();
    f1.Button85.click();
    EXPECT_EQ(platform.last_file_request().filter_index, 2);
    EXPECT_EQ(platform.last_file_request().default_ext, "csv");
    f1.Button27.click();
    f1.Button69.click();
    EXPECT_EQ(platform.last_file_request().filter_index, 1);
    EXPECT_EQ(platform.last_file_request().default_ext, "rtf");
}

TEST_F(MemoSave, CancellingTheDialogChangesNothing) {
    const std::string before = f1.exportFolder;
    f1.Button69.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{});
    EXPECT_EQ(f1.exportFolder, before);
}

TEST_F(MemoSave, AFolderThatCannotBeWrittenNamesTheFileAndKeepsTheOldOne) {
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    const std::string old_file = (locked / "memo.rtf").string();
    { std::ofstream(old_file, std::ios::binary) << "old"; }
    fs::permissions(old_file, fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(locked,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string before = f1.exportFolder;
    platform.queue_file(old_file);
    f1.Button70.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].starts_with("error " + old_file)) << log[0];
    EXPECT_EQ(bytes_of(old_file), "old");
    EXPECT_EQ(f1.exportFolder, before);
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(old_file, fs::perms::owner_write, fs::perm_options::add);

    // A folder that is not there.
    const std::string nowhere = (folder.path() / "none" / "memo.rtf").string();
    platform.queue_file(nowhere);
    f1.Button70.click();
    const auto second = platform.take_log();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second[0].find(nowhere), std::string::npos) << second[0];
    EXPECT_EQ(f1.exportFolder, before);
}

TEST_F(MemoSave, APlainMemoWithACharacterTheCodePageLacksIsRefusedNamingTheLine) {
    f1.open_output_memo(true);
    f1.RichEdit4.set_lines({"ok", "€"});
    platform.queue_file(folder.file("out.csv"));
    f1.Button69.click();
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("2 行目"), std::string::npos) << log[0];
    EXPECT_FALSE(fs::exists(folder.file("out.csv")));
}

}  // namespace
}  // namespace rebanto
