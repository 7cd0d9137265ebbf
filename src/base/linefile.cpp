#include "base/linefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "base/cp932.h"
#include "base/errors.h"

namespace rebanto {
namespace {

std::string describe(const std::filesystem::path& path, const std::string& problem) {
    return path.string() + ": " + problem;
}

std::string read_bytes(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw FileError(
            describe(path, std::string("読み込めません (") + std::strerror(errno) + ")"));
    }
    std::string bytes;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0)
        bytes.append(buf, n);
    const bool failed = std::ferror(file) != 0;  // a folder opens but does not read
    std::fclose(file);
    if (failed) throw FileError(describe(path, "読み込めません"));
    return bytes;
}

// The temporary file lives beside the target so the final rename stays on one file system.
// Its name is unique within this process and created exclusively, so two saves never share it.
int create_temp_beside(const std::filesystem::path& target, std::filesystem::path& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target;
        temp += ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
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

}  // namespace

std::vector<std::string> read_lines(const std::filesystem::path& path) {
    const std::string bytes = read_bytes(path);
    std::string text;
    try {
        text = cp932_to_utf8(bytes);
    } catch (const FileError& e) {
        throw FileError(describe(path, e.what()));
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {  // the last line has no line end
            lines.push_back(text.substr(start));
            break;
        }
        const std::size_t end = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

void write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    // Convert everything before touching the disk, so a bad character costs nothing.
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A line end inside a value would shift every later line when the file is read back.
        if (lines[i].find_first_of("\r\n") != std::string::npos) {
            throw FileError(describe(path, std::to_string(i + 1) + " 行目に改行が含まれています"));
        }
        try {
            bytes += utf8_to_cp932(lines[i]);
        } catch (const FileError& e) {
            throw FileError(describe(path, std::to_string(i + 1) + " 行目: " + e.what()));
        }
        bytes += "\r\n";
    }

    std::filesystem::path temp;
    const int fd = create_temp_beside(path, temp);
    if (fd < 0) {
        throw FileError(
            describe(path, std::string("書き込めません (") + std::strerror(errno) + ")"));
    }
    // Keep the permissions of the file being replaced.
    struct stat old_stat;
    if (::stat(path.c_str(), &old_stat) == 0 && S_ISREG(old_stat.st_mode)) {
        ::fchmod(fd, old_stat.st_mode & 07777);
    }
    bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    int saved_errno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved_errno = errno;
    }
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temp, path, ec);
        if (ec) {
            ok = false;
            saved_errno = ec.value();
        }
    }
    if (!ok) {
        std::filesystem::remove(temp, ec);
        throw FileError(
            describe(path, std::string("書き込めません (") + std::strerror(saved_errno) + ")"));
    }
}

}  // namespace rebanto
