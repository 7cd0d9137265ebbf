#pragma once
// Parts of a chosen file's name: the folder the dialogs start in next time (with its
// separator), the name alone, and the name without extension (the work name).
#include <filesystem>
#include <string>

namespace rebanto {

inline std::string folder_of(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string() : (folder / "").string();
}

inline std::string file_name_of(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

inline std::string stem_of(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

}  // namespace rebanto
