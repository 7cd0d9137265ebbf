// The settings file: first run, repair path, folders, the round trip through an exit and
// a new start, exit without saving and restart, and the window placement record.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/field_at.h"
#include "base/linefile.h"
#include "settings_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

TEST_F(Settings, AFirstRunBeepsOnceAndWritesAHundredLines) {
    App& a = start();
    EXPECT_EQ(platform->take_log(), std::vector<std::string>{"beep default"});
    EXPECT_EQ(a.main.Ed0_moto.text(), "1000000") << "design values";
    const auto lines = file();
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0], "0");
    EXPECT_EQ(lines[1], "未記入無名");
    EXPECT_EQ(lines[3], "音有");
    EXPECT_EQ(lines[5], "2.80");
    EXPECT_EQ(lines[24], "kin_hen.txh");
    EXPECT_EQ(lines[29], "1000000");
    EXPECT_EQ(lines[36], "1");
    EXPECT_EQ(lines[37], "1");
    EXPECT_EQ(lines[46], "100");
    EXPECT_EQ(lines[47], "") << "no data folder was loaded";
    EXPECT_EQ(lines[51], "常時利用");
    EXPECT_EQ(lines[99], "0");
}

TEST_F(Settings, ASecondRunLoadsQuietly) {
    start();
    start();
    EXPECT_TRUE(platform->take_log().empty());
    EXPECT_EQ(app->main.dataFolder, start_folder());
    EXPECT_EQ(app->main.packFolder, start_folder() + "UserData/");
    EXPECT_TRUE(fs::is_directory(folder.path() / "UserData"));
}

TEST_F(Settings, ADamagedLineIsRepairedAndTheOtherLinesKeepTheirValues) {
    start();
    auto lines = file();
    lines[1] = "山田";
    lines[25] = "3.1";
    lines[40] = "x";
    lines[46] = "1000";
    write(lines);
    App& a = start();
    EXPECT_EQ(platform->take_log(),
              (std::vector<std::string>{"beep default",
                                        "info " + ini().string() +
                                            ": 41 行目の値を読めません。これらの設定は今の値のま"
                                            "ま、ファイルを書き直しました。"}));
    EXPECT_EQ(a.main.FuriR.tag(), 1000) << "a line after the damaged one still applies";
    EXPECT_EQ(a.main.Edit46.text(), "山田");
    EXPECT_EQ(a.main.Ed0_kin.text(), "3.1");
    EXPECT_EQ(a.main.HRh.tag(), 0);
    const auto repaired = file();
    // The first start's padding of "0" after line 51 goes, then 100 lines "0" follow.
    ASSERT_EQ(repaired.size(), 152u) << "the 52 stored lines and 100 lines \"0\"";
    EXPECT_EQ(repaired[40], "0") << "rewritten from the current state";
    EXPECT_EQ(repaired[150], "0");
    EXPECT_EQ(repaired[1], "山田");
    EXPECT_EQ(repaired[46], "1000");
}

TEST_F(Settings, ZeroOrEmptyFoldersFallBackToTheStartFolder) {
    start();
    auto lines = file();
    lines[47] = "0";
    lines[48] = "0";
    lines[49] = "";
    lines[50] = "/srv/packs/";
    write(lines);
    App& a = start();
    EXPECT_EQ(a.main.dataFolder, start_folder());
    EXPECT_EQ(a.main.packListFolder, start_folder() + "UserData/");
    EXPECT_EQ(a.main.exportFolder, start_folder() + "UserData/");
    EXPECT_EQ(a.main.packFolder, "/srv/packs/");
}

