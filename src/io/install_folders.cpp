#include "io/install_folders.h"

#include <cstdlib>
#include <system_error>

namespace rebanto {

std::optional<std::filesystem::path> installed_share_folder(
    const std::filesystem::path& executable) {
    std::error_code error;
    const auto share = executable.parent_path().parent_path() / "share" / "rebanto";
    // The main explanation document marks a folder installed with the program.
    if (std::filesystem::is_regular_file(share / "vorpen77.doc", error)) return share;
    return std::nullopt;
}

std::filesystem::path user_start_folder(const std::filesystem::path& share) {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    auto folder = base / "rebanto";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // The rate list is the user's to edit: a copy of the shipped one, never overwritten.
    const auto rate_list = folder / "kinriOP.ini";
    if (!std::filesystem::exists(rate_list, error)) {
        std::filesystem::copy_file(share / "kinriOP.ini", rate_list, error);
    }
    return folder;
}

std::filesystem::path running_executable() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self;
}

}  // namespace rebanto
