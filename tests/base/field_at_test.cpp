// Values packed into one line, separated by the half-width middle dot "･".
#include "base/field_at.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rebanto {
namespace {

const std::string kSep(kFieldSeparator);

TEST(FieldAt, PicksFieldsAndMissingOnesAreEmpty) {
    const std::string text = "a" + kSep + "bb" + kSep + "c";
    EXPECT_EQ(field_at(text, 0), "a");
    EXPECT_EQ(field_at(text, 1), "bb");
    EXPECT_EQ(field_at(text, 2), "c");
    EXPECT_EQ(field_at(text, 3), "");
    EXPECT_EQ(field_at(text, -1), "");
    EXPECT_EQ(field_at("", 0), "");
    EXPECT_EQ(field_at("plain", 0), "plain");
    EXPECT_EQ(field_at(kSep + "x", 0), "");
    EXPECT_EQ(field_at(kSep + "x", 1), "x");
    EXPECT_EQ(field_at("a" + kSep + kSep + "c", 1), "");
    EXPECT_EQ(field_at("a" + kSep + kSep + "c", 2), "c");
}

TEST(FieldAt, OnlyTheHalfWidthDotSeparates) {
    const std::string ka = "\xEF\xBD\xB1";        // ｱ shares the first two bytes of ･
    const std::string full_dot = "\xE3\x83\xBB";  // ・ the full-width dot is text
    EXPECT_EQ(field_at(ka + kSep + ka + ka, 1), ka + ka);
    EXPECT_EQ(field_at("a" + full_dot + "b", 0), "a" + full_dot + "b");
}

TEST(SplitAndJoin, OneMoreFieldThanSeparators) {
    EXPECT_EQ(split_fields("a" + kSep + "b" + kSep), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(split_fields(""), (std::vector<std::string>{""}));
    EXPECT_EQ(join_fields({"a", "", "c"}), "a" + kSep + kSep + "c");
    const std::vector<std::string> fields{"", "12345", "\xEF\xBE\x8E", ""};
    EXPECT_EQ(split_fields(join_fields(fields)), fields);
}

}  // namespace
}  // namespace rebanto
