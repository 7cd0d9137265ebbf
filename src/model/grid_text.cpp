#include "model/grid_text.h"

#include <algorithm>

namespace rebanto {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// "\1,234", "1,234", "-\1,234.5", "\-1,234": the amount without its yen sign and separators;
// empty when the cell is no amount in that form.
std::string plain_amount(const std::string& cell) {
    std::size_t start = cell.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    const std::string text = cell.substr(start);
    std::string digits;
    bool sign = false;
    bool yen = false;
    bool separators = false;
    bool point = false;
    bool any_digit = false;
    for (const char c : text) {
        if (c == '-' && !sign && !any_digit) {
            sign = true;
            digits += c;
        } else if (c == '\\' && !yen && !any_digit) {
            yen = true;
        } else if (c == ',' && any_digit && !point) {
            separators = true;
        } else if (c == '.' && any_digit && !point) {
            point = true;
            digits += c;
        } else if (is_digit(c)) {
            any_digit = true;
            digits += c;
        } else {
            return {};
        }
    }
    if (!any_digit || !(yen || separators) || digits.back() == '.') return {};
    return digits;
}

}  // namespace

std::string spreadsheet_cell(const std::string& cell) {
    if (std::string amount = plain_amount(cell); !amount.empty()) return amount;
    std::string text = cell;
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string block_tsv(const Grid& grid, int top, int left, int bottom, int right) {
    top = std::max(top, 0);
    left = std::max(left, 0);
    bottom = std::min(bottom, grid.row_count() - 1);
    right = std::min(right, grid.col_count() - 1);
    if (top > bottom || left > right) return {};
    std::string out;
    const auto line = [&](int row) {
        for (int col = left; col <= right; ++col) {
            if (col > left) out += '\t';
            out += spreadsheet_cell(grid.cell(row, col));
        }
        out += '\n';
    };
    if (top > 0) line(0);
    for (int row = top; row <= bottom; ++row)
        line(row);
    return out;
}

}  // namespace rebanto
