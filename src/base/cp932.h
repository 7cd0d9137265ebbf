#pragma once
// Code page 932 (Shift-JIS) at the file boundary; text in memory is UTF-8.
#include <string>
#include <string_view>

namespace rebanto {

// Code page 932 keeps the 128 ASCII codes as they are in both directions: text made of
// them alone needs no conversion.
bool is_plain_ascii(std::string_view text);

// Throws FileError when a character has no code page 932 form.
std::string utf8_to_cp932(std::string_view utf8);
// Throws FileError on a byte sequence that is not code page 932.
std::string cp932_to_utf8(std::string_view cp932);

// The same conversions for text that must get through whatever it holds: a character with
// no code page 932 form becomes "?", a byte that starts no code page 932 character becomes
// U+FFFD. `replaced` tells whether anything was replaced.
std::string utf8_to_cp932_replacing(std::string_view utf8, bool& replaced);
std::string cp932_to_utf8_replacing(std::string_view cp932, bool& replaced);

}  // namespace rebanto
