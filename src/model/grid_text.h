#pragma once
// A block of a grid as text a spreadsheet takes: tab-separated cells, one line per row,
// the grid's header row first. Amounts shown with the yen sign and thousands separators
// ("\1,234", "-\83,564") go as plain digits so that they paste as numbers.
#include <string>

#include "model/grid.h"

namespace rebanto {

// A cell as a spreadsheet reads it: an amount in money form becomes its digits, a tab or a
// line break inside a cell becomes a space, anything else stays as it is.
std::string spreadsheet_cell(const std::string& cell);

// Rows top..bottom and columns left..right (inclusive, cut to the grid) as tab-separated
// lines ending with "\n"; row 0 of those columns goes first when the block starts below it.
// An empty block gives an empty text.
std::string block_tsv(const Grid& grid, int top, int left, int bottom, int right);

}  // namespace rebanto
