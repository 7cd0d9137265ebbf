#include "base/linefile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

#include "base/cp932.h"
#include "base/errors.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

std::string describe(const fs::path& path, const std::string& problem) {
    return path.string() + ": " + problem;
}

std::string cannot_write(const fs::path& path, int error) {
    return describe(path, std::string("書き込めません (") + std::strerror(error) + ")");
}

std::string cannot_read(const fs::path& path, int error) {
    return describe(path, std::string("読み込めません (") + std::strerror(error) + ")");
}

std::string too_large(const fs::path& path) {
    return describe(path, "ファイルが大きすぎるため読み込めません (上限 " +
                              std::to_string(kMaxFileBytes / (std::uintmax_t{1024} * 1024)) +
                              " MiB)");
}

// Only a plain file of a sane size is read: a pipe would be waited on for ever, a device
// such as /dev/zero read without end. The file is opened without waiting and examined
// through the same descriptor that is then read, so nothing can be swapped in between.
std::string read_bytes(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw FileError(cannot_read(path, errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0) throw FileError(cannot_read(path, errno));
    if (!S_ISREG(st.st_mode)) throw FileError(describe(path, kNotARegularFile));
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileBytes) throw FileError(too_large(path));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError(cannot_read(path, errno));
        }
        bytes.append(buf, static_cast<std::size_t>(n));
        // A file that grows while it is read is held to the same bound.
        if (bytes.size() > kMaxFileBytes) throw FileError(too_large(path));
    }
    return bytes;
}

std::string without_crs(std::string_view bytes) {
    std::string kept(bytes);
    // 0x0D is never the second byte of a code page 932 character, so this cuts none.
    kept.erase(std::remove(kept.begin(), kept.end(), '\r'), kept.end());
    return kept;
}

// ---- Replacing a file ----

// Where the content really goes: the end of a chain of symbolic links, so that a link
// stays a link and its target gets the new content.
fs::path follow_links(const fs::path& path) {
    fs::path at = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) return at;
        const fs::path target = fs::read_symlink(at, ec);
        if (ec) throw FileError(describe(path, "リンク先を読めません (" + ec.message() + ")"));
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    throw FileError(describe(path, "リンクが循環しています"));
}

// A file or folder with no write permission at all is read-only for everybody, even for an
// administrator the system would let through; otherwise the system decides for this user.
bool may_write(const fs::path& path, const struct stat& st) {
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

constexpr std::string_view kTempEnd = ".tmp";

std::string temp_suffix(pid_t pid, unsigned n) {
    return ".~" + std::to_string(pid) + "-" + std::to_string(n) + std::string(kTempEnd);
}

// The process of a temporary file's name "NAME.~PID-N.tmp", or 0 when the name is not one.
pid_t temp_owner(const std::string& name) {
    if (name.size() <= kTempEnd.size() || !name.ends_with(kTempEnd)) return 0;
    const std::size_t mark = name.rfind(".~");
    if (mark == std::string::npos) return 0;
    const std::string_view middle(name.data() + mark + 2, name.size() - mark - 2 - kTempEnd.size());
    const std::size_t dash = middle.find('-');
    const auto digits = [](std::string_view t) {
        return !t.empty() && t.size() <= 9 &&
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (dash == std::string_view::npos || !digits(middle.substr(0, dash)) ||
        !digits(middle.substr(dash + 1))) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(middle.substr(0, dash))));
}

// The temporary file lives beside the target so the final rename stays on one file system.
// Its name is unique within this process and created exclusively, so two saves never share it.
int create_temp_beside(const fs::path& target, fs::path& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target;
        temp += temp_suffix(::getpid(), counter++);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool write_all(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk too.
void sync_folder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A folder that lets us change its files but not add one (a read-only start folder with a
// writable settings file) has no room for a temporary file, so the file is written where it
// is: overwritten from the start, cut to the new length, then synced. This is not atomic —
// a crash in the middle leaves a mixed file — but it is the only write such a folder allows.
void overwrite_in_place(const fs::path& shown, const fs::path& target, const std::string& bytes,
                        Durability durability) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) throw FileError(cannot_write(shown, errno));
    bool ok = write_all(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
              (durability == Durability::Scratch || ::fsync(fd) == 0);
    int saved_errno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved_errno = errno;
    }
    if (!ok) throw FileError(cannot_write(shown, saved_errno));
}

// The temporary file gets the old file's owner and mode before it takes the old file's place.
void replace_by_rename(const fs::path& shown, const fs::path& target, int fd, const fs::path& temp,
                       const struct stat* old_stat, const std::string& bytes,
                       Durability durability) {
    if (old_stat != nullptr) {
        if (::fchown(fd, old_stat->st_uid, old_stat->st_gid) != 0) {
            // Only an administrator may give a file away; a user's own file stays theirs.
        }
        ::fchmod(fd, old_stat->st_mode & 07777);
    }
    bool ok = write_all(fd, bytes) && (durability == Durability::Scratch || ::fsync(fd) == 0);
    int saved_errno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved_errno = errno;
    }
    std::error_code ec;
    if (ok) {
        fs::rename(temp, target, ec);
        if (ec) {
            ok = false;
            saved_errno = ec.value();
        }
    }
    if (!ok) {
        fs::remove(temp, ec);
        throw FileError(cannot_write(shown, saved_errno));
    }
    if (durability == Durability::Synced) sync_folder(target.parent_path());
}

}  // namespace

