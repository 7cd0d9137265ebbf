#include "runner/arguments.h"

#include <charconv>

#include "model/form.h"

namespace rebanto {

namespace {

template <class Number>
Number parse_number(const std::string& word, std::string_view what) {
    Number value{};
    const char* end = word.data() + word.size();
    const auto [stop, ec] = std::from_chars(word.data(), end, value);
    if (word.empty() || ec != std::errc() || stop != end) {
        throw ScriptError("bad " + std::string(what) + " \"" + word + "\" (expected a number)");
    }
    return value;
}

}  // namespace

std::string need_word(LineReader& reader, std::string_view what) {
    std::string word = reader.word();
    if (word.empty()) throw ScriptError("missing " + std::string(what));
    return word;
}

std::string need_text(LineReader& reader, std::string_view what) {
    std::optional<std::string> text = reader.text();
    if (!text) throw ScriptError("missing " + std::string(what));
    return *text;
}

void need_end(LineReader& reader) {
    if (!reader.at_end()) {
        throw ScriptError("unexpected text \"" + std::string(reader.rest()) + "\"");
    }
}

int parse_index(const std::string& word, std::string_view what) {
    const int value = parse_number<int>(word, what);
    if (value < 0) throw ScriptError("bad " + std::string(what) + " " + word + " (negative)");
    return value;
}

int parse_int(const std::string& word, std::string_view what) {
    return parse_number<int>(word, what);
}

std::uint64_t parse_unsigned(const std::string& word, std::string_view what) {
    return parse_number<std::uint64_t>(word, what);
}

bool parse_switch(const std::string& word, std::string_view on, std::string_view off) {
    if (word == on) return true;
    if (word == off) return false;
    throw ScriptError("expected " + std::string(on) + " or " + std::string(off) + ", not \"" +
                      word + "\"");
}

std::string describe_kind_mismatch(const Control& control, std::string_view kind_name) {
    return control.form().name() + "." + control.name() + " (" + std::string(control.kind()) +
           ") is not a " + std::string(kind_name);
}

}  // namespace rebanto
