#include "base/csv_line.h"
#include "io/numeric_files.h"

namespace rebanto::numeric {

std::string csv_bytes(const std::vector<Table>& tables) {
    const bool several = tables.size() > 1;
    std::string bytes = "\xEF\xBB\xBF";
    auto add = [&bytes](const std::vector<std::string>& cells) {
        bytes += csv_line(cells, ',', CsvQuoting::Rfc4180) + "\r\n";
    };
    if (tables.empty()) return bytes;
    std::vector<std::string> names;
    if (several) names.emplace_back(kTableColumn);
    for (const Column& c : tables.front().columns)
        names.push_back(c.name);
    add(names);
    for (const Table& table : tables) {
        for (const auto& row : table.rows) {
            std::vector<std::string> cells;
            if (several) cells.push_back(table.name);
            for (const Cell& cell : row)
                cells.push_back(cell.text);
            add(cells);
        }
    }
    return bytes;
}

}  // namespace rebanto::numeric
