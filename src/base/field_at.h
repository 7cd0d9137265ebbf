#pragma once
// Fields of a text separated by the half-width middle dot "･" (0xA5 in code page 932).
#include <string>
#include <string_view>
#include <vector>

namespace rebanto {

inline constexpr std::string_view kFieldSeparator = "\xEF\xBD\xA5";  // U+FF65 "･"

// Field n (from 0); the text before the first separator is field 0; a missing field is empty.
std::string field_at(std::string_view text, int n);
// All fields of the text (one more than the number of separators).
std::vector<std::string> split_fields(std::string_view text);
// Joins fields with the separator.
std::string join_fields(const std::vector<std::string>& fields);

}  // namespace rebanto
