#pragma once
// The composite tables of the page "複合編成" as CSV lines for a spreadsheet ("CSV化"):
// the title line, the head rows of the loans, the header, one line per period row by
// its kind (ordinary, prepayment, totals), and the header again.
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto {

inline constexpr const char* kCompositeCsvTitle = "Rebanto（合成返済表）  -- by.";
inline constexpr const char* kCompositeBonusCsvTitle = "Rebanto（合成ボーナス返済表）  -- by.";

// Appends the lines to `out`, starting with `title_line`. `components` is the table's
// head-row count; `bonus` the composite bonus table (columns 0..17 only). A cell that must
// be a number and is not stops the work with an error naming it; the lines appended so
// far stay.
void composite_csv(const Grid& table, int components, bool bonus, const std::string& title_line,
                   std::vector<std::string>& out);

}  // namespace rebanto
