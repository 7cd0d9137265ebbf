#pragma once
// A comparison table as CSV lines for a spreadsheet: the title line, the title rows, the
// header, one line per data row with the amounts quoted in the "%13m" money format, and
// the header again.
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto::comparison {

// The title texts of the three tables, before the author's name.
inline constexpr const char* kCsvTitleA = "Rebanto（Ａ表）  -- by.";
inline constexpr const char* kCsvTitleB = "Rebanto（Ｂ表）  -- by.";
inline constexpr const char* kCsvTitleDifference = "Rebanto（Ａ－Ｂ＝差引表）  -- by.";

// Appends the lines to `out`, starting with `title_line`. A cell that must be a number
// and is not stops the work with an error naming it; the lines appended so far stay.
void comparison_csv(const Grid& table, int titles, const std::string& title_line,
                    std::vector<std::string>& out);

}  // namespace rebanto::comparison
