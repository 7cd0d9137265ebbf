#pragma once
// Program files: code page 932 text, one value per line, CR LF line ends, read and written
// whole as a list of lines.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rebanto {

// The largest program file that is read: the biggest the program writes (a pack of two
// thousand-year tables) is far below it.
inline constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{16} * 1024 * 1024;
// The reason given for a path that is a folder, a pipe or a device.
inline constexpr const char* kNotARegularFile = "通常のファイルではないため読み込めません";

// One line as it was read. `bytes` is the line without its line end, exactly as in the
// file; `text` is its UTF-8 form. A CR inside a line is no part of the text (no line can be
// written back with one), and a byte that is not code page 932 shows as U+FFFD and leaves
// `readable` false.
struct ReadLine {
    std::string bytes;
    std::string text;
    bool readable = true;
};

// The text of one line's bytes, as ReadLine describes it.
ReadLine line_from_bytes(std::string bytes);

// Reads the file and splits it at CR LF or LF (a final line end adds no empty line). A line
// that is not code page 932 comes back unreadable, the others are unaffected.
// Throws FileError, naming the file, when it cannot be read, is not a plain file or is
// larger than kMaxFileBytes.
std::vector<ReadLine> read_file_lines(const std::filesystem::path& path);

// The texts of read_file_lines. Throws FileError, naming the file and the line, when the
// file cannot be read, a line is not code page 932 or holds a CR without its LF.
std::vector<std::string> read_lines(const std::filesystem::path& path);

// Whether a write waits until the file is on disk. A scratch file (the tables set aside
// while a copy alters them, read back in the same action) is written and renamed the same
// way, so a failed write still leaves the old file, but the program does not wait for the
// disk: the wait was most of the cost of an action that sets its tables aside many times.
enum class Durability { Synced, Scratch };

// Writes every line followed by CR LF (see replace_file_content).
// Throws FileError when the file cannot be written or a line has no code page 932 form.
void write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                 Durability durability = Durability::Synced);

// Whether read_lines gives back exactly `lines` from the file write_lines wrote them to:
// false when a character's code page 932 form reads back as another character (a few have
// one form for two characters). Lines with a line end are never written at all.
bool lines_read_back_as_written(const std::vector<std::string>& lines);

// What tells one version of a file from the next: where it lies, its size and when it was
// last changed. Empty when the file cannot be examined.
struct FileStamp {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    std::intmax_t size = 0;
    std::intmax_t changed_seconds = 0;
    long changed_nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> file_stamp(const std::filesystem::path& path);

// One line's bytes for a file whatever its text holds: characters with no code page 932
// form become "?" and line ends inside the text are dropped; `changed` tells whether the
// bytes no longer say what the text says.
std::string file_line_bytes(std::string_view text, bool& changed);

// Removes from `folder` the temporary files that saves killed half-way left beside their
// targets ("NAME.~PID-N.tmp") when process PID is gone; a live process's file stays.
// Returns how many were removed.
int remove_stale_temp_files(const std::filesystem::path& folder);

// Replaces the content of the file with `bytes`. A symbolic link is followed and its
// target replaced; a file the user may not write is refused; the file keeps its mode.
// The bytes go to a temporary file beside the target that is then renamed over it, so a
// failed write leaves the old file intact. Throws FileError naming the file.
void replace_file_content(const std::filesystem::path& path, const std::string& bytes,
                          Durability durability = Durability::Synced);

}  // namespace rebanto
