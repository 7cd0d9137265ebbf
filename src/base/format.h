#pragma once
// Display formats of memo lines and money overlays. All round half away from zero.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/money.h"

namespace rebanto {

// The yen sign of code page 932 is the backslash byte.
inline constexpr char kYenSign = '\\';

// "%m": "\" + thousands-grouped whole yen, negative as "-\1,234"; rounded to whole yen.
std::string format_money(Money value);
// "%13m": the same, right-aligned in `width` characters (never truncated).
std::string format_money(Money value, int width);
// "%W.Pf": fixed notation with P decimals, right-aligned in W (e.g. "%7.3f", "%4.0f").
std::string format_fixed(long double value, int width, int decimals);
namespace detail {
// format_fixed's digits through the C library, for values that are no short decimal; the
// tests compare the fast route with it.
std::string rounded_digits_by_printf(long double magnitude, int decimals);
}  // namespace detail

// "%Wd": an integer right-aligned in W.
std::string format_int(std::int64_t value, int width);
// "%Wg": the general number format right-aligned in W.
std::string format_general(long double value, int width);
// Left-pads `text` with spaces to `width` characters (counting code points).
std::string pad_left(const std::string& text, int width);

// The same formats appended to `out`: a memo line is built in one string instead of one
// temporary per field.
void append_padded(std::string& out, std::string_view text, int width);
void append_money(std::string& out, Money value, int width);
void append_fixed(std::string& out, long double value, int width, int decimals);
void append_int(std::string& out, std::int64_t value, int width);
void append_general(std::string& out, long double value, int width);

}  // namespace rebanto
