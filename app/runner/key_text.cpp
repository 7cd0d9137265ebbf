#include "runner/key_text.h"

#include <cstddef>

namespace rebanto {

namespace {

// Decodes one code point at `pos` and moves past it; nullopt on a malformed sequence
// (bad lead or continuation byte, truncated, overlong, surrogate or beyond U+10FFFF).
std::optional<char32_t> next_code_point(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos <= static_cast<std::size_t>(extra)) return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if ((byte & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    pos += extra + 1;
    return c;
}

std::optional<char32_t> escaped_key(char c) {
    switch (c) {
        case 'b':
            return U'\b';
        case 'r':
            return U'\r';
        case 't':
            return U'\t';
        case 'e':
            return U'\x1B';
        case '\\':
            return U'\\';
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::vector<char32_t>> key_sequence(std::string_view text) {
    std::vector<char32_t> keys;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == '\\' && pos + 1 < text.size()) {
            if (const auto key = escaped_key(text[pos + 1])) {
                keys.push_back(*key);
                pos += 2;
                continue;
            }
        }
        const auto c = next_code_point(text, pos);
        if (!c) return std::nullopt;
        keys.push_back(*c);
    }
    return keys;
}

}  // namespace rebanto
