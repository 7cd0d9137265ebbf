// Each command reaches the model through the control's own setter or event.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner_fixture.h"

namespace rebanto::testing {
namespace {

using Commands = RunnerTest;

TEST_F(Commands, SetRunsTheChangeHandler) {
    // The method flag rewrites any text but "1" and "0" to "0" in its change handler.
    ASSERT_EQ(run("set TForm1.HHkkgg 1\n"), 0) << err();
    EXPECT_EQ(app_.main.HHkkgg.tag(), 1);
    ASSERT_EQ(run("set TForm1.HHkkgg 7\n"), 0) << err();
    EXPECT_EQ(app_.main.HHkkgg.text(), "0");
    EXPECT_EQ(app_.main.HHkkgg.tag(), 0);
}

TEST_F(Commands, SetTakesTheRestOfTheLine) {
    ASSERT_EQ(run("set TForm1.Ed0_moto 30 000 000  \n"), 0) << err();
    EXPECT_EQ(app_.main.Ed0_moto.text(), "30 000 000");
    ASSERT_EQ(run("set TForm1.Ed0_moto \"\"\n"), 0) << err();
    EXPECT_EQ(app_.main.Ed0_moto.text(), "");
}

TEST_F(Commands, ClickRunsTheClickHandler) {
    ASSERT_EQ(run("click TForm1.RB13\n"), 0) << err();
    EXPECT_EQ(app_.main.HRh.tag(), 2);
    EXPECT_TRUE(app_.main.RB13.checked());
    EXPECT_FALSE(app_.main.RB11.checked());
}

TEST_F(Commands, EachGestureReachesItsOwnEvent) {
    std::vector<std::string> events;
    Label& label = app_.main.Label8;
    label.on_click = [&](Control&) { events.push_back("click"); };
    label.on_dbl_click = [&](Control&) { events.push_back("dbl"); };
    label.on_right_click = [&](Control&) { events.push_back("right"); };
    label.on_exit = [&](Control&) { events.push_back("exit"); };
    label.on_enter = [&](Control&) { events.push_back("enter"); };
    label.on_mouse_over = [&](Control&) { events.push_back("over"); };
    ASSERT_EQ(run("rclick TForm1.Label8\n"
                  "exit TForm1.Label8\n"
                  "enter TForm1.Label8\n"
                  "hover TForm1.Label8\n"
                  "dblclick TForm1.Label8\n"),
              0)
        << err();
    // A double click delivers a click first.
    EXPECT_EQ(events, (std::vector<std::string>{"right", "exit", "enter", "over", "click", "dbl"}));
}

TEST_F(Commands, DoubleClickOnARadioButtonStoresAndClosesThePanel) {
    ASSERT_EQ(run("click TForm1.HRh\ndblclick TForm1.RB12\n"), 0) << err();
    EXPECT_EQ(app_.main.HRh.tag(), 1);
    EXPECT_FALSE(app_.main.Panel5.visible());
}

TEST_F(Commands, CheckSetsARadioButtonOnAndOff) {
    ASSERT_EQ(run("check TForm1.Furi1 on\n"), 0) << err();
    EXPECT_EQ(app_.main.FuriR.tag(), 1);
    EXPECT_FALSE(app_.main.Furi100.checked());
    ASSERT_EQ(run("check TForm1.Furi1 off\n"), 0) << err();
    EXPECT_FALSE(app_.main.Furi1.checked());
}

TEST_F(Commands, SelectClicksTheCellInTheCurrentOrGivenColumn) {
    Grid& grid = app_.cur.StGr1;
    grid.set_row_count(10);
    std::vector<std::pair<int, int>> clicks;
    grid.on_click = [&](Control&) {
        clicks.emplace_back(grid.selected_row(), grid.selected_col());
    };
    ASSERT_EQ(run("select TForCur.StGr1 5 4\nselect TForCur.StGr1 7\n"), 0) << err();
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{5, 4}, {7, 4}}));
}

TEST_F(Commands, CellEditsRowThenColumn) {
    Grid& grid = app_.cur.StGr1;
    grid.set_row_count(10);
    grid.set_editable(true);
    int edited_row = -1;
    int edited_col = -1;
    grid.on_cell_edited = [&](Grid&, int row, int col) {
        edited_row = row;
        edited_col = col;
    };
    ASSERT_EQ(run("cell TForCur.StGr1 5 11 2000000\n"), 0) << err();
    EXPECT_EQ(grid.cell(5, 11), "2000000");
    EXPECT_EQ(edited_row, 5);
    EXPECT_EQ(edited_col, 11);
}

