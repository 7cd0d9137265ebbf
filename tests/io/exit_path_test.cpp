// Leaving the program never costs work the user means to keep: a pack list to be recorded
// is recorded or the program goes on, memories never saved are announced before they go.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

const char* const kPackListQuestion =
    "question パックリストの変更が記録されていません。記録して終了しますか。 -> yes";

class ExitPath : public Settings {
protected:
    void SetUp() override {
        start();
        platform->take_log();
    }
    // A calculated pack in slot 1: the list is changed and not recorded.
    void change_pack_list() {
        app->main.select_slot(1);
        app->main.Edit67.set_text("住宅");
        app->main.Button78.click();
        ASSERT_TRUE(app->main.PackListChanged);
        platform->take_log();
    }
};

TEST_F(ExitPath, ACancelledRecordOfThePackListKeepsTheProgramRunning) {
    change_pack_list();
    platform->queue_answer(true);  // record it; the dialog is then cancelled
    app->main.close();
    EXPECT_TRUE(app->main.visible());
    EXPECT_TRUE(app->cur.visible());
    EXPECT_TRUE(app->main.PackListChanged);
    EXPECT_EQ(platform->take_log(), std::vector<std::string>{kPackListQuestion});
}

TEST_F(ExitPath, AFailedRecordOfThePackListKeepsTheProgramRunning) {
    change_pack_list();
    platform->queue_answer(true);
    const fs::path target = folder.path() / "no-such-folder" / "list.krp";
    platform->queue_file(target.string());
    app->main.close();
    EXPECT_TRUE(app->main.visible());
    EXPECT_TRUE(app->main.PackListChanged);
    const auto log = platform->take_log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[1].starts_with("error " + target.string())) << log[1];
}

TEST_F(ExitPath, ARecordedPackListEndsTheProgram) {
    change_pack_list();
    platform->queue_answer(true);
    platform->queue_file((folder.path() / "list.krp").string());
    app->main.close();
    EXPECT_FALSE(app->main.visible());
    EXPECT_EQ(read_lines(folder.path() / "list.krp").size(), 250u);
}

TEST_F(ExitPath, NoToRecordingEndsTheProgramAsBefore) {
    change_pack_list();
    app->main.close();  // the answer is no
    EXPECT_FALSE(app->main.visible());
}

TEST_F(ExitPath, TheRestartDoesNotStartASecondProgramWhenTheUserStays) {
    change_pack_list();
    platform->queue_answer(true);  // record, then cancel the dialog
    app->main.Button105.click();
    EXPECT_TRUE(app->main.visible());
    EXPECT_FALSE(app->main.NoSave);
    for (const std::string& event : platform->take_log())
        EXPECT_FALSE(event.starts_with("start ")) << event;
}

const std::string kMemoriesQuestion = "question 一時記憶";

bool asked_about_memories(const std::vector<std::string>& log, const std::string& slots) {
    for (const std::string& event : log) {
        if (event.starts_with(kMemoriesQuestion + slots + "の内容は保存されていないため、"))
            return true;
    }
    return false;
}

TEST_F(ExitPath, StoredMemoriesNeverSavedAreAnnouncedAndNoStays) {
    app->cur.Button81.click();  // memory 1
    app->cur.Button83.click();  // memory 3
    app->main.close();          // the answer is no
    EXPECT_TRUE(asked_about_memories(platform->take_log(), "１、３"));
    EXPECT_TRUE(app->main.visible());
    platform->queue_answer(true);
    app->main.close();
    EXPECT_FALSE(app->main.visible());
}

TEST_F(ExitPath, MemoriesSavedByTheBulkSaveEndWithoutAQuestion) {
    app->cur.Button81.click();
    app->cur.Button8.click();  // "一括保存": every memory into its file
    ASSERT_TRUE(fs::exists(folder.path() / "両表１"));
    platform->take_log();
    app->main.close();
    EXPECT_FALSE(asked_about_memories(platform->take_log(), ""));
    EXPECT_FALSE(app->main.visible());
}

TEST_F(ExitPath, AMemoryStoredAfterTheBulkSaveIsAnnouncedAgain) {
    app->cur.Button81.click();
    app->cur.Button8.click();
    app->cur.Button82.click();  // memory 2, after the save
    platform->take_log();
    app->main.close();
    const auto log = platform->take_log();
    EXPECT_TRUE(asked_about_memories(log, "２")) << (log.empty() ? "" : log[0]);
    EXPECT_FALSE(asked_about_memories(log, "１"));
}

TEST_F(ExitPath, MemoriesReadByTheBulkLoadAreWhatTheirFilesHold) {
    app->cur.Button8.click();  // five files of the current tables
    app->cur.Button7.click();  // read back into all five memories
    platform->take_log();
    app->main.close();
    EXPECT_FALSE(asked_about_memories(platform->take_log(), ""));
    EXPECT_FALSE(app->main.visible());
}

}  // namespace
}  // namespace rebanto
