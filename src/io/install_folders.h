#pragma once
// Where an installed program finds its files. Installed, the explanation documents and help
// live read-only in <prefix>/share/rebanto beside <prefix>/bin, and the user's start folder
// (settings, rate list, data) is ~/.local/share/rebanto, made on the first start with the
// shipped rate list. Run from a build tree nothing changes: the start folder is the working
// directory and holds the documents too.
#include <filesystem>
#include <optional>

namespace rebanto {

// <prefix>/share/rebanto when the program at `executable` is installed there.
std::optional<std::filesystem::path> installed_share_folder(
    const std::filesystem::path& executable);

// The user's start folder of an installed program: $XDG_DATA_HOME/rebanto, or
// ~/.local/share/rebanto; created, and given the shipped rate list, when new.
std::filesystem::path user_start_folder(const std::filesystem::path& share);

// The running executable (/proc/self/exe).
std::filesystem::path running_executable();

}  // namespace rebanto