TEST_F(Settings, EverySettingComesBackAfterAnExitAndANewStart) {
    {
        TForm1& f = start().main;
        f.Edit46.set_text("佐藤");
        f.Button86.click();  // sound off
        f.Ed5_memoobi.set_text("帯");
        f.Edit39.set_text("2.5");
        f.Edit57.set_text("4.25");
        f.Edit66.set_text("my.txh");
        f.Ed0_moto.set_text("30000000");
        f.Ed0_kin.set_text("1.5");
        f.Ed0_nen.set_text("20");
        f.Ed0_tuki.set_text("6");
        f.Ed0_wari.set_text("20");
        f.CheckBox6.set_checked(true);
        f.RB13.click();
        f.RB22.click();
        f.Furi1000.click();
        f.TrackBar1.set_position(112);
        f.set_bounds(70, 50, 1000, 700);
        f.packFolder = "/srv/packs/";
        app->cur.set_bounds(300, 200, 640, 480);
        app->cur.Button3.click();
        app->cur.Button3.click();
        f.UpDown1.set_position(14);
        f.close();
        EXPECT_FALSE(f.visible());
    }
    TForm1& g = start().main;
    EXPECT_EQ(g.Edit46.text(), "佐藤");
    EXPECT_EQ(g.Edit58.text(), "佐藤");
    EXPECT_EQ(g.Button86.caption(), "音無");
    EXPECT_FALSE(g.sound_on());
    EXPECT_EQ(g.Ed5_memoobi.text(), "帯");
    EXPECT_EQ(g.Edit39.text(), "2.5");
    EXPECT_EQ(g.Edit57.text(), "4.25");
    EXPECT_EQ(g.Edit66.text(), "my.txh");
    EXPECT_EQ(g.Ed0_moto.text(), "30000000");
    EXPECT_EQ(g.Ed0_kin.text(), "1.5");
    EXPECT_EQ(g.Ed0_nen.text(), "20");
    EXPECT_EQ(g.Ed0_tuki.text(), "6");
    EXPECT_EQ(g.Ed0_wari.text(), "20");
    EXPECT_EQ(g.Edit6.text(), "6000000") << "the loan is computed from the loaded inputs";
    EXPECT_TRUE(g.CheckBox6.checked());
    EXPECT_EQ(g.HRh.tag(), 2);
    EXPECT_EQ(g.HRr.tag(), 1);
    EXPECT_EQ(g.FuriR.tag(), 1000);
    EXPECT_TRUE(g.Furi1000.checked());
    EXPECT_EQ(g.TrackBar1.position(), 112);
    EXPECT_EQ(g.left(), 70);
    EXPECT_EQ(g.top(), 50);
    EXPECT_EQ(g.width(), 1000);
    EXPECT_EQ(g.height(), 700);
    EXPECT_EQ(g.packFolder, "/srv/packs/");
    EXPECT_EQ(app->cur.left(), 300);
    EXPECT_EQ(app->cur.height(), 480);
    EXPECT_EQ(app->cur.ZoomSteps, 2) << "the zoom is replayed";
    EXPECT_EQ(app->cur.StGr1.col_width(3), 89) << "74 → 81.9 → 81, then 89.6 → 89";
    EXPECT_EQ(g.RichEdit1.font_size(), 14);
    EXPECT_TRUE(g.PlacementRestored);
}

TEST_F(Settings, ExitWithoutSavingLeavesTheFileAndStartsANewRun) {
    start();
    const auto before = file();
    app->main.Ed0_moto.set_text("5000000");
    app->main.Button101.click();
    EXPECT_EQ(file(), before);
    EXPECT_FALSE(app->main.visible());
    EXPECT_EQ(platform->take_log().back(),
              "start /opt/rebanto/rebanto --start-folder " + folder.path().string());
    EXPECT_TRUE(app->main.NoSave);
}

TEST_F(Settings, TheTitleDoubleClickAlsoExitsWithoutSaving) {
    start();
    const auto before = file();
    app->main.Ed0_moto.set_text("5000000");
    app->main.Label20.dbl_click();
    EXPECT_EQ(file(), before);
}

TEST_F(Settings, RestartSavesTheStateAtTheClick) {
    start();
    app->main.Ed0_moto.set_text("5000000");
    app->main.Button105.click();
    EXPECT_EQ(file()[29], "5000000");
    EXPECT_TRUE(platform->take_log().back().starts_with("start /opt/rebanto/rebanto"));
}

TEST_F(Settings, AnUnwritableFileIsReportedAndTheProgramStillEnds) {
    start();
    fs::remove(folder.path() / "kinri.ini");
    fs::create_directory(folder.path() / "kinri.ini");  // a folder where the file should be
    app->main.close();
    EXPECT_FALSE(app->main.visible());
    EXPECT_TRUE(platform->take_log().back().starts_with("error ")) << "reported";
}

