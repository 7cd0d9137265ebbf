#pragma once
// Rich text for word processors: the lines of a memo in one font, as a small RTF document
// in code page 932. Japanese text is written as the code page's bytes in "\'hh" escapes;
// a character the code page lacks is written as "\uN" with "?" for readers without
// Unicode. The yen sign (the backslash of code page 932) is written as U+00A5 with the
// byte 0x5C for those readers.
#include <string>
#include <vector>

namespace rebanto {

struct RtfFont {
    std::string name;  // e.g. "ＭＳ明朝"; empty: "ＭＳ明朝"
    int points = 10;
    bool italic = false;
};

// The whole document, seven-bit ASCII, lines ended by CR LF.
std::string rtf_document(const std::vector<std::string>& lines, const RtfFont& font);

// One text in RTF: control characters escaped, everything beyond ASCII as described
// above.
std::string rtf_text(const std::string& utf8);

}  // namespace rebanto
