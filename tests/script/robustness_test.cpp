// Whatever a script holds, the runner answers with an exit code and never crashes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runner_fixture.h"

namespace rebanto::testing {
namespace {

using Robustness = RunnerTest;

const std::string kValidScript =
    "set TForm1.Ed0_moto 30000000\n"
    "click TForm1.RB13\n"
    "check TForm1.Furi10 on\n"
    "select TForCur.StGr1 1 3\n"
    "key TForm1.Ed0_kin \\b5\n"
    "page TForm1.PageControl1 設定\n"
    "print TForCur.StGr1[1,8]\n"
    "expect TForm1.HRh.color green\n"
    "dump TForCur.StGr2\n"
    "memo TForm1.RichEdit3\n"
    "answer yes\n"
    "file \"a b\"\n"
    "today 2026/12/08\n"
    "log\n";

bool is_exit_code(int code) {
    return code == 0 || code == 1 || code == 2;
}

TEST_F(Robustness, BinaryGarbageEndsInABadScript) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string garbage(1 + random() % 300, '\0');
        for (char& c : garbage)
            c = static_cast<char>(random() % 256);
        garbage[0] = 'x';  // never a command name
        EXPECT_EQ(run(garbage), 2);
        // The quoted line is cut and cleaned of control characters.
        EXPECT_LT(err().size(), 400u);
        for (char c : err().substr(0, err().size() - 1))
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\t') << int(c);
    }
}

TEST_F(Robustness, DamagedScriptsNeverCrash) {
    std::mt19937 random(11);
    for (int round = 0; round < 500; ++round) {
        std::string script = kValidScript;
        for (int damage = 0; damage < 4; ++damage) {
            const std::size_t at = random() % script.size();
            switch (random() % 3) {
                case 0:
                    script[at] = static_cast<char>(random() % 256);
                    break;
                case 1:
                    script.erase(at, 1 + random() % 8);
                    break;
                default:
                    script.insert(at, 1, "\"#[],.\\ \t\r\0"[random() % 11]);
                    break;
            }
            if (script.empty()) script = "\"";
        }
        EXPECT_TRUE(is_exit_code(run(script))) << script;
    }
}

TEST_F(Robustness, AVeryLongLineIsQuotedShort) {
    const std::string long_text(1 << 20, '9');
    EXPECT_EQ(run("set TForm1.Ed0_moto " + long_text + "\n"), 0);
    EXPECT_EQ(app_.main.Ed0_moto.text().size(), long_text.size());
    EXPECT_EQ(run("click TForm1.Nope " + long_text + "\n"), 2);
    EXPECT_LT(err().size(), 300u);
    EXPECT_NE(err().find("..."), std::string::npos);
}

TEST_F(Robustness, NulBytesAndMalformedUtf8AreRefused) {
    EXPECT_EQ(run(std::string("click TForm1.HRh\0x\n", 19)), 2);
    EXPECT_EQ(run("key TForm1.Ed0_moto \xE5\x86\n"), 2);
    EXPECT_NE(err().find("not valid UTF-8"), std::string::npos) << err();
    EXPECT_EQ(app_.main.Ed0_moto.text(), "1000000");
}

TEST_F(Robustness, AnEmptyScriptSucceeds) {
    EXPECT_EQ(run(""), 0);
    EXPECT_EQ(run("\n\n\n"), 0);
}

TEST_F(Robustness, AMissingLastNewlineStillRunsTheLastLine) {
    EXPECT_EQ(run("print TForm1.Ed0_nen"), 0);
    EXPECT_EQ(out(), "10\n");
}

}  // namespace
}  // namespace rebanto::testing