TEST_F(Commands, CellRefusesWhatAUserCouldNotEdit) {
    Grid& grid = app_.cur.StGr1;
    grid.set_row_count(10);
    grid.set_editable(false);
    EXPECT_EQ(run("cell TForCur.StGr1 5 11 1\n"), 2);
    EXPECT_NE(err().find("is not editable"), std::string::npos) << err();
    grid.set_editable(true);
    EXPECT_EQ(run("cell TForCur.StGr1 0 11 1\n"), 2);  // the header row
    EXPECT_EQ(run("cell TForCur.StGr1 5 2 1\n"), 2);   // a fixed column
    EXPECT_EQ(run("cell TForCur.StGr1 10 11 1\n"), 2);
    EXPECT_EQ(grid.cell(5, 2), "");
}

TEST_F(Commands, KeyTypesEachCharacterWithEscapes) {
    int keys = 0;
    app_.main.Ed0_moto.on_key = [&](Control&, char32_t&) { ++keys; };
    ASSERT_EQ(run("key TForm1.Ed0_moto 5\\b\\b円\n"), 0) << err();
    // "1000000" + "5", two backspaces, then a full-width character.
    EXPECT_EQ(app_.main.Ed0_moto.text(), "100000円");
    EXPECT_EQ(keys, 4);
}

TEST_F(Commands, PageActivatesByCaptionOrByName) {
    ASSERT_EQ(run("page TForm1.PageControl1 設定\n"), 0) << err();
    EXPECT_EQ(app_.main.PageControl1.active_page(), &app_.main.TabSheet5);
    ASSERT_EQ(run("page TForm1.PageControl1 TabSheet6\n"), 0) << err();
    EXPECT_EQ(app_.main.PageControl1.active_page(), &app_.main.TabSheet6);
    EXPECT_EQ(run("page TForm1.PageControl1 無い頁\n"), 2);
}

TEST_F(Commands, AnswerIsTakenByTheNextQuestionOnly) {
    app_.main.Button114.on_click = [&](Control&) { platform_.ask("続けますか"); };
    ASSERT_EQ(run("answer yes\nclick TForm1.Button114\nclick TForm1.Button114\nlog\n"), 0) << err();
    EXPECT_EQ(out(), "question 続けますか -> yes\nquestion 続けますか -> no\n");
}

TEST_F(Commands, FileIsQueuedForTheNextDialog) {
    ASSERT_EQ(run("file \"/tmp/a b/c#1.mpc\"\n"), 0) << err();
    EXPECT_EQ(platform_.open_file({}), "/tmp/a b/c#1.mpc");
    EXPECT_EQ(platform_.open_file({}), std::nullopt);
}

TEST_F(Commands, ARelativeFileIsInTheStartFolder) {
    ASSERT_EQ(run("file 差引表.csv\n"), 0) << err();
    EXPECT_EQ(platform_.open_file({}), (app_.start_folder() / "差引表.csv").string());
}

TEST_F(Commands, LogPrintsTheEventsOnce) {
    platform_.beep(Beep::Warning);
    platform_.message("完了");
    ASSERT_EQ(run("log\nlog\n"), 0) << err();
    EXPECT_EQ(out(), "beep warning\ninfo 完了\n");
}

TEST_F(Commands, TodayFixesTheDate) {
    ASSERT_EQ(run("today 2026/12/08\n"), 0) << err();
    EXPECT_EQ(platform_.today(), (Date{2026, 12, 8}));
    EXPECT_EQ(run("today 2026-12-08\n"), 2);
}

TEST_F(Commands, RandomFixesTheGenerator) {
    HeadlessPlatform reference;
    reference.fix_random(42);
    ASSERT_EQ(run("random 42\n"), 0) << err();
    EXPECT_EQ(platform_.random_int(1'000'000), reference.random_int(1'000'000));
}

TEST_F(Commands, CloseClosesTheWindow) {
    ASSERT_TRUE(app_.cur.visible());
    ASSERT_EQ(run("close TForCur\n"), 0) << err();
    EXPECT_FALSE(app_.cur.visible());
}

TEST_F(Commands, DumpWritesEveryRowAndColumn) {
    Grid& grid = app_.cur.StGr2;
    grid.set_row_count(3);
    grid.set_cell(2, 0, "a");
    grid.set_cell(2, 13, "z");
    ASSERT_EQ(run("dump TForCur.StGr2\n"), 0) << err();
    const auto lines = out_lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, lines[0].find('\t')), "月回");
    EXPECT_EQ(lines[2], "a" + std::string(13, '\t') + "z");
}

TEST_F(Commands, MemoWritesOneLineEach) {
    ASSERT_EQ(run("memo TForm1.RichEdit3\n"), 0) << err();
    EXPECT_EQ(out(), "解説コーナー\n\n上の項目から選んで下さい。\n");
}

}  // namespace
}  // namespace rebanto::testing
