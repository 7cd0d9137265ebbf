// Program files on disk: code page 932, CR LF, replaced whole or not at all.
#include "base/linefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/errors.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class LineFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("rebanto_linefile_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const char* name) const { return dir_ / name; }

    static void put_bytes(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string bytes_of(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Names in the folder, so a test can see that no temporary file was left behind.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename());
        return names;
    }

    fs::path dir_;
};

// ﾎﾞｰﾅｽ･12345 / C:\Rebanto\data / ＭＳ明朝 / an empty line
const Lines kLines = {
    "\xEF\xBE\x8E\xEF\xBE\x9E\xEF\xBD\xB0\xEF\xBE\x85\xEF\xBD\xBD\xEF\xBD\xA5"
    "12345",
    "C:\\Rebanto\\data",
    "\xEF\xBC\xAD\xEF\xBC\xB3\xE6\x98\x8E\xE6\x9C\x9D",
    "",
};
const std::string kBytes =
    "\xCE\xDE\xB0\xC5\xBD\xA5"
    "12345\r\n"
    "C:\x5CRebanto\x5C"
    "data\r\n"
    "\x82\x6C\x82\x72\x96\xBE\x92\xA9\r\n"
    "\r\n";

TEST_F(LineFile, WritesCp932WithCrLfAndReadsItBack) {
    write_lines(file("loan.dat"), kLines);
    EXPECT_EQ(bytes_of(file("loan.dat")), kBytes);
    EXPECT_EQ(read_lines(file("loan.dat")), kLines);
    EXPECT_EQ(entries(), std::vector<std::string>{"loan.dat"});
}

// The lines read back from a file are the lines written, except where a character's code
// page 932 form stands for another one: the wave dash comes back as the full-width tilde.
TEST_F(LineFile, KnowsWhetherLinesReadBackAsWritten) {
    const Lines wave = {"12345", "\xE3\x80\x9C"};   // 〜 U+301C
    const Lines tilde = {"12345", "\xEF\xBD\x9E"};  // ～ U+FF5E
    EXPECT_TRUE(lines_read_back_as_written(kLines));
    EXPECT_TRUE(lines_read_back_as_written(tilde));
    EXPECT_FALSE(lines_read_back_as_written(wave));
    EXPECT_FALSE(lines_read_back_as_written({"\xF0\x9F\x98\x80"})) << "no code page 932 form";
    for (const Lines& lines : {kLines, tilde, wave}) {
        write_lines(file("t.dat"), lines);
        EXPECT_EQ(read_lines(file("t.dat")) == lines, lines_read_back_as_written(lines));
    }
}

// A stamp tells a file rewritten with the same size from the one before it.
TEST_F(LineFile, AStampChangesWithEveryWriteAndIsEmptyForNoFile) {
    EXPECT_FALSE(file_stamp(file("none")).has_value());
    write_lines(file("t.dat"), {"1"}, Durability::Scratch);
    const auto first = file_stamp(file("t.dat"));
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(file_stamp(file("t.dat")), first);
    write_lines(file("t.dat"), {"2"}, Durability::Scratch);
    EXPECT_NE(file_stamp(file("t.dat")), first);
}

TEST_F(LineFile, SplitsAtCrLfOrLf) {
    struct Row {
        std::string bytes;
        Lines lines;
    };
    const Row rows[] = {
        {"", {}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"x", {"x"}},
        {"a\n\xB1\n", {"a", "\xEF\xBD\xB1"}},  // LF only, as other editors save it
        {"a\r\nb\nc", {"a", "b", "c"}},
    };
    for (const Row& row : rows) {
        put_bytes(file("in.dat"), row.bytes);
        EXPECT_EQ(read_lines(file("in.dat")), row.lines) << row.bytes;
    }
}

