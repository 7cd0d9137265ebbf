// What print and expect read: windows, controls, their properties and grid cells.
#include <gtest/gtest.h>

#include <string>

#include "runner_fixture.h"

namespace rebanto::testing {
namespace {

using Targets = RunnerTest;

TEST_F(Targets, AWindowAloneIsItsCaption) {
    ASSERT_EQ(run("print TForCur\nprint TForCur.caption\n"), 0) << err();
    EXPECT_EQ(out(), "カレント両表\nカレント両表\n");
}

TEST_F(Targets, WindowVisibilityFollowsStartUpAndClose) {
    // Start-up leaves the main window and the current tables shown, the splash hidden.
    ASSERT_EQ(run("print TForm1.visible\nprint TForm2.visible\nclose TForCur\n"
                  "print TForCur.visible\n"),
              0)
        << err();
    EXPECT_EQ(out(), "true\nfalse\nfalse\n");
}

TEST_F(Targets, AControlAloneIsItsValueText) {
    ASSERT_EQ(run("print TForm1.Ed0_kin\nprint TForm1.PageControl1\n"), 0) << err();
    EXPECT_EQ(out(), "2.325\n個別返済額算定\n");
}

TEST_F(Targets, PropertiesReadTheControl) {
    Control& label = app_.main.Label8;
    label.set_tag(-7);
    label.set_enabled(false);
    label.set_font_size(12);
    label.set_font_color(Color::Navy);
    ASSERT_EQ(run("print TForm1.Label8.text\n"
                  "print TForm1.Label8.caption\n"
                  "print TForm1.Label8.tag\n"
                  "print TForm1.Label8.enabled\n"
                  "print TForm1.Label8.font\n"
                  "print TForm1.Label8.fontcolor\n"
                  "print TForm1.FuriR.color\n"
                  "print TForm1.HRh.hint\n"),
              0)
        << err();
    EXPECT_EQ(out_lines(), (std::vector<std::string>{
                               "ｽﾀｰﾄ総元金", "ｽﾀｰﾄ総元金", "-7", "false", "12", "navy", "green",
                               "計算均等額の端数処理（赤=切り捨て・黄=四捨五入・緑=切り上げ）"}));
}

TEST_F(Targets, VisibleIsTheControlsOwnFlagAndShowingFollowsItsContainers) {
    // RB11 sits in the settings panel, which starts hidden.
    ASSERT_EQ(run("print TForm1.RB11.visible\nprint TForm1.RB11.showing\n"
                  "click TForm1.HRh\nprint TForm1.RB11.showing\n"),
              0)
        << err();
    EXPECT_EQ(out(), "true\nfalse\ntrue\n");
}

TEST_F(Targets, CheckedReadsRadioButtons) {
    ASSERT_EQ(run("click TForm1.RB12\nprint TForm1.RB12.checked\nprint TForm1.RB11.checked\n"), 0)
        << err();
    EXPECT_EQ(out(), "true\nfalse\n");
}

TEST_F(Targets, CheckedOfAnEditIsABadScript) {
    EXPECT_EQ(run("print TForm1.HRh.checked\n"), 2);
    EXPECT_EQ(err(), "line 1: TForm1.HRh (Edit) has no checked state [print TForm1.HRh.checked]\n");
}

TEST_F(Targets, UnknownPropertyIsABadScript) {
    EXPECT_EQ(run("print TForm1.HRh.colour\n"), 2);
    EXPECT_NE(err().find("unknown property colour in TForm1.HRh.colour"), std::string::npos)
        << err();
}

TEST_F(Targets, CellsAreRowThenColumn) {
    app_.cur.StGr1.set_row_count(4);
    app_.cur.StGr1.set_cell(3, 1, "row3col1");
    app_.cur.StGr1.set_cell(1, 3, "row1col3");
    ASSERT_EQ(run("print TForCur.StGr1[3,1]\nexpect TForCur.StGr1[1,3] row1col3\n"
                  "print TForCur.StGr1[0,4]\n"),
              0)
        << err();
    EXPECT_EQ(out(), "row3col1\n年金利\n");
}

TEST_F(Targets, ACellOutsideTheGridFailsExpectAndStopsPrint) {
    EXPECT_EQ(run("expect TForCur.StGr1[2,0] 1\nprint TForm1.Ed0_nen\n"), 1);
    EXPECT_EQ(out(), "10\n");  // the run went on
    EXPECT_NE(err().find("line 1: expect TForCur.StGr1[2,0]: expected \"1\", but the grid has "
                         "2 rows, 14 columns"),
              std::string::npos)
        << err();
    EXPECT_EQ(run("print TForCur.StGr1[0,14]\n"), 2);
}

TEST_F(Targets, MalformedCellsAreBadScripts) {
    for (const char* script :
         {"print TForCur.StGr1[1]\n", "print TForCur.StGr1[1,]\n", "print TForCur.StGr1[-1,0]\n",
          "print TForCur.StGr1[1,2\n", "print TForCur.StGr1[a,b]\n",
          "print TForCur.StGr1[1,2].hint\n", "print TForm1.HRh[0,0]\n"}) {
        EXPECT_EQ(run(script), 2) << script;
    }
}

TEST_F(Targets, AGridOrMemoAsAWholeNeedsItsOwnCommand) {
    EXPECT_EQ(run("print TForCur.StGr1\n"), 2);
    EXPECT_EQ(run("expect TForm1.RichEdit3 解説コーナー\n"), 2);
    ASSERT_EQ(run("print TForCur.StGr1.hint\n"), 0) << err();
    EXPECT_EQ(out(), "カレント月返済表\n");
}

}  // namespace
}  // namespace rebanto::testing
