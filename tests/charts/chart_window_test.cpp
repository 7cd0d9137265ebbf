// The view operations of a chart window: the angle steps that go round at 0 and 360, the
// angle fields and their presets, the flat view, paging, the PNG file and the double
// click that brings the main windows forward.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

class ChartWindowTest : public testing::AppTest {
protected:
    TForm5& w = app.cur_chart;
    ChartModel& chart() { return w.Chart1.model; }
    std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
};

// ---- Angles ----

TEST_F(ChartWindowTest, ElevationUpAt360GoesRoundToOne) {
    w.Edit1.set_text("360");
    w.Button3.click();
    EXPECT_EQ(w.Edit1.text(), "1");
    EXPECT_EQ(chart().elevation(), 1);
}

TEST_F(ChartWindowTest, ElevationDownAtZeroGoesRoundTo359) {
    w.Edit1.set_text("0");
    w.Button1.click();
    EXPECT_EQ(w.Edit1.text(), "359");
    EXPECT_EQ(chart().elevation(), 359);
}

TEST_F(ChartWindowTest, RotationStepsGoRoundTheSameWay) {
    w.Edit2.set_text("360");
    w.Button4.click();
    EXPECT_EQ(w.Edit2.text(), "1");
    w.Edit2.set_text("0");
    w.Button2.click();
    EXPECT_EQ(w.Edit2.text(), "359");
    EXPECT_EQ(chart().rotation(), 359);
    w.Button2.click();
    EXPECT_EQ(chart().rotation(), 358);
}

TEST_F(ChartWindowTest, AStepTurnsTheFlatViewBackInto3DThroughItsField) {
    w.Button6.click();
    ASSERT_FALSE(chart().view3d());
    w.Button3.click();
    EXPECT_TRUE(chart().view3d());
    EXPECT_EQ(chart().elevation(), 1);
}

TEST_F(ChartWindowTest, TypingAnAngleSwitches3DOnAtThatAngle) {
    w.Button6.click();
    w.Edit1.set_text("20");
    EXPECT_TRUE(chart().view3d());
    EXPECT_EQ(chart().elevation(), 20);
    EXPECT_EQ(chart().rotation(), 0);
    w.Edit2.set_text("45");
    EXPECT_EQ(chart().rotation(), 45);
}

TEST_F(ChartWindowTest, AnAngleBeyondItsRangeIsGivenTheLimitInItsField) {
    w.Edit1.set_text("400");
    EXPECT_EQ(w.Edit1.text(), "360");
    EXPECT_EQ(chart().elevation(), 360);
    w.Edit2.set_text("-30");
    EXPECT_EQ(w.Edit2.text(), "0");
    EXPECT_EQ(chart().rotation(), 0);
    EXPECT_TRUE(platform.take_log().empty()) << "limits apply without a message";
}

TEST_F(ChartWindowTest, AnAngleIsTakenInWholeDegrees) {
    w.Edit1.set_text("12.7");
    EXPECT_EQ(chart().elevation(), 12);
}

TEST_F(ChartWindowTest, AnAngleThatIsNoNumberIsNamedAndChangesNothing) {
    w.Edit1.set_text("x");
    EXPECT_EQ(chart().elevation(), 345);
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "error 入力欄 Edit1 の「x」は有効な数値ではありません");
}

TEST_F(ChartWindowTest, ThePresetsSetBothAngles) {
    w.Edit1.dbl_click();
    EXPECT_EQ(w.Edit1.text(), "300");
    EXPECT_EQ(w.Edit2.text(), "300");
    EXPECT_EQ(chart().rotation(), 300);
    w.Edit2.dbl_click();
    EXPECT_EQ(chart().elevation(), 330);
    EXPECT_EQ(chart().rotation(), 330);
    w.Button5.click();
    EXPECT_EQ(chart().elevation(), 345);
    EXPECT_EQ(chart().rotation(), 345);
    EXPECT_TRUE(chart().view3d());
}

TEST_F(ChartWindowTest, ZeroEndsFlatThoughWritingItsFieldsTurns3DOn) {
    w.Button6.click();
    EXPECT_EQ(w.Edit1.text(), "0");
    EXPECT_EQ(w.Edit2.text(), "0");
    EXPECT_EQ(chart().elevation(), 0);
    EXPECT_FALSE(chart().view3d());
    w.Button5.click();
    EXPECT_TRUE(chart().view3d());
}

