#pragma once
// The composite tables as text to print ("印刷"): the same rows as the CSV, each column
// padded to its widest cell so that the columns line up in a fixed-pitch font, and after
// each totals row a sentence that reads its totals out.
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto {

// The title line's title, before the author's name.
inline constexpr const char* kCompositePrintTitle = "Rebanto（合成返済表）  -- by.";
inline constexpr const char* kCompositeBonusPrintTitle = "Rebanto（合成ボーナス返済表）  -- by.";

// Appends the lines to `out`, starting with `title_line`. A cell that should hold an
// amount and does not is printed as it stands.
void composite_print_lines(const Grid& table, int components, bool bonus,
                           const std::string& title_line, std::vector<std::string>& out);

// Columns a text takes in a fixed-pitch Japanese font: one for ASCII and half-width
// katakana, two for every other character.
int display_width(const std::string& utf8);

}  // namespace rebanto
