#pragma once
// The rate selection list on disk: "kinriOP.ini" in the start folder and its named copies
// "*.ksl". Both hold the 30 × 8 cells of the list one a line, row by row, the cell of
// row r (1..30) and column c (0..7) on line (r − 1) × 8 + c; an empty cell is written "■".
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "model/grid.h"

namespace rebanto {

inline constexpr int kRateListRows = 30;
inline constexpr int kRateListCols = 8;
// Columns of the list: a two-step rate (class, item, first rate, the year it changes, the
// rate after), a blank column, then a single rate (item, rate).
namespace rate_list_col {
inline constexpr int kClass = 0;
inline constexpr int kFirstRate = 2;
inline constexpr int kLaterRate = 4;
inline constexpr int kSingleItem = 6;
inline constexpr int kSingleRate = 7;
}  // namespace rate_list_col
inline constexpr std::size_t kRateListLines = std::size_t{kRateListRows} * kRateListCols;
inline constexpr const char* kRateListStore = "kinriOP.ini";
inline constexpr const char* kRateListFilter = "金利選択リスト(*.ksl)|*.ksl";
// What an empty cell becomes when the list is written.
inline constexpr const char* kEmptyCellMark = "■";

// The line of a cell of the list (row 1..30, column 0..7).
constexpr std::size_t rate_list_line(int row, int col) {
    return static_cast<std::size_t>(row - 1) * kRateListCols + static_cast<std::size_t>(col);
}

// Reads a list file whole. Throws FileError when it cannot be read, holds fewer than 240
// lines or a line with a carriage return (it could not be recorded again); lines beyond
// the 240th are kept.
std::vector<std::string> read_rate_list(const std::filesystem::path& path);

// Fills rows 1..30, columns 0..7 of the grid from the lines (at least 240 of them).
void rate_list_to_grid(const std::vector<std::string>& lines, Grid& grid);

// Prepares the lines for writing: a list shorter than 240 lines is first padded with "1",
// every empty cell of the grid becomes "■" (so the grid shows it too), then each cell is
// put on its line. Lines beyond the 240th stay as they are.
void grid_to_rate_list(Grid& grid, std::vector<std::string>& lines);

}  // namespace rebanto
