#pragma once
// The keys of a `key` line: the characters of a UTF-8 text, with "\b" for Backspace,
// "\r" for Enter, "\t" for Tab, "\e" for Escape and "\\" for a backslash. A backslash
// before any other character stands for itself, so the yen sign "\" needs no escape.
#include <optional>
#include <string_view>
#include <vector>

namespace rebanto {

// nullopt when the text is not valid UTF-8.
std::optional<std::vector<char32_t>> key_sequence(std::string_view text);

}  // namespace rebanto
