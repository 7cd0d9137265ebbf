#pragma once
// Code page 932 (Shift-JIS) at the file boundary; text in memory is UTF-8.
#include <string>
#include <string_view>

namespace rebanto {

// Throws FileError when a character has no code page 932 form.
std::string utf8_to_cp932(std::string_view utf8);
// Throws FileError on a byte sequence that is not code page 932.
std::string cp932_to_utf8(std::string_view cp932);

}  // namespace rebanto
