#include "base/csv_line.h"

#include <utility>

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

void append_titled_table(const TitledTable& table, std::vector<std::string>& out) {
    out.push_back(table.title_line);
    out.emplace_back();
    for (int r = 1; r <= table.titles && r < table.rows; ++r)
        out.push_back(table.title_row(r));
    out.emplace_back();
    out.push_back(table.header);
    for (int r = table.titles + 1; r < table.rows; ++r) {
        if (std::optional<std::string> line = table.body_row(r)) out.push_back(std::move(*line));
    }
    out.push_back(table.header);
}

}  // namespace rebanto
