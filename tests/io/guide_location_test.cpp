// The help window finds the user guide installed beside the program or in the sources the
// program was built from.
#include "io/guide_location.h"

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "# Rebanto\n";
}

TEST(UserGuide, InstalledGuideIsBesideTheProgramsShare) {
    testing::TempFolder folder;
    const fs::path prefix = folder.path() / "usr";
    touch(prefix / "share/doc/rebanto/guide.md");
    EXPECT_EQ(find_user_guide(prefix / "bin/rebanto", "/no/such/source"),
              prefix / "share/doc/rebanto/guide.md");
}

TEST(UserGuide, BuildTreeReadsTheSourcesGuide) {
    testing::TempFolder folder;
    const fs::path source = folder.path() / "src";
    touch(source / "docs/guide.md");
    EXPECT_EQ(find_user_guide(folder.path() / "build/test/app/rebanto", source),
              source / "docs/guide.md");
}

TEST(UserGuide, InstalledGuideComesBeforeTheSources) {
    testing::TempFolder folder;
    touch(folder.path() / "usr/share/doc/rebanto/guide.md");
    touch(folder.path() / "src/docs/guide.md");
    EXPECT_EQ(find_user_guide(folder.path() / "usr/bin/rebanto", folder.path() / "src"),
              folder.path() / "usr/share/doc/rebanto/guide.md");
}

TEST(UserGuide, NoGuideAnywhereIsNothing) {
    testing::TempFolder folder;
    // A folder of that name is no guide.
    fs::create_directories(folder.path() / "src/docs/guide.md");
    EXPECT_FALSE(find_user_guide(folder.path() / "bin/rebanto", folder.path() / "src"));
    EXPECT_EQ(user_guide_candidates(folder.path() / "bin/rebanto", folder.path() / "src").size(),
              2u);
}

}  // namespace
}  // namespace rebanto
