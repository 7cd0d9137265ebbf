#include "runner/line_reader.h"

#include "runner/script_error.h"

namespace rebanto {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

void LineReader::skip_blanks() {
    while (pos_ < line_.size() && is_blank(line_[pos_]))
        ++pos_;
}

bool LineReader::at_comment() const {
    return pos_ < line_.size() && line_[pos_] == '#' && (pos_ == 0 || is_blank(line_[pos_ - 1]));
}

bool LineReader::at_end() {
    skip_blanks();
    return pos_ >= line_.size() || at_comment();
}

std::string LineReader::word() {
    if (at_end()) return {};
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !is_blank(line_[pos_]))
        ++pos_;
    return std::string(line_.substr(start, pos_ - start));
}

std::optional<std::string> LineReader::text() {
    if (at_end()) return std::nullopt;
    if (line_[pos_] == '"') return quoted();
    const std::size_t start = pos_;
    std::size_t end = start;  // one past the last non-blank character
    for (; pos_ < line_.size(); ++pos_) {
        if (at_comment()) break;
        if (!is_blank(line_[pos_])) end = pos_ + 1;
    }
    return std::string(line_.substr(start, end - start));
}

std::string LineReader::quoted() {
    std::string text;
    ++pos_;  // the opening quote
    for (;;) {
        const std::size_t close = line_.find('"', pos_);
        if (close == std::string_view::npos) {
            throw ScriptError("unterminated quoted text");
        }
        text.append(line_.substr(pos_, close - pos_));
        pos_ = close + 1;
        if (pos_ < line_.size() && line_[pos_] == '"') {
            text += '"';  // a doubled quote
            ++pos_;
            continue;
        }
        break;
    }
    // A comment may follow after a blank; anything else is a mistake.
    const bool blank_next = pos_ >= line_.size() || is_blank(line_[pos_]);
    if (!blank_next || !at_end()) throw ScriptError("unexpected text after the quoted text");
    return text;
}

}  // namespace rebanto