// ---- Paging ----

TEST_F(ChartWindowTest, AtStartAllPointsShowAndOnlyPagingCanBeChosen) {
    EXPECT_FALSE(chart().paged());
    EXPECT_TRUE(w.Button7.enabled());
    EXPECT_FALSE(w.Button8.enabled());
    EXPECT_FALSE(w.Button9.enabled());
    EXPECT_FALSE(w.Button10.enabled());
}

TEST_F(ChartWindowTest, PagingEnablesThePageButtonsAndShowAllTakesThemAway) {
    ChartData data;
    for (int i = 0; i < 150; ++i)
        data.labels.push_back(std::to_string(i));
    chart().set_data(data);
    w.Button7.click();
    EXPECT_TRUE(chart().paged());
    EXPECT_FALSE(w.Button7.enabled());
    EXPECT_TRUE(w.Button8.enabled() && w.Button9.enabled() && w.Button10.enabled());
    w.Button10.click();
    w.Button10.click();
    EXPECT_EQ(chart().shown_points(), (PointRange{120, 150}));
    w.Button9.click();
    EXPECT_EQ(chart().page(), 1);
    w.Button8.click();
    EXPECT_FALSE(chart().paged());
    EXPECT_EQ(chart().shown_points(), (PointRange{0, 150}));
    EXPECT_TRUE(w.Button7.enabled());
    EXPECT_FALSE(w.Button8.enabled() || w.Button9.enabled() || w.Button10.enabled());
}

// ---- The way back ----

TEST_F(ChartWindowTest, ADoubleClickOnTheChartShowsAndRaisesTheMainWindows) {
    f1.hide();
    app.cur.hide();
    std::vector<std::string> raised;
    w.raise_window = [&](Form& form) { raised.push_back(form.name()); };
    w.Chart1.dbl_click();
    EXPECT_TRUE(f1.visible());
    EXPECT_TRUE(app.cur.visible());
    EXPECT_EQ(raised, (std::vector<std::string>{"TForm1", "TForCur"}));
}

// ---- The PNG file ----

TEST_F(ChartWindowTest, ThePngIsWrittenWhereTheDialogSays) {
    w.Chart1.png_image = [] { return std::string("\x89PNG image"); };
    const fs::path path = folder.path() / "グラフ.png";
    platform.queue_file(path.string());
    w.Button11.click();
    EXPECT_EQ(read(path), "\x89PNG image");
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(ChartWindowTest, ACancelledDialogWritesNothing) {
    int drawn = 0;
    w.Chart1.png_image = [&] {
        ++drawn;
        return std::string("png");
    };
    w.Button11.click();
    EXPECT_EQ(drawn, 0);
    EXPECT_TRUE(platform.take_log().empty());
}

TEST_F(ChartWindowTest, WithoutAScreenToDrawOnTheSaveIsRefusedNamingTheFile) {
    const fs::path path = folder.path() / "a.png";
    platform.queue_file(path.string());
    w.Button11.click();
    EXPECT_FALSE(fs::exists(path));
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find(path.string()), std::string::npos) << log[0];
}

TEST_F(ChartWindowTest, AFolderThatCannotBeWrittenIsNamedAndTheOldFileStaysIntact) {
    w.Chart1.png_image = [] { return std::string("new image"); };
    const fs::path locked = folder.path() / "locked";
    fs::create_directories(locked);
    const fs::path path = locked / "chart.png";
    write(path, "old image");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    platform.queue_file(path.string());
    w.Button11.click();
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(read(path), "old image");
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "error " + path.string() + ": フォルダーに書き込めないため保存できません");
}

TEST_F(ChartWindowTest, AFileThatMayNotBeWrittenIsNamedAndStaysIntact) {
    w.Chart1.png_image = [] { return std::string("new image"); };
    const fs::path path = folder.path() / "chart.png";
    write(path, "old image");
    fs::permissions(path, fs::perms::owner_read);
    platform.queue_file(path.string());
    w.Button11.click();
    EXPECT_EQ(read(path), "old image");
    const auto log = platform.take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find(path.string()), std::string::npos) << log[0];
}

}  // namespace
}  // namespace rebanto
