// Bad values in the settings file: counts no loan can have, bytes that are not code page
// 932, a CR inside a line, and values the file cannot hold. Each costs its own line at most.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_fixture.h"

namespace rebanto {
namespace {

const std::string kYamada = "\x8E\x52\x93\x63";  // 山田 in code page 932

// The log of a start that found the given 1-based lines unusable.
std::vector<std::string> repair_log(const std::string& file, const std::string& lines) {
    return {"beep default", "info " + file + ": " + lines +
                                "の値を読めません。これらの設定は今の値のまま、ファイルを書き直"
                                "しました。"};
}

TEST_F(Settings, ATermBeyondAThousandYearsIsABadLineAndIsNotSavedBack) {
    for (const char* term : {"178956971", "12001", "-12001", "1e300", "2147483648"}) {
        start();
        auto lines = file();
        lines[26] = term;
        lines[29] = "30000000";
        write(lines);
        App& a = start();
        EXPECT_EQ(platform->take_log(), repair_log(ini().string(), "27 行目")) << term;
        EXPECT_EQ(a.main.Ed0_nen.text(), "10") << "the design term stays: " << term;
        EXPECT_EQ(a.main.Ed0_moto.text(), "30000000") << term;
        EXPECT_EQ(file()[26], "10") << term;
        EXPECT_EQ(file()[29], "30000000") << term;
    }
}

TEST_F(Settings, TermMonthsAreCountsToo) {
    start();
    auto lines = file();
    lines[27] = "99999999999";
    write(lines);
    App& a = start();
    EXPECT_EQ(platform->take_log(), repair_log(ini().string(), "28 行目"));
    EXPECT_EQ(a.main.Ed0_tuki.text(), "0");
    EXPECT_EQ(file()[27], "0");
}

TEST_F(Settings, WholeNumbersThatWouldWrapAreBadLines) {
    start();
    auto lines = file();
    lines[2] = "4294967297";   // 2^32 + 1 would wrap to 1 as an int
    lines[44] = "2147483600";  // + 100 for the slider position would overflow an int
    write(lines);
    App& a = start();
    EXPECT_EQ(platform->take_log(), repair_log(ini().string(), "3 行目、45 行目"));
    EXPECT_EQ(a.main.TrackBar1.position(), 100) << "the design position";
    EXPECT_EQ(a.main.Button86.tag(), 1) << "the design sound setting";
    EXPECT_EQ(file()[2], "1");
    EXPECT_EQ(file()[44], "0");
}

TEST_F(Settings, UnreadableBytesInACarriedLineAreKeptByteForByte) {
    start();
    start();  // a run with a whole file: every folder is set
    app->main.Ed0_moto.set_text("30000000");
    app->main.Bt_save.click();
    auto lines = byte_lines();
    lines[0] = "\x82\x20";  // a lead byte without its second byte
    lines[77] = "\xFF\xFD" + kYamada + "\x80";
    put_byte_lines(lines);
    const std::string before = bytes();

    App& a = start();
    EXPECT_TRUE(platform->take_log().empty()) << "nothing the program reads is damaged";
    EXPECT_EQ(a.main.Ed0_moto.text(), "30000000");
    a.main.Bt_save.click();
    EXPECT_EQ(byte_lines()[0], "\x82\x20");
    EXPECT_EQ(byte_lines()[77], "\xFF\xFD" + kYamada + "\x80");
    EXPECT_EQ(bytes(), before) << "nothing changed, so the file is the same";
}

TEST_F(Settings, AnUnreadableValueCostsOnlyItsOwnLine) {
    start();
    app->main.Ed0_moto.set_text("30000000");
    app->main.Edit39.set_text("2.5");
    app->main.Bt_save.click();
    auto lines = byte_lines();
    lines[1] = kYamada + "\x82";  // the name, cut in the middle of a character
    put_byte_lines(lines);

    App& a = start();
    EXPECT_EQ(platform->take_log(), repair_log(ini().string(), "2 行目"));
    EXPECT_EQ(a.main.Edit46.text(), "未記入無名") << "the design name";
    EXPECT_EQ(a.main.Ed0_moto.text(), "30000000");
    EXPECT_EQ(a.main.Edit39.text(), "2.5");
    const auto repaired = file();
    EXPECT_EQ(repaired[1], "未記入無名");
    EXPECT_EQ(repaired[5], "2.5");
    EXPECT_EQ(repaired[29], "30000000");
}

TEST_F(Settings, ACrInsideAValueDoesNotStopLaterSaves) {
    start();
    auto lines = byte_lines();
    lines[1] = "\x8E\x52\r\x93\x63";  // 山 CR 田
    put_byte_lines(lines);

    App& a = start();
    EXPECT_TRUE(platform->take_log().empty());
    EXPECT_EQ(a.main.Edit46.text(), "山田");
    a.main.Ed0_moto.set_text("4000000");
    a.main.Bt_save.click();
    EXPECT_TRUE(platform->take_log().empty()) << "the save succeeded";
    EXPECT_EQ(file()[1], "山田");
    EXPECT_EQ(file()[29], "4000000");
}

TEST_F(Settings, AValueTheFileCannotHoldIsSavedReplacedAndTheUserIsTold) {
    TForm1& f = start().main;
    platform->take_log();
    f.Edit46.set_text("山田\xF0\x9F\x98\x80");  // an emoji has no code page 932 form
    f.Ed0_moto.set_text("4000000");
    f.Bt_save.click();
    EXPECT_EQ(platform->take_log(),
              std::vector<std::string>{"info " + ini().string() +
                                       ": ユーザー名 (2 行目) にはこのファイルに書けない文字が"
                                       "あるため、コード ページ 932 で表せない文字を「?」に置き"
                                       "換え、改行を除いて保存しました。"});
    EXPECT_EQ(byte_lines()[1], kYamada + "?");
    EXPECT_EQ(file()[29], "4000000") << "every other setting is saved";

    f.Edit46.set_text("山田");
    f.Edit66.set_text("my\nlist.txh");
    f.Bt_save.click();
    const auto told = platform->take_log();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("変動金利リストのファイル名 (25 行目)"), std::string::npos) << told[0];
    EXPECT_EQ(file()[24], "mylist.txh");
    EXPECT_EQ(file()[1], "山田");
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

// The rate, the bonus share and the principal are numbers: a line that is not one is a bad
// line like any other and leaves its field as it is.
TEST_F(Settings, ALoanValueThatIsNoNumberIsABadLine) {
    start();
    auto lines = file();
    lines[25] = "2,3";
    lines[28] = "二割";  // 29 行目
    lines[29] = "30000000";
    write(lines);
    App& a = start();
    const auto log = platform->take_log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_NE(log[1].find("26 行目、29 行目"), std::string::npos) << log[1];
    EXPECT_EQ(a.main.Ed0_kin.text(), "2.325") << "the design rate";
    EXPECT_EQ(a.main.Ed0_moto.text(), "30000000");
    EXPECT_EQ(file()[25], "2.325");
}

TEST_F(Settings, ABonusShareBeyondTheWholeLoanIsABadLine) {
    for (const char* share : {"150", "-5", "2147483600"}) {
        start();
        auto lines = file();
        lines[28] = share;
        write(lines);
        App& a = start();
        const auto log = platform->take_log();
        ASSERT_EQ(log.size(), 2u) << share;
        EXPECT_NE(log[1].find("29 行目"), std::string::npos) << log[1];
        EXPECT_EQ(a.main.Ed0_wari.text(), "0") << "the design share: " << share;
        EXPECT_EQ(file()[28], "0") << share;
    }
}

// A rate field left empty is not restored: the next start recalculates with the rate the
// field has, without an error, and a save and a load change nothing more.
TEST_F(Settings, AnEmptyRateKeepsTheRateTheFieldHas) {
    start();
    app->main.Ed0_kin.set_text("");
    app->main.Bt_save.click();
    platform->take_log();
    EXPECT_EQ(file()[25], "");
    App& a = start();
    EXPECT_TRUE(platform->take_log().empty());
    EXPECT_EQ(a.main.Ed0_kin.text(), "2.325");
    a.main.Bt_save.click();
    a.main.Bt_load.click();
    for (const auto& line : platform->take_log())
        EXPECT_EQ(line.find("error"), std::string::npos) << line;
}

}  // namespace
}  // namespace rebanto
