// The rich text written for the memos: seven-bit RTF in code page 932, Japanese as the
// code page's bytes, the rest of Unicode as "\uN?", the yen sign readable both ways.
#include "io/rtf.h"

#include <gtest/gtest.h>

namespace rebanto {
namespace {

TEST(Rtf, JapaneseIsWrittenAsCodePage932Bytes) {
    EXPECT_EQ(rtf_text("月返済"), R"(\'8c\'8e\'95\'d4\'8d\'cf)");
    EXPECT_EQ(rtf_text("ﾎﾞｰﾅｽ"), R"(\'ce\'de\'b0\'c5\'bd)") << "half-width katakana: one byte";
    // ソ and 表 end in the byte of the backslash; it belongs to them, not to a yen sign.
    EXPECT_EQ(rtf_text("ソ表"), R"(\'83\'5c\'95\'5c)");
    EXPECT_EQ(rtf_text("①"), R"(\'87\'40)");
}

TEST(Rtf, TheYenSignAndRtfsOwnCharactersAreEscaped) {
    EXPECT_EQ(rtf_text(R"(\1,000)"), R"(\u165\'5c1,000)");
    EXPECT_EQ(rtf_text("{a}"), R"(\{a\})");
    EXPECT_EQ(rtf_text("a\tb"), "a\\tab b");
    EXPECT_EQ(rtf_text("a\x01z"), "az") << "control characters have no place in a line";
}

TEST(Rtf, CharactersTheCodePageLacksAreWrittenAsUnicode) {
    EXPECT_EQ(rtf_text("€5"), R"(\u8364?5)");
    // Beyond the basic plane: two UTF-16 units, as signed numbers.
    EXPECT_EQ(rtf_text("月😀"), R"(\'8c\'8e\u-10179?\u-8704?)");
    // A byte that starts no UTF-8 character stands for U+FFFD.
    EXPECT_EQ(rtf_text("a\xFFz"), R"(a\u-3?z)");
}

TEST(Rtf, TheDocumentCarriesTheFontTheSizeAndOneParagraphALine) {
    const std::string doc = rtf_document({"Rebanto（月返済）", "", "{x}"}, {"ＭＳ明朝", 12, true});
    EXPECT_TRUE(doc.starts_with(R"({\rtf1\ansi\ansicpg932)")) << doc;
    EXPECT_NE(doc.find(R"(\fcharset128 \'82\'6c\'82\'72\'96\'be\'92\'a9;)"), std::string::npos)
        << doc;
    EXPECT_NE(doc.find(R"(\fs24\i )"), std::string::npos) << "12 points are 24 half-points";
    EXPECT_NE(doc.find("Rebanto\\'81\\'69\\'8c\\'8e\\'95\\'d4\\'8d\\'cf\\'81\\'6a\\par\r\n"
                       "\\par\r\n\\{x\\}\\par\r\n}\r\n"),
              std::string::npos)
        << doc;
    for (char c : doc)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
    const std::string plain = rtf_document({"a"}, {"", 0, false});
    EXPECT_NE(plain.find(R"(\fs20 )"), std::string::npos) << "the design size, 10 points";
    EXPECT_EQ(plain.find("\\i"), std::string::npos);
}

}  // namespace
}  // namespace rebanto
