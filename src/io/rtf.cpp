#include "io/rtf.h"

#include <cstdio>

#include "base/cp932.h"
#include "base/errors.h"

namespace rebanto {

namespace {

constexpr const char* kDefaultFont = "ＭＳ明朝";

void hex_byte(std::string& out, unsigned char byte) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\'%02x", byte);
    out += buf;
}

bool lead_byte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

void ascii(std::string& out, unsigned char c) {
    switch (c) {
        case '\\':
            // The yen sign of code page 932: U+00A5 for Unicode readers, the byte for the rest.
            out += "\\u165\\'5c";
            return;
        case '{':
        case '}':
            out += '\\';
            out += static_cast<char>(c);
            return;
        case '\t':
            out += "\\tab ";
            return;
        default:
            if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
            // Other control characters have no place in a line.
    }
}

// Text whose every character has a code page 932 form, as the code page's bytes.
void cp932_bytes(std::string& out, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ascii(out, b);
        } else if (lead_byte(b) && i + 1 < bytes.size()) {
            hex_byte(out, b);
            hex_byte(out, static_cast<unsigned char>(bytes[++i]));
        } else {
            hex_byte(out, b);  // half-width katakana
        }
    }
}

// The next UTF-8 character from `at`: its code point and its length (1 for a stray byte,
// which stands for U+FFFD).
char32_t next_code_point(const std::string& s, std::size_t at, std::size_t& length) {
    const auto b = static_cast<unsigned char>(s[at]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
        length = 1;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        cp = b & 0x07;
    } else {
        length = 1;
        return 0xFFFD;
    }
    if (at + extra >= s.size()) {
        length = 1;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[at + k]);
        if ((c & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    length = static_cast<std::size_t>(extra) + 1;
    return cp;
}

// "\uN?": N is the UTF-16 unit as a signed 16-bit number; characters beyond the basic
// plane take two units.
void unicode(std::string& out, char32_t cp) {
    const auto unit = [&out](unsigned u) {
        out += "\\u" +
               std::to_string(u >= 0x8000 ? static_cast<int>(u) - 0x10000 : static_cast<int>(u)) +
               "?";
    };
    if (cp >= 0x10000) {
        const char32_t v = cp - 0x10000;
        unit(0xD800 + (v >> 10));
        unit(0xDC00 + (v & 0x3FF));
    } else {
        unit(cp);
    }
}

// A text with characters the code page lacks: character by character.
void mixed(std::string& out, const std::string& utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = 1;
        const char32_t cp = next_code_point(utf8, at, length);
        const std::string one = utf8.substr(at, length);
        at += length;
        if (cp < 0x80) {
            ascii(out, static_cast<unsigned char>(cp));
            continue;
        }
        try {
            cp932_bytes(out, utf8_to_cp932(one));
        } catch (const FileError&) {
            unicode(out, cp);
        }
    }
}

}  // namespace

std::string rtf_text(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size() * 3);
    try {
        cp932_bytes(out, utf8_to_cp932(utf8));
    } catch (const FileError&) {
        out.clear();
        mixed(out, utf8);
    }
    return out;
}

std::string rtf_document(const std::vector<std::string>& lines, const RtfFont& font) {
    const std::string name = font.name.empty() ? kDefaultFont : font.name;
    const int half_points = 2 * (font.points > 0 ? font.points : 10);
    std::string out =
        "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041\r\n"
        "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset128 " +
        rtf_text(name) + ";}}\r\n";
    // A4 across with narrow margins: memo lines are long rows of columns.
    out += "\\paperw16838\\paperh11906\\margl567\\margr567\\margt567\\margb567\\landscape\r\n";
    out += R"(\uc1\pard\plain\f0\fs)" + std::to_string(half_points);
    if (font.italic) out += "\\i";
    out += " \r\n";
    for (const std::string& line : lines) {
        out += rtf_text(line);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

}  // namespace rebanto
