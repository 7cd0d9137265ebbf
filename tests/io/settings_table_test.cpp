// The lines of "kinri.ini" as the one table of the settings gives them: what Save writes to
// the lines no field holds, the reading rule of each loan line, and the name a line's
// setting goes by in the messages.
#include <gtest/gtest.h>

#include "io/settings_table.h"
#include "settings_fixture.h"

namespace rebanto {
namespace {

TEST_F(Settings, ReservedLinesAreWrittenAsZeroLine36AsOneAndLine0IsCarried) {
    start();
    auto lines = file();
    for (int n : {18, 19, 20, 21, 22, 23, 30, 31, 32, 42, 43})
        lines[n] = "9";
    lines[36] = "5";
    lines[0] = "kept";
    write(lines);
    start().main.settings_save();
    EXPECT_TRUE(platform->take_log().empty()) << "no reserved line is read, none is bad";
    const auto saved = file();
    for (int n : {18, 19, 20, 21, 22, 23, 30, 31, 32, 42, 43})
        EXPECT_EQ(saved[n], "0") << "line " << n;
    EXPECT_EQ(saved[36], "1");
    EXPECT_EQ(saved[0], "kept");
}

TEST(SettingsTable, EachLoanLineReadsByTheRuleOfItsValue) {
    const auto table = settings_table();
    const auto accepts = [&](std::size_t n, const std::string& text) {
        return settings_line_accepts(table[n], text);
    };
    // Line 25, the start rate: any number; an empty text is not restored, and not bad.
    EXPECT_TRUE(accepts(25, "2.325"));
    EXPECT_TRUE(accepts(25, ""));
    EXPECT_FALSE(accepts(25, "abc"));
    // Lines 26 and 27, years and months: counts up to 12,000.
    EXPECT_TRUE(accepts(26, "12000"));
    EXPECT_FALSE(accepts(26, "12001"));
    EXPECT_FALSE(accepts(27, "12001"));
    // Line 28, the bonus share: a percentage.
    EXPECT_TRUE(accepts(28, "100"));
    EXPECT_FALSE(accepts(28, "100.5"));
    EXPECT_FALSE(accepts(28, "-1"));
    // Line 29, the principal.
    EXPECT_TRUE(accepts(29, "30000000"));
    EXPECT_FALSE(accepts(29, "3千万"));
}

TEST_F(Settings, TheMessageNamesTheSettingOfEachLineThatChanged) {
    TForm1& f = start().main;
    platform->take_log();
    const std::string emoji = "\xF0\x9F\x98\x80";   // no code page 932 form
    f.Ed5_memoobi.set_text("|" + emoji);            // line 4, the memo band
    f.Edit66.set_text("kin_hen" + emoji + ".txh");  // line 24, the variable-rate list
    f.Bt_save.click();
    EXPECT_EQ(platform->take_log(),
              std::vector<std::string>{"info " + ini().string() +
                                       ": メモ帯 (5 行目)、変動金利リストのファイル名 (25 行目)"
                                       " にはこのファイルに書けない文字があるため、コード ページ "
                                       "932 で表せない文字を「?」に置き換え、改行を除いて保存し"
                                       "ました。"});
}

TEST_F(Settings, RoundingTagsAreReadAsTheirModesAndUnitsAsTheyAre) {
    TForm1& f = start().main;
    f.HRh.set_tag(2);
    f.HRr.set_tag(1);
    EXPECT_EQ(f.instalment_rounding(), Rounding::Up);
    EXPECT_EQ(f.interest_rounding(), Rounding::HalfUp);
    f.HRh.set_tag(4294967297LL);  // 2^32 + 1: no mode, whatever its low bits say
    EXPECT_EQ(f.instalment_rounding(), Rounding::Down);
    f.FuriR.set_tag(5);
    EXPECT_EQ(yen_of(f.accrual_unit()), 5);
}

}  // namespace
}  // namespace rebanto
