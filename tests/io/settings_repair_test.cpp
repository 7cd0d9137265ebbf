// The settings file stays readable and bounded: a loan field left holding a text the
// calculation refused is saved with its last readable value, repairs do not make the file
// grow, and a repair that cannot write says only what happened.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "settings_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

TEST_F(Settings, RefusedLoanTextsAreSavedAsTheLastReadableValue) {
    App& a = start();
    a.main.Ed0_moto.set_text("30000000");
    a.main.Ed0_kin.set_text("1.5");
    a.main.Ed0_nen.set_text("35");
    a.main.Ed0_wari.set_text("20");
    // What a user may type and the calculation refuses with a beep.
    a.main.Ed0_moto.set_text("30,000,000");
    a.main.Ed0_kin.set_text("１．５");
    a.main.Ed0_nen.set_text("35年");
    a.main.Ed0_tuki.set_text("");
    a.main.Ed0_wari.set_text("150");
    a.main.close();
    const auto lines = file();
    EXPECT_EQ(lines[25], "1.5");
    EXPECT_EQ(lines[26], "35");
    EXPECT_EQ(lines[27], "0");
    EXPECT_EQ(lines[28], "20");
    EXPECT_EQ(lines[29], "30000000");
    const std::size_t length = lines.size();
    start();
    EXPECT_EQ(platform->take_log(), std::vector<std::string>{}) << "no repair at the next start";
    EXPECT_EQ(file().size(), length);
}

TEST_F(Settings, AFieldThatNeverHeldAReadableTextSavesItsDesignValue) {
    App& a = start();
    a.main.Ed0_moto.set_text("３０００００００");
    a.main.close();
    EXPECT_EQ(file()[29], "1000000");
}

// A first start writes 100 lines. A bad line 41 then gives the 52 stored lines and 100
// lines "0": 152. Every further repair stays at 152 lines, where each used to add 100.
TEST_F(Settings, RepeatedRepairsKeepTheFileAtOneLength) {
    start();
    ASSERT_EQ(file().size(), 100u);
    for (int cycle = 0; cycle < 4; ++cycle) {
        auto lines = file();
        lines[40] = "x";
        write(lines);
        start();
        const auto repaired = file();
        EXPECT_EQ(repaired.size(), 152u) << "cycle " << cycle;
        EXPECT_EQ(repaired[40], "0");
        EXPECT_EQ(repaired[51], "常時利用");
    }
}

TEST_F(Settings, AFileGrownByEarlierRepairsShrinksAtTheNextRepair) {
    start();
    auto lines = file();
    lines.resize(600, "0");
    lines[40] = "x";
    write(lines);
    start();
    EXPECT_EQ(file().size(), 152u);
}

TEST_F(Settings, LinesOfItsOwnAfterTheStoredValuesAreCarriedThroughARepair) {
    start();
    auto lines = file();
    lines.resize(60, "0");
    lines[55] = "メモ";
    lines[40] = "x";
    write(lines);
    start();
    const auto repaired = file();
    ASSERT_EQ(repaired.size(), 156u);  // 56 lines up to the last that is not "0", then 100
    EXPECT_EQ(repaired[55], "メモ");
}

// A file nobody may write (as on a full or read-only disk): the repair cannot write it and
// says so, once, without claiming the file was rewritten.
TEST_F(Settings, ARepairThatCannotWriteSaysOnlyThat) {
    start();
    auto lines = file();
    lines[40] = "x";
    write(lines);
    ASSERT_EQ(::chmod(ini().c_str(), 0444), 0);
    start();
    const auto log = platform->take_log();
    ::chmod(ini().c_str(), 0644);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "beep default");
    EXPECT_EQ(log[1],
              "error " + ini().string() +
                  ": 41 行目の値を読めません。これらの設定は今の値のままです。ファイルは書き"
                  "直せませんでした: " +
                  ini().string() + ": 書き込みが許可されていないため保存できません");
    EXPECT_EQ(file()[40], "x") << "the file stays as it was";
}

TEST_F(Settings, APipeAsTheSettingsFileIsReportedAndNeverReplaced) {
    ASSERT_EQ(::mkfifo(ini().c_str(), 0600), 0);
    start();  // must not wait for a writer
    const auto log = platform->take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "error " + ini().string() + ": 通常のファイルではないため読み込めません");
    EXPECT_TRUE(fs::is_fifo(ini()));
}

TEST_F(Settings, TemporaryFilesOfAKilledSaveAreGoneAfterTheNextStart) {
    start();
    // Process numbers above the system's largest are never in use.
    const fs::path stale = folder.path() / "kinri.ini.~999999999-4.tmp";
    const fs::path stale_memory = folder.path() / "両表１.~999999999-0.tmp";
    std::ofstream(stale) << "0";
    std::ofstream(stale_memory) << "0";
    start();
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(stale_memory));
    EXPECT_TRUE(fs::exists(ini()));
}

}  // namespace
}  // namespace rebanto
