// The program's own settings files are never the target of a save the user names: an
// export, a memo, a pack, a pack list or a rate list pointed at "kinri.ini" or
// "kinriOP.ini" is refused with a message and the file stays as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

class OwnFiles : public Settings {
protected:
    void SetUp() override {
        start();
        before_ = bytes();
        platform->take_log();
    }
    void expect_refused(const fs::path& named) {
        const auto log = platform->take_log();
        ASSERT_EQ(log.size(), 1u) << named;
        EXPECT_EQ(log[0], "error " + named.string() +
                              ": Rebanto の設定ファイルのため、保存先にはできません");
        EXPECT_EQ(bytes(), before_) << "kinri.ini is unchanged";
    }
    std::string before_;
};

TEST_F(OwnFiles, AMemoSavedOverTheSettingsFileIsRefused) {
    platform->queue_file(ini().string());
    app->main.Button70.click();
    expect_refused(ini());
}

TEST_F(OwnFiles, ALinkOrAnotherSpellingOfTheSettingsFileIsRefusedToo) {
    const fs::path link = folder.path() / "memo.rtf";
    fs::create_symlink(ini(), link);
    platform->queue_file(link.string());
    app->main.Button70.click();
    expect_refused(link);
    const fs::path dotted = folder.path() / "UserData" / ".." / "kinri.ini";
    platform->queue_file(dotted.string());
    app->main.Button70.click();
    expect_refused(dotted);
}

TEST_F(OwnFiles, APackSavedOverTheRateListStoreIsRefused) {
    const fs::path store = folder.path() / "kinriOP.ini";
    app->main.Button88.set_enabled(true);  // as after tables were calculated or loaded
    platform->queue_file(store.string());
    app->main.Button88.click();
    const auto log = platform->take_log();
    ASSERT_EQ(log.size(), 2u);  // the save's own beep first
    EXPECT_EQ(log[1],
              "error " + store.string() + ": Rebanto の設定ファイルのため、保存先にはできません");
    EXPECT_FALSE(fs::exists(store));
}

TEST_F(OwnFiles, ARateListNamedLikeTheSettingsFileIsRefusedWhateverTheFolder) {
    // Only the name counts: the list is written into the start folder.
    platform->queue_file((folder.path() / "UserData" / "kinri.ini").string());
    app->rate_list.Save.click();
    expect_refused(folder.path() / "kinri.ini");
}

TEST_F(OwnFiles, AnyOtherNameIsSavedAsBefore) {
    platform->queue_file((folder.path() / "kinri.ini.rtf").string());
    app->main.Button70.click();
    EXPECT_EQ(platform->take_log(), std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(folder.path() / "kinri.ini.rtf"));
}

}  // namespace
}  // namespace rebanto