TEST_F(LineFile, ReadErrorsNameTheFile) {
    for (const fs::path& path : {file("missing.dat"), dir_}) {
        try {
            read_lines(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
        }
    }
    put_bytes(file("bad.dat"), "ok\r\n\x82\x20\r\n");
    EXPECT_THROW(read_lines(file("bad.dat")), FileError);
}

TEST_F(LineFile, OverwriteReplacesContentAndKeepsPermissions) {
    write_lines(file("loan.dat"), {"old", "old"});
    fs::permissions(file("loan.dat"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    write_lines(file("loan.dat"), {"new"});
    EXPECT_EQ(bytes_of(file("loan.dat")), "new\r\n");
    EXPECT_EQ(fs::status(file("loan.dat")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    write_lines(file("loan.dat"), {});
    EXPECT_EQ(bytes_of(file("loan.dat")), "");
    EXPECT_EQ(entries(), std::vector<std::string>{"loan.dat"});
}

TEST_F(LineFile, WriteIntoMissingFolderFailsNamingTheFile) {
    const fs::path target = dir_ / "no such folder" / "loan.dat";
    try {
        write_lines(target, kLines);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
    }
    EXPECT_TRUE(entries().empty());
}

TEST_F(LineFile, FailedWritesLeaveTheOldFileIntact) {
    put_bytes(file("loan.dat"), kBytes);
    EXPECT_THROW(write_lines(file("loan.dat"), {"ok", "\xF0\x9F\x98\x80"}), FileError);
    EXPECT_THROW(write_lines(file("loan.dat"), {"two\nlines"}), FileError);
    EXPECT_EQ(bytes_of(file("loan.dat")), kBytes);

    // The rename itself fails when the target is a folder; the temporary file must go.
    fs::create_directory(file("folder.dat"));
    put_bytes(file("folder.dat") / "inside", "x");
    EXPECT_THROW(write_lines(file("folder.dat"), kLines), FileError);
    EXPECT_EQ(bytes_of(file("folder.dat") / "inside"), "x");
    std::vector<std::string> names = entries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.dat", "loan.dat"}));
}

// A line end inside a line, in plain text or beside Japanese, is refused naming its line.
TEST_F(LineFile, ALineEndInsideALineIsRefusedNamingTheLine) {
    put_bytes(file("loan.dat"), kBytes);
    const struct {
        Lines lines;
        const char* named;
    } cases[] = {
        {{"ok", "1\r2"}, "2 行目に改行"},
        {{"\xE6\x98\x8E\r"}, "1 行目に改行"},
        {{"ok", "ok", "\n\xE6\x98\x8E"}, "3 行目に改行"},
    };
    for (const auto& c : cases) {
        try {
            write_lines(file("loan.dat"), c.lines);
            ADD_FAILURE() << c.named << " was written";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("loan.dat"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(bytes_of(file("loan.dat")), kBytes);
}

// A scratch file does not wait for the disk, but it is replaced the same way: whole, with
// no temporary file left, and a failed write leaves the old one.
TEST_F(LineFile, AScratchFileIsReplacedWholeLikeAnyOther) {
    write_lines(file("aside.dat"), kLines, Durability::Scratch);
    EXPECT_EQ(read_lines(file("aside.dat")), kLines);
    put_bytes(file("kept.dat"), kBytes);
    EXPECT_THROW(write_lines(file("kept.dat"), {"\xF0\x9F\x98\x80"}, Durability::Scratch),
                 FileError);
    EXPECT_EQ(bytes_of(file("kept.dat")), kBytes);
    std::vector<std::string> names = entries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"aside.dat", "kept.dat"}));
}

// ---- A line that cannot be read costs only itself ----

TEST_F(LineFile, AnUnreadableLineLeavesTheOthersReadable) {
    put_bytes(file("in.dat"), "ok\r\n\x82\x20\xFF\r\n\x8E\x52\r\n");
    const std::vector<ReadLine> lines = read_file_lines(file("in.dat"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].readable);
    EXPECT_EQ(lines[0].text, "ok");
    EXPECT_FALSE(lines[1].readable);
    EXPECT_EQ(lines[1].bytes, "\x82\x20\xFF") << "the bytes as they were";
    EXPECT_TRUE(lines[2].readable);
    EXPECT_EQ(lines[2].text, "\xE5\xB1\xB1");  // 山
}

TEST_F(LineFile, TheStrictReaderNamesTheFileAndTheLine) {
    put_bytes(file("bad.dat"), "ok\r\nok\r\n\x82\x20\r\n");
    try {
        read_lines(file("bad.dat"));
        FAIL() << "no error";
    } catch (const FileError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find(file("bad.dat").string() + ": 3 行目"), std::string::npos) << what;
    }
}

TEST_F(LineFile, ACrInsideALineIsNoPartOfItsTextButKeptInItsBytes) {
    put_bytes(file("in.dat"), "a\rb\r\nc\r\r\n\r\nd\r");
    const std::vector<ReadLine> lines = read_file_lines(file("in.dat"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "ab");
    EXPECT_EQ(lines[0].bytes, "a\rb");
    EXPECT_EQ(lines[1].text, "c");
    EXPECT_EQ(lines[1].bytes, "c\r");
    EXPECT_EQ(lines[3].text, "d");
}

// A file read as its lines stand is damaged by a CR alone: what it separated is unknown.
TEST_F(LineFile, AStrictReadRefusesACrAloneNamingFileAndLine) {
    put_bytes(file("in.dat"), "a\r\nb\rc\r\n");
    try {
        read_lines(file("in.dat"));
        FAIL() << "a CR alone was taken";
    } catch (const FileError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("in.dat"), std::string::npos) << what;
        EXPECT_NE(what.find("2 行目"), std::string::npos) << what;
    }
}

TEST_F(LineFile, ALineForAFileLosesOnlyWhatTheFileCannotHold) {
    bool changed = true;
    EXPECT_EQ(file_line_bytes("C:\\data", changed),
              "C:\x5C"
              "data");
    EXPECT_FALSE(changed);
    EXPECT_EQ(file_line_bytes("\xE5\xB1\xB1\xF0\x9F\x98\x80", changed), "\x8E\x52?");
    EXPECT_TRUE(changed);
    changed = false;
    EXPECT_EQ(file_line_bytes("two\r\nlines", changed), "twolines");
    EXPECT_TRUE(changed);
}

// ---- Replacing a file on disk ----

TEST_F(LineFile, ALinkStaysALinkAndItsTargetKeepsItsMode) {
    fs::create_directory(file("real"));
    write_lines(file("real") / "loan.dat", {"old"});
    fs::permissions(file("real") / "loan.dat", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/loan.dat", file("first.lnk"));
    fs::create_symlink(file("first.lnk"), file("loan.dat"));  // a chain: absolute, then relative

    write_lines(file("loan.dat"), {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file("loan.dat"))));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file("first.lnk"))));
    EXPECT_EQ(bytes_of(file("real") / "loan.dat"), "new\r\n");
    EXPECT_EQ(fs::status(file("real") / "loan.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(file("real")), {}), 1) << "no temporary file";
}

TEST_F(LineFile, ALinkToNothingYetCreatesItsTarget) {
    fs::create_symlink("made.dat", file("loan.dat"));
    write_lines(file("loan.dat"), {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file("loan.dat"))));
    EXPECT_EQ(bytes_of(file("made.dat")), "new\r\n");
}

TEST_F(LineFile, ALinkInACircleIsAnError) {
    fs::create_symlink("b.lnk", file("a.lnk"));
    fs::create_symlink("a.lnk", file("b.lnk"));
    EXPECT_THROW(write_lines(file("a.lnk"), {"x"}), FileError);
}

// A file without any write permission is read-only even for an administrator.
TEST_F(LineFile, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    put_bytes(file("loan.dat"), kBytes);
    fs::permissions(file("loan.dat"), fs::perms::owner_read | fs::perms::group_read);
    try {
        write_lines(file("loan.dat"), {"new"});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(file("loan.dat").string()), std::string::npos);
    }
    EXPECT_EQ(bytes_of(file("loan.dat")), kBytes);
    EXPECT_EQ(entries(), std::vector<std::string>{"loan.dat"});
}

// A folder without write permission takes no temporary file; its writable file is
// overwritten where it is, a shorter content cutting the file to its length.
TEST_F(LineFile, AReadOnlyFolderGetsItsWritableFileOverwrittenInPlace) {
    put_bytes(file("loan.dat"), kBytes);
    struct stat before;
    ASSERT_EQ(::stat(file("loan.dat").c_str(), &before), 0);
    const auto writes = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(dir_, writes, fs::perm_options::remove);
    write_lines(file("loan.dat"), {"new"});
    bool missing_refused = false;
    try {
        write_lines(file("other.dat"), {"new"});
    } catch (const FileError&) {
        missing_refused = true;
    }
    fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);

    EXPECT_EQ(bytes_of(file("loan.dat")), "new\r\n");
    struct stat after;
    ASSERT_EQ(::stat(file("loan.dat").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_TRUE(missing_refused) << "a new file cannot be made in such a folder";
    EXPECT_EQ(entries(), std::vector<std::string>{"loan.dat"});
}

}  // namespace
}  // namespace rebanto
