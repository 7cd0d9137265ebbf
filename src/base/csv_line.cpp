#include "base/csv_line.h"

namespace rebanto {

std::string csv_cell(std::string_view cell, char separator) {
    if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(cell);
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csv_line(const std::vector<std::string>& cells, char separator, CsvQuoting quoting) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += separator;
        line += quoting == CsvQuoting::Rfc4180 ? csv_cell(cells[i], separator) : cells[i];
    }
    return line;
}

}  // namespace rebanto
