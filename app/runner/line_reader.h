#pragma once
// Reads the parts of one script line: blank-separated words, and the free text that
// `set`, `expect`, `cell`, `key`, `page` and `file` take as their last argument.
//
// A `#` at the start of the line or after a blank starts a comment; elsewhere it is an
// ordinary character ("a#b" is one word). A free text is the rest of the line with
// trailing blanks removed, or a text in double quotes, taken literally ("" is the empty
// text, a doubled quote inside stands for one quote). Blanks are spaces and tabs.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rebanto {

class LineReader {
public:
    explicit LineReader(std::string_view line) : line_(line) {}

    // The next word; empty at the end of the line or at a comment.
    std::string word();
    // The rest of the line as a free text; nullopt when nothing but a comment is left.
    // Throws ScriptError on an unterminated quote or on text after the closing quote.
    std::optional<std::string> text();
    // True when only blanks or a comment remain.
    bool at_end();
    // What remains, for messages.
    std::string_view rest() const { return line_.substr(pos_); }

private:
    void skip_blanks();
    bool at_comment() const;
    std::string quoted();

    std::string_view line_;
    std::size_t pos_ = 0;
};

}  // namespace rebanto
