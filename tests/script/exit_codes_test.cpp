// Exit codes and the messages that go with them.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "runner_fixture.h"

namespace rebanto::testing {
namespace {

using ExitCodes = RunnerTest;

TEST_F(ExitCodes, MetExpectationsSucceedQuietly) {
    EXPECT_EQ(run("click TForm1.RB13\nexpect TForm1.HRh.tag 2\nexpect TForm1.HRh.color green\n"),
              0);
    EXPECT_EQ(err(), "");
    EXPECT_EQ(out(), "");
}

TEST_F(ExitCodes, AFailedExpectNamesLineTargetExpectedAndActualThenGoesOn) {
    EXPECT_EQ(run("click TForm1.Furi10000\n"
                  "expect TForm1.FuriR.tag 1000\n"
                  "expect TForm1.FuriR.color blue\n"
                  "print TForm1.FuriR.tag\n"),
              1);
    EXPECT_EQ(out(), "10000\n");
    EXPECT_EQ(err(),
              "line 2: expect TForm1.FuriR.tag: expected \"1000\", actual \"10000\"\n"
              "1 of 2 expectations failed\n");
}

TEST_F(ExitCodes, ExpectingEmptyTextComparesWithEmpty) {
    EXPECT_EQ(run("expect TForm1.HRh \"\"\n"), 0) << err();
    EXPECT_EQ(run("expect TForm1.Ed0_nen \"\"\n"), 1);
    EXPECT_NE(err().find("expected \"\", actual \"10\""), std::string::npos) << err();
}

TEST_F(ExitCodes, AnUnknownControlStopsTheRunNamingLineAndControl) {
    EXPECT_EQ(run("# first\n\nclick TForm1.NoSuchButton\nprint TForm1.Ed0_nen\n"), 2);
    EXPECT_EQ(out(), "");
    EXPECT_EQ(err(), "line 3: unknown control TForm1.NoSuchButton [click TForm1.NoSuchButton]\n");
}

TEST_F(ExitCodes, AnUnknownFormIsNamed) {
    EXPECT_EQ(run("print TForm99.Edit1\n"), 2);
    EXPECT_EQ(err(), "line 1: unknown form TForm99 [print TForm99.Edit1]\n");
}

TEST_F(ExitCodes, MalformedLinesAreBadScripts) {
    const std::pair<const char*, const char*> cases[] = {
        {"frob TForm1.HRh", "unknown command \"frob\""},
        {"click", "missing control"},
        {"set TForm1.Ed0_moto", "missing text"},
        {"expect TForm1.Ed0_moto", "missing expected text"},
        {"click TForm1.HRh now", "unexpected text \"now\""},
        {"select TForCur.StGr1 x", "bad row \"x\""},
        {"select TForCur.StGr1 1 99999999999", "bad column"},
        {"random -1", "bad number"},
        {"check TForm1.RB11 yes", "expected on or off"},
        {"check TForm1.HRh on", "TForm1.HRh (Edit) is not a check box or radio button"},
        {"answer maybe", "expected yes or no"},
        {"dump TForm1.HRh", "TForm1.HRh (Edit) is not a grid"},
        {"memo TForCur.StGr1", "TForCur.StGr1 (Grid) is not a memo"},
        {"close TForm1.HRh", "expected a window name"},
        {"file \"\"", "empty path"},
        {"set TForCur.StGr1 1", "cannot set the text"},
        {"click TForm1", "expected a control named Form.Control"},
        {"click TForm1..HRh", "malformed name"},
        {"print TForm1.HRh.tag.x", "malformed name"},
        {"CLICK TForm1.HRh", "unknown command"},
    };
    for (const auto& [line, message] : cases) {
        EXPECT_EQ(run(std::string(line) + "\n"), 2) << line;
        EXPECT_NE(err().find(std::string("line 1: ") + message), std::string::npos)
            << line << " → " << err();
    }
}

TEST_F(ExitCodes, ABadLineAfterAFailedExpectStillExitsTwo) {
    EXPECT_EQ(run("expect TForm1.Ed0_nen 11\nclick TForm1.Nope\n"), 2);
}

TEST_F(ExitCodes, AnExceptionFromAHandlerEndsAsAnErrorBoxAndTheScriptGoesOn) {
    app_.main.Button114.on_click = [](Control&) { throw std::runtime_error("boom"); };
    EXPECT_EQ(run("click TForm1.Button114\nlog\nprint TForm1.Ed0_nen\n"), 0);
    EXPECT_EQ(out(), "error boom\n10\n");
}

TEST_F(ExitCodes, AnythingThrownFromAHandlerIsAnUnexpectedFailure) {
    app_.main.Button114.on_click = [](Control&) { throw 42; };
    EXPECT_EQ(run("click TForm1.Button114\nlog\n"), 0);
    EXPECT_EQ(out(), "error 予期しないエラーが生じました\n");
}

}  // namespace
}  // namespace rebanto::testing
