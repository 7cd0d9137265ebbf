#pragma once
// The arguments of a script command, read from its line; each throws ScriptError naming
// what is missing or malformed.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/control.h"
#include "runner/line_reader.h"
#include "runner/script_error.h"

namespace rebanto {

// A word that must be there: `what` names it in the message ("missing row").
std::string need_word(LineReader& reader, std::string_view what);
// A free text that must be there ("" counts as given).
std::string need_text(LineReader& reader, std::string_view what);
// Nothing but blanks or a comment may follow.
void need_end(LineReader& reader);

// Whole numbers written in decimal, the whole word.
int parse_index(const std::string& word, std::string_view what);  // 0 or more
int parse_int(const std::string& word, std::string_view what);
std::uint64_t parse_unsigned(const std::string& word, std::string_view what);
// "on"/"off", "yes"/"no".
bool parse_switch(const std::string& word, std::string_view on, std::string_view off);

// The control as the kind a command needs, e.g. as<Grid>(control, "grid").
template <class Kind>
Kind& as(Control& control, std::string_view kind_name);

std::string describe_kind_mismatch(const Control& control, std::string_view kind_name);

template <class Kind>
Kind& as(Control& control, std::string_view kind_name) {
    if (auto* kind = dynamic_cast<Kind*>(&control)) return *kind;
    throw ScriptError(describe_kind_mismatch(control, kind_name));
}

}  // namespace rebanto