TEST_F(Settings, PlacementIsZeroWhenSizesAreNotRecorded) {
    start();
    app->main.CheckBox4.set_checked(false);
    app->main.Bt_save.click();
    EXPECT_EQ(file()[45], "0");
    app->main.CheckBox4.set_checked(true);
    app->main.Bt_save.click();
    EXPECT_EQ(split_fields(file()[45]).size(), 50u);
}

TEST_F(Settings, ExtraLinesAreCarriedAlong) {
    start();
    auto lines = file();
    lines[77] = "他のソフトの値";
    write(lines);
    start();
    app->main.Bt_save.click();
    EXPECT_EQ(file()[77], "他のソフトの値");
}

TEST_F(Settings, ADamagedPlacementRecordIsSavedAgainAndRetried) {
    start();
    auto lines = file();
    auto fields = split_fields(lines[45]);
    fields[40] = "大";
    lines[45] = join_fields(fields);
    write(lines);
    App& a = start();
    EXPECT_FALSE(a.main.PlacementRestored);
    EXPECT_EQ(split_fields(file()[45])[40], std::to_string(a.cur.height()))
        << "the current state was saved at once";
    a.main.restore_placement();  // the next paint
    EXPECT_TRUE(a.main.PlacementRestored);
}

TEST_F(Settings, CurrentTablesAtTheCornerMoveToTheirDefaultPlace) {
    start();
    app->cur.set_bounds(0, 0, 300, 200);
    app->main.Bt_save.click();
    App& a = start();
    EXPECT_EQ(a.cur.top(), 459);
    EXPECT_EQ(a.cur.left(), 538);
    EXPECT_EQ(a.cur.height(), 442);
    EXPECT_EQ(a.cur.width(), 587);
}

TEST_F(Settings, AZeroFontSizeKeepsTheDesignFontButTablesGetTen) {
    start();
    app->main.Bt_save.click();  // memo font sizes 0, table font 10
    auto lines = file();
    auto fields = split_fields(lines[45]);
    fields[42] = "0";
    lines[45] = join_fields(fields);
    write(lines);
    App& a = start();
    EXPECT_EQ(a.main.RichEdit1.font_size(), 0);
    EXPECT_EQ(a.cur.StGr1.font_size(), 10);
    EXPECT_EQ(a.cur.UpDown3.position(), 10);
}

TEST_F(Settings, ExplanationButtonsReadTheirDocuments) {
    start();
    write_lines(folder.path() / "ZELD001.doc", {"近況", "新しい版です。"});
    app->main.Button23.click();
    EXPECT_EQ(app->main.RichEdit3.lines(), (std::vector<std::string>{"近況", "新しい版です。"}));
    app->main.Button118.click();  // ZELD009.doc is missing
    EXPECT_EQ(app->main.RichEdit3.lines()[0], "近況") << "the memo keeps what it showed";
    EXPECT_TRUE(platform->take_log().back().starts_with("error "));
}

TEST_F(Settings, HelpOpensTheHelpFileOfTheStartFolder) {
    start();
    app->main.BtHelp.click();
    EXPECT_EQ(platform->take_log().back(), "help " + (folder.path() / "Vorpen.hlp").string());
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

TEST_F(Settings, ARescaleTellsTheWidthRatioThenReturnsToUnchanged) {
    TForm1& f = start().main;
    f.set_size(900, 640);
    f.StatusBar1.click();  // remembers 892 × 608
    std::vector<std::string> seen;
    f.add_observer([&](Control* c, Change change, int, int) {
        if (c == &f.Edit11 && change == Change::Text) seen.push_back(f.Edit11.text());
    });
    f.set_size(1123, 792);
    f.StatusBar1.click();
    // 10000 × 1115 / 892 = 12500
    EXPECT_EQ(seen, (std::vector<std::string>{"12500", "10000"}));
    EXPECT_EQ(f.RememberedClientWidth, 1115);
}

}  // namespace
}  // namespace rebanto
