#include "io/guide_location.h"

namespace rebanto {

std::vector<std::filesystem::path> user_guide_candidates(const std::filesystem::path& executable,
                                                         const std::filesystem::path& source_dir) {
    std::vector<std::filesystem::path> places;
    const std::filesystem::path bin = executable.parent_path();
    if (!bin.empty()) {
        places.push_back(bin.parent_path() / "share" / "doc" / "rebanto" / "guide.md");
    }
    if (!source_dir.empty()) places.push_back(source_dir / "docs" / "guide.md");
    return places;
}

std::optional<std::filesystem::path> find_user_guide(const std::filesystem::path& executable,
                                                     const std::filesystem::path& source_dir) {
    for (const std::filesystem::path& place : user_guide_candidates(executable, source_dir)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error)) return place;
    }
    return std::nullopt;
}

}  // namespace rebanto
