// How the settings file is replaced on disk: a read-only file is refused, a link stays a
// link, and a start folder that takes no new files still gets its settings saved.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "settings_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

TEST_F(Settings, AReadOnlySettingsFileIsRefusedNamingIt) {
    start();
    start();  // a quiet run on a whole file
    const std::string before = bytes();
    fs::permissions(ini(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    app->main.Ed0_moto.set_text("5000000");
    app->main.Bt_save.click();
    EXPECT_EQ(platform->take_log(),
              std::vector<std::string>{"error " + ini().string() +
                                       ": 書き込みが許可されていないため保存できません"});
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(fs::status(ini()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2)
        << "kinri.ini and UserData, no temporary file";
}

TEST_F(Settings, ALinkedSettingsFileStaysALinkAndItsTargetIsSaved) {
    start();
    fs::create_directory(folder.path() / "shared");
    fs::rename(ini(), folder.path() / "shared" / "settings.ini");
    fs::permissions(folder.path() / "shared" / "settings.ini",
                    fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("shared/settings.ini", ini());

    App& a = start();
    EXPECT_TRUE(platform->take_log().empty()) << "loaded through the link";
    a.main.Ed0_moto.set_text("7000000");
    a.main.Bt_save.click();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(ini())));
    EXPECT_EQ(read_lines(folder.path() / "shared" / "settings.ini")[29], "7000000");
    EXPECT_EQ(fs::status(folder.path() / "shared" / "settings.ini").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << "the target keeps its mode";
}

TEST_F(Settings, AReadOnlyStartFolderWithAWritableFileIsSavedInPlace) {
    start();
    start();  // a quiet run on a whole file
    struct stat before;
    ASSERT_EQ(::stat(ini().c_str(), &before), 0);
    fs::permissions(folder.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    app->main.Ed0_moto.set_text("6000000");
    app->main.Bt_save.click();
    const auto log = platform->take_log();
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);  // clean-up

    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_EQ(file()[29], "6000000");
    struct stat after;
    ASSERT_EQ(::stat(ini().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, written where it is";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2)
        << "kinri.ini and UserData, no temporary file";
}

}  // namespace
}  // namespace rebanto
