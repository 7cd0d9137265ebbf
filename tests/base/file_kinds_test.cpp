// What the file layer does with paths that are no plain file, files too large to be
// program files, and the temporary files of saves that were killed half-way.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/errors.h"
#include "base/linefile.h"
#include "temp_folder.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

std::string read_error(const fs::path& path) {
    try {
        read_file_lines(path);
    } catch (const FileError& e) {
        return e.what();
    }
    return {};
}

std::string write_error(const fs::path& path) {
    try {
        write_lines(path, {"1"});
    } catch (const FileError& e) {
        return e.what();
    }
    return {};
}

TEST(FileKinds, APipeIsRefusedWithoutWaitingForAWriter) {
    testing::TempFolder folder;
    const fs::path pipe = folder.path() / "kinri.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(read_error(pipe), pipe.string() + ": 通常のファイルではないため読み込めません");
}

TEST(FileKinds, ADeviceIsRefusedBeforeAByteIsRead) {
    EXPECT_EQ(read_error("/dev/zero"), "/dev/zero: 通常のファイルではないため読み込めません");
}

TEST(FileKinds, AFolderIsRefusedAsNoPlainFile) {
    testing::TempFolder folder;
    EXPECT_EQ(read_error(folder.path()),
              folder.path().string() + ": 通常のファイルではないため読み込めません");
}

// 16 MiB is 16 × 1024 × 1024 = 16,777,216 bytes; one byte more is refused unread.
TEST(FileKinds, AFileAboveSixteenMebibytesIsRefused) {
    testing::TempFolder folder;
    const fs::path big = folder.path() / "big.mpc";
    { std::ofstream(big) << "1\r\n"; }
    fs::resize_file(big, 16777217);
    EXPECT_EQ(read_error(big),
              big.string() + ": ファイルが大きすぎるため読み込めません (上限 16 MiB)");
    fs::resize_file(big, 3);
    EXPECT_EQ(read_error(big), "");
}

TEST(FileKinds, ASaveThroughALinkToAPipeIsRefusedAndThePipeStays) {
    testing::TempFolder folder;
    const fs::path pipe = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path link = folder.path() / "a.mpc";
    fs::create_symlink(pipe, link);
    EXPECT_EQ(write_error(link), link.string() + ": 通常のファイルではないため保存できません");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(write_error(pipe), pipe.string() + ": 通常のファイルではないため保存できません");
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// A process that has ended: its number is free (until the system gives it out again).
pid_t ended_process() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(FileKinds, TemporaryFilesOfEndedSavesAreRemovedOthersStay) {
    testing::TempFolder folder;
    const std::string dead = std::to_string(ended_process());
    const std::string alive = std::to_string(::getppid());
    const std::string mine = std::to_string(::getpid());
    const auto put = [&](const std::string& name) {
        std::ofstream(folder.path() / name) << "x";
        return folder.path() / name;
    };
    const fs::path stale_ini = put("kinri.ini.~" + dead + "-0.tmp");
    const fs::path stale_pack = put("a.mpc.~" + dead + "-17.tmp");
    const fs::path live = put("a.mpc.~" + alive + "-1.tmp");
    const fs::path own = put("b.mpc.~" + mine + "-2.tmp");
    const fs::path user_file = put("notes.tmp");
    const fs::path odd = put("a.mpc.~" + dead + "-x.tmp");
    const fs::path kept = put("a.mpc");
    EXPECT_EQ(remove_stale_temp_files(folder.path()), 2);
    EXPECT_FALSE(fs::exists(stale_ini));
    EXPECT_FALSE(fs::exists(stale_pack));
    for (const fs::path& stays : {live, own, user_file, odd, kept})
        EXPECT_TRUE(fs::exists(stays)) << stays;
}

TEST(FileKinds, AMissingFolderHasNoTemporaryFiles) {
    EXPECT_EQ(remove_stale_temp_files("/nonexistent-rebanto-folder"), 0);
}

}  // namespace
}  // namespace rebanto
