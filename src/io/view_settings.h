#pragma once
// Settings of the desktop windows that the settings file "kinri.ini" does not hold (its
// lines stay as they are): a small file of their own beside it in the start folder.
//
//   # Rebanto 画面の設定
//   gestures=1        クリック操作で入力値を変える (1 on, 0 off)
#include <filesystem>
#include <string>
#include <vector>

namespace rebanto {

inline constexpr const char* kViewSettingsFile = "rebanto-view.ini";

struct ViewSettings {
    bool gestures = true;
};

// The settings in `file`; a missing file gives the defaults. A line that is not understood
// leaves its setting at the default and is described in `problems` with the file and line.
ViewSettings read_view_settings(const std::filesystem::path& file,
                                std::vector<std::string>& problems);

// Writes the file whole (replacing it); throws FileError when it cannot be written.
void write_view_settings(const std::filesystem::path& file, const ViewSettings& settings);

}  // namespace rebanto
