#pragma once
// Where the user guide (guide.md with its pictures in guide/) is read for the help window:
// installed, <prefix>/share/doc/rebanto/guide.md beside <prefix>/bin; run from a build
// tree, docs/guide.md of the sources the program was built from.
#include <filesystem>
#include <optional>
#include <vector>

namespace rebanto {

// The places looked at, in order.
std::vector<std::filesystem::path> user_guide_candidates(const std::filesystem::path& executable,
                                                         const std::filesystem::path& source_dir);

// The first candidate that is a file; nothing when there is none.
std::optional<std::filesystem::path> find_user_guide(const std::filesystem::path& executable,
                                                     const std::filesystem::path& source_dir);

}  // namespace rebanto
