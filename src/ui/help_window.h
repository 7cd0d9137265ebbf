#pragma once
// The user guide inside the program: guide.md with its pictures, rendered by Qt.
#include <filesystem>

namespace rebanto::ui {

// Opens (or brings to the front) the window showing the guide at `guide`.
void show_user_guide(const std::filesystem::path& guide);

}  // namespace rebanto::ui
