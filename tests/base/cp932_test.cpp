// Code page 932 at the file boundary: every character the program writes must come back
// byte for byte, including the ones where code page 932 and Unicode disagree.
#include "base/cp932.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"

namespace rebanto {
namespace {

struct Pair {
    const char* utf8;
    const char* cp932;
};

const Pair kGolden[] = {
    {"\xEF\xBD\xA5", "\xA5"},                                  // ･ the field separator
    {"\\", "\x5C"},                                            // the yen sign of the money format
    {"~", "\x7E"},                                             // stays a tilde, not an overline
    {"\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3", "\xB1\xB2\xB3"},  // ｱｲｳ
    {"\xEF\xBE\x8E\xEF\xBE\x9E\xEF\xBD\xB0\xEF\xBE\x85\xEF\xBD\xBD",
     "\xCE\xDE\xB0\xC5\xBD"},                          // ﾎﾞｰﾅｽ
    {"\xE6\xBC\xA2\xE5\xAD\x97", "\x8A\xBF\x8E\x9A"},  // 漢字
    {"\xEF\xBC\xAD\xEF\xBC\xB3\xE6\x98\x8E\xE6\x9C\x9D",
     "\x82\x6C\x82\x72\x96\xBE\x92\xA9"},              // ＭＳ明朝
    {"\xE3\x80\x80", "\x81\x40"},                      // full-width space
    {"\xE8\xA1\xA8\xE3\x82\xBD", "\x95\x5C\x83\x5C"},  // 表ソ: second byte is 0x5C
    {"\xE5\x86\x86", "\x89\x7E"},                      // 円: second byte is 0x7E
    {"\xEF\xBD\x9E", "\x81\x60"},                      // ～ full-width tilde
    {"\xE2\x91\xA0", "\x87\x40"},                      // ①
    {"Rebanto 7.7", "Rebanto 7.7"},
};

TEST(Cp932, GoldenPairsBothWays) {
    for (const Pair& p : kGolden) {
        EXPECT_EQ(utf8_to_cp932(p.utf8), p.cp932) << p.utf8;
        EXPECT_EQ(cp932_to_utf8(p.cp932), p.utf8) << p.utf8;
    }
}

TEST(Cp932, BackslashAndTildeAreAsciiNotYenAndOverline) {
    EXPECT_EQ(cp932_to_utf8("\x5C"), "\x5C");
    EXPECT_EQ(cp932_to_utf8("\x7E"), "\x7E");
}

// Text typed or pasted outside Windows uses look-alikes with no code of their own; they are
// stored as the code page 932 character users see, and come back as its usual Unicode form.
TEST(Cp932, LookAlikesAreStoredAsTheCharacterTheyShow) {
    EXPECT_EQ(utf8_to_cp932("\xC2\xA5"), "\x5C");          // ¥ U+00A5 becomes the yen byte
    EXPECT_EQ(utf8_to_cp932("\xE3\x80\x9C"), "\x81\x60");  // 〜 U+301C becomes ～
    EXPECT_EQ(utf8_to_cp932("\xE2\x88\x92"), "\x81\x7C");  // − U+2212 becomes －
}

TEST(Cp932, EverySingleByteCharacterRoundTrips) {
    std::string bytes;
    for (int b = 0x20; b <= 0x7E; ++b)
        bytes += static_cast<char>(b);
    for (int b = 0xA1; b <= 0xDF; ++b)
        bytes += static_cast<char>(b);
    EXPECT_EQ(utf8_to_cp932(cp932_to_utf8(bytes)), bytes);
}

TEST(Cp932, EmptyAndLongTextConvert) {
    EXPECT_EQ(utf8_to_cp932(""), "");
    std::string utf8;
    std::string cp932;
    for (int i = 0; i < 5000; ++i) {  // one byte to three: more than a first guess of the size
        utf8 += "\xEF\xBD\xB1";
        cp932 += "\xB1";
    }
    EXPECT_EQ(utf8_to_cp932(utf8), cp932);
    EXPECT_EQ(cp932_to_utf8(cp932), utf8);
}

TEST(Cp932, CharactersWithoutAFormAreErrors) {
    EXPECT_THROW(utf8_to_cp932("\xF0\x9F\x98\x80"), FileError);  // emoji
    EXPECT_THROW(utf8_to_cp932("a\xE2\x82\xAC"), FileError);     // euro sign
    EXPECT_THROW(utf8_to_cp932("\xFF"), FileError);              // not UTF-8
    EXPECT_THROW(utf8_to_cp932("\xE6\xBC"), FileError);          // cut-off character
}

TEST(Cp932, InvalidBytesAreErrors) {
    EXPECT_THROW(cp932_to_utf8("abc\x82"), FileError);   // lead byte at the end
    EXPECT_THROW(cp932_to_utf8("\x82\x20"), FileError);  // trail byte out of range
}

// A conversion stopped half-way through a character leaves nothing behind for the next one.
TEST(Cp932, AFailedConversionDoesNotSpoilTheNext) {
    EXPECT_THROW(cp932_to_utf8("\x8E"), FileError);        // a lead byte left waiting
    EXPECT_EQ(cp932_to_utf8("\x93\x63"), "\xE7\x94\xB0");  // 田, not a pair with 0x8E
    EXPECT_THROW(utf8_to_cp932("\xE5\xB1"), FileError);
    EXPECT_EQ(utf8_to_cp932("\xE7\x94\xB0"), "\x93\x63");
}

// Text that must get through whatever it holds: only the characters without a form are lost.
TEST(Cp932, ReplacingConversionKeepsEverythingElse) {
    struct Row {
        const char* utf8;
        const char* cp932;
        bool replaced;
    };
    for (const Row& row :
         {Row{"\xE5\xB1\xB1\xE7\x94\xB0", "\x8E\x52\x93\x63", false},                  // 山田
          Row{"\xE5\xB1\xB1\xF0\x9F\x98\x80\xE7\x94\xB0", "\x8E\x52?\x93\x63", true},  // 山😀田
          Row{"a\xE2\x82\xAC"
              "b",
              "a?b", true},  // euro sign
          Row{"\xFF"
              "x",
              "?x", true},               // not UTF-8
          Row{"x\xE6\xBC", "x?", true},  // cut-off character
          Row{"", "", false}}) {
        bool replaced = !row.replaced;
        EXPECT_EQ(utf8_to_cp932_replacing(row.utf8, replaced), row.cp932) << row.utf8;
        EXPECT_EQ(replaced, row.replaced) << row.utf8;
    }
}

TEST(Cp932, ReplacingDecodingMarksOnlyTheBadBytes) {
    struct Row {
        const char* cp932;
        const char* utf8;
        bool replaced;
    };
    for (const Row& row :
         {Row{"\x8E\x52\x93\x63", "\xE5\xB1\xB1\xE7\x94\xB0", false},
          Row{"ok\x82\x20", "ok\xEF\xBF\xBD ", true},            // a bad trail byte is read again
          Row{"abc\x82", "abc\xEF\xBF\xBD", true},               // lead byte at the end
          Row{"\x80\xB1", "\xEF\xBF\xBD\xEF\xBD\xB1", true}}) {  // 0x80 starts nothing; ｱ
        bool replaced = !row.replaced;
        EXPECT_EQ(cp932_to_utf8_replacing(row.cp932, replaced), row.utf8);
        EXPECT_EQ(replaced, row.replaced);
    }
}

}  // namespace
}  // namespace rebanto
