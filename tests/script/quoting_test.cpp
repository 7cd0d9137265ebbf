// Words, free texts, quotes and comments of a script line, and the keys of `key`.
#include <gtest/gtest.h>

#include <string>

#include "runner/key_text.h"
#include "runner/line_reader.h"
#include "runner/script_error.h"
#include "runner_fixture.h"

namespace rebanto::testing {
namespace {

std::optional<std::string> text_after_two_words(const std::string& line) {
    LineReader reader(line);
    reader.word();
    reader.word();
    return reader.text();
}

TEST(LineReader, WordsAreSeparatedBySpacesAndTabs) {
    LineReader reader("  set\tTForm1.X   a ");
    EXPECT_EQ(reader.word(), "set");
    EXPECT_EQ(reader.word(), "TForm1.X");
    EXPECT_EQ(reader.word(), "a");
    EXPECT_EQ(reader.word(), "");
    EXPECT_TRUE(reader.at_end());
}

TEST(LineReader, AHashAfterABlankStartsAComment) {
    EXPECT_EQ(text_after_two_words("set X 30000000   # the principal"), "30000000");
    EXPECT_EQ(text_after_two_words("set X\t#only a comment"), std::nullopt);
    LineReader whole("# set X 1");
    EXPECT_EQ(whole.word(), "");
}

TEST(LineReader, AHashInsideAWordIsText) {
    EXPECT_EQ(text_after_two_words("set X a#b c#d"), "a#b c#d");
    LineReader reader("print F.C#1");
    reader.word();
    EXPECT_EQ(reader.word(), "F.C#1");
}

TEST(LineReader, AFreeTextLosesTrailingBlanksButKeepsInnerOnes) {
    EXPECT_EQ(text_after_two_words("set X  a  b \t "), "a  b");
}

TEST(LineReader, AQuotedTextIsLiteral) {
    EXPECT_EQ(text_after_two_words("set X \"a b  \""), "a b  ");
    EXPECT_EQ(text_after_two_words("set X \"# not a comment\" # a comment"), "# not a comment");
    EXPECT_EQ(text_after_two_words("set X \"\""), "");
    EXPECT_EQ(text_after_two_words("set X \"say \"\"yes\"\"\""), "say \"yes\"");
    EXPECT_EQ(text_after_two_words("set X \\1,000"), "\\1,000");
}

TEST(LineReader, AQuoteInsideAnUnquotedTextIsText) {
    EXPECT_EQ(text_after_two_words("set X 5\" disk"), "5\" disk");
}

TEST(LineReader, BrokenQuotesAreErrors) {
    EXPECT_THROW(text_after_two_words("set X \"abc"), ScriptError);
    EXPECT_THROW(text_after_two_words("set X \"a\"\"b"), ScriptError);
    EXPECT_THROW(text_after_two_words("set X \"abc\" def"), ScriptError);
    EXPECT_THROW(text_after_two_words("set X \"abc\"#x"), ScriptError);
}

TEST(KeySequence, EscapesNameTheEditingKeys) {
    EXPECT_EQ(key_sequence("1\\b\\r\\t\\e\\\\"),
              (std::vector<char32_t>{U'1', U'\b', U'\r', U'\t', U'\x1B', U'\\'}));
}

TEST(KeySequence, AnyOtherBackslashIsTheYenSign) {
    EXPECT_EQ(key_sequence("\\1"), (std::vector<char32_t>{U'\\', U'1'}));
    EXPECT_EQ(key_sequence("\\"), (std::vector<char32_t>{U'\\'}));
}

TEST(KeySequence, DecodesUtf8AndRefusesMalformedBytes) {
    EXPECT_EQ(key_sequence("円ｱ"), (std::vector<char32_t>{U'円', U'ｱ'}));
    EXPECT_EQ(key_sequence("\xF0\x9F\x98\x80"), (std::vector<char32_t>{U'\U0001F600'}));
    EXPECT_EQ(key_sequence("\xE5\x86"), std::nullopt);      // cut short
    EXPECT_EQ(key_sequence("\xC0\xAF"), std::nullopt);      // overlong
    EXPECT_EQ(key_sequence("\xED\xA0\x80"), std::nullopt);  // a surrogate
    EXPECT_EQ(key_sequence("\xFF"), std::nullopt);          // not a lead byte
    EXPECT_EQ(key_sequence("a\x80"), std::nullopt);         // a stray continuation
}

using Quoting = RunnerTest;

TEST_F(Quoting, CommentsAndBlankLinesAreSkipped) {
    EXPECT_EQ(run("# a script\n\n   \n\t# indented comment\nprint TForm1.Ed0_nen # years\n"), 0)
        << err();
    EXPECT_EQ(out(), "10\n");
}

TEST_F(Quoting, ExpectComparesTheQuotedTextExactly) {
    app_.main.Label8.set_caption("a  #b ");
    EXPECT_EQ(run("expect TForm1.Label8 \"a  #b \"\n"), 0) << err();
    EXPECT_EQ(run("expect TForm1.Label8 a  #b\n"), 1);  // "#b" is a comment here
    EXPECT_NE(err().find("expected \"a\""), std::string::npos) << err();
}

TEST_F(Quoting, CarriageReturnsAndAByteOrderMarkAreIgnored) {
    EXPECT_EQ(run("\xEF\xBB\xBFprint TForm1.Ed0_nen\r\nexpect TForm1.Ed0_tuki 0\r\n"), 0) << err();
    EXPECT_EQ(out(), "10\n");
}

TEST_F(Quoting, AnUnterminatedQuoteIsABadScript) {
    EXPECT_EQ(run("set TForm1.Ed0_moto \"12\n"), 2);
    EXPECT_EQ(err(), "line 1: unterminated quoted text [set TForm1.Ed0_moto \"12]\n");
    EXPECT_EQ(app_.main.Ed0_moto.text(), "1000000");
}

}  // namespace
}  // namespace rebanto::testing
