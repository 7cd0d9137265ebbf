#include "io/rate_list_store.h"

#include "base/errors.h"
#include "base/linefile.h"

namespace rebanto {

std::vector<std::string> read_rate_list(const std::filesystem::path& path) {
    std::vector<std::string> lines = read_lines(path);
    if (lines.size() < kRateListLines) {
        throw FileError(path.string() + ": 金利選択リストの行数が足りません (" +
                        std::to_string(lines.size()) + " 行、必要な行数は " +
                        std::to_string(kRateListLines) + " 行)");
    }
    return lines;
}

void rate_list_to_grid(const std::vector<std::string>& lines, Grid& grid) {
    for (int row = 1; row <= kRateListRows; ++row) {
        for (int col = 0; col < kRateListCols; ++col) {
            const std::size_t line = rate_list_line(row, col);
            grid.set_cell(row, col, line < lines.size() ? lines[line] : std::string());
        }
    }
}

void grid_to_rate_list(Grid& grid, std::vector<std::string>& lines) {
    if (lines.size() < kRateListLines) lines.resize(kRateListLines, "1");
    for (int row = 1; row <= kRateListRows; ++row) {
        for (int col = 0; col < kRateListCols; ++col) {
            if (grid.cell(row, col).empty()) grid.set_cell(row, col, kEmptyCellMark);
            lines[rate_list_line(row, col)] = grid.cell(row, col);
        }
    }
}

}  // namespace rebanto
