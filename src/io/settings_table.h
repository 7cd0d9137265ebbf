#pragma once
// What each line of the settings store "kinri.ini" holds: the main-window value behind it,
// how Save writes it and how Load applies it. Save and Load both walk this one table, so a
// line's place in the file is written down once.
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "io/settings_lines.h"

namespace rebanto {

class Control;
class TForm1;

enum class SettingsKind {
    Carried,   // never written by Save, never read: kept as it was read
    Constant,  // always written as `constant`, never read
    Text,      // the control's text (or caption), as written
    Loan,      // a loan input: the last text of the field that its reading rule takes
    Tag,       // the control's tag, a whole number
    Handled,   // a value of its own, with named save and load functions
};

// What a Text or Loan line must hold to be applied; nothing for a bad or unusable line.
using SettingsReadRule = std::optional<std::string> (*)(SettingsReader&, std::size_t line);

struct SettingsLine {
    std::size_t line;
    SettingsKind kind;
    Control& (*control)(TForm1&) = nullptr;  // Text, Loan, Tag
    const char* name = nullptr;              // how the user is told of the line; null: "設定"
    SettingsReadRule read = nullptr;         // Text, Loan
    const char* constant = nullptr;          // Constant
    std::string (*save)(TForm1&) = nullptr;  // Handler
    void (*load)(TForm1&, SettingsReader&, std::size_t) = nullptr;  // Handler; null: not read
};

// Lines read outside the Load: the main window's place and size at start-up, the placement
// record and the rate-list name at the first paint of the main window.
inline constexpr std::size_t kTopLine = 34;
inline constexpr std::size_t kLeftLine = 35;
inline constexpr std::size_t kHeightLine = 38;
inline constexpr std::size_t kWidthLine = 39;
inline constexpr std::size_t kPlacementLine = 45;
inline constexpr std::size_t kRateListNameLine = 51;

// Every stored line from line 0, in line order: entry n describes line n.
std::span<const SettingsLine> settings_table();

// Whether the line reads `text` as a value to apply (an empty number is taken: it is not
// restored, and not a bad line).
bool settings_line_accepts(const SettingsLine& line, const std::string& text);

}  // namespace rebanto