ReadLine line_from_bytes(std::string bytes) {
    ReadLine line;
    bool replaced = false;
    // Most lines hold no CR: they are converted as they stand, without a copy.
    line.text = bytes.find('\r') == std::string::npos
                    ? cp932_to_utf8_replacing(bytes, replaced)
                    : cp932_to_utf8_replacing(without_crs(bytes), replaced);
    line.readable = !replaced;
    line.bytes = std::move(bytes);
    return line;
}

std::vector<ReadLine> read_file_lines(const fs::path& path) {
    const std::string bytes = read_bytes(path);
    std::vector<ReadLine> lines;
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {  // the last line has no line end
            lines.push_back(line_from_bytes(bytes.substr(start)));
            break;
        }
        const std::size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back(line_from_bytes(bytes.substr(start, end - start)));
        start = lf + 1;
    }
    return lines;
}

std::vector<std::string> read_lines(const fs::path& path) {
    std::vector<std::string> texts;
    for (ReadLine& line : read_file_lines(path)) {
        if (!line.readable) {
            std::string problem;
            try {
                cp932_to_utf8(without_crs(line.bytes));
            } catch (const FileError& e) {
                problem = e.what();
            }
            throw FileError(describe(path, std::to_string(texts.size() + 1) + " 行目: " + problem));
        }
        // A CR without its LF would be lost from the text, and with it whatever separated
        // two values; a file whose lines are read as they stand is damaged then.
        if (line.bytes.find('\r') != std::string::npos) {
            throw FileError(describe(
                path, std::to_string(texts.size() + 1) + " 行目に改行文字 (CR) が含まれています"));
        }
        texts.push_back(std::move(line.text));
    }
    return texts;
}

void write_lines(const fs::path& path, const std::vector<std::string>& lines,
                 Durability durability) {
    // Convert everything before touching the disk, so a bad character costs nothing.
    std::string bytes;
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        // One look at each byte: a line end inside a value would shift every later line when
        // the file is read back, and a line of plain ASCII is its own code page 932 bytes.
        bool plain = true;
        for (const char c : line) {
            if (c == '\r' || c == '\n') {
                throw FileError(
                    describe(path, std::to_string(i + 1) + " 行目に改行が含まれています"));
            }
            plain = plain && static_cast<unsigned char>(c) < 0x80;
        }
        try {
            if (plain) {
                bytes += line;
            } else {
                bytes += utf8_to_cp932(line);
            }
        } catch (const FileError& e) {
            throw FileError(describe(path, std::to_string(i + 1) + " 行目: " + e.what()));
        }
        bytes += "\r\n";
    }
    replace_file_content(path, bytes, durability);
}

bool lines_read_back_as_written(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (is_plain_ascii(line)) continue;
        try {
            if (cp932_to_utf8(utf8_to_cp932(line)) != line) return false;
        } catch (const FileError&) {
            return false;
        }
    }
    return true;
}

std::optional<FileStamp> file_stamp(const fs::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<std::uintmax_t>(st.st_dev);
    stamp.inode = static_cast<std::uintmax_t>(st.st_ino);
    stamp.size = static_cast<std::intmax_t>(st.st_size);
    stamp.changed_seconds = static_cast<std::intmax_t>(st.st_mtim.tv_sec);
    stamp.changed_nanoseconds = st.st_mtim.tv_nsec;
    return stamp;
}

std::string file_line_bytes(std::string_view text, bool& changed) {
    std::string one_line(text);
    const auto line_end = [](char c) { return c == '\r' || c == '\n'; };
    const auto kept_end = std::remove_if(one_line.begin(), one_line.end(), line_end);
    const bool had_line_end = kept_end != one_line.end();
    one_line.erase(kept_end, one_line.end());
    bool replaced = false;
    std::string bytes = utf8_to_cp932_replacing(one_line, replaced);
    changed = had_line_end || replaced;
    return bytes;
}

int remove_stale_temp_files(const fs::path& folder) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t owner = temp_owner(it->path().filename().string());
        if (owner <= 0) continue;
        // Signal 0 only asks whether the process exists; another user's process answers
        // EPERM and its file stays.
        if (owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
        std::error_code kind_error;
        if (!it->is_regular_file(kind_error) || it->is_symlink(kind_error)) continue;
        std::error_code remove_error;
        if (fs::remove(it->path(), remove_error)) ++removed;
    }
    return removed;
}

void replace_file_content(const fs::path& path, const std::string& bytes, Durability durability) {
    const fs::path target = follow_links(path);
    struct stat old_stat;
    const bool exists = ::stat(target.c_str(), &old_stat) == 0;
    // A device, a pipe or a folder is never replaced by a file.
    if (exists && !S_ISREG(old_stat.st_mode)) {
        throw FileError(describe(path, "通常のファイルではないため保存できません"));
    }
    if (exists && S_ISREG(old_stat.st_mode) && !may_write(target, old_stat)) {
        throw FileError(describe(path, "書き込みが許可されていないため保存できません"));
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    struct stat folder_stat;
    const bool folder_writable =
        ::stat(folder.c_str(), &folder_stat) != 0 || may_write(folder, folder_stat);

    fs::path temp;
    const int fd = folder_writable ? create_temp_beside(target, temp) : -1;
    if (fd >= 0) {
        replace_by_rename(path, target, fd, temp, exists ? &old_stat : nullptr, bytes, durability);
        return;
    }
    const int create_errno = folder_writable ? errno : EACCES;
    const bool folder_refused =
        create_errno == EACCES || create_errno == EPERM || create_errno == EROFS;
    if (exists && S_ISREG(old_stat.st_mode) && folder_refused) {
        overwrite_in_place(path, target, bytes, durability);
        return;
    }
    throw FileError(cannot_write(path, create_errno));
}

}  // namespace rebanto
