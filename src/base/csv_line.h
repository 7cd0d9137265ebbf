#pragma once
// One line of comma- (or tab-) separated cells, for every CSV and TSV the program writes.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rebanto {

enum class CsvQuoting {
    // Cells are joined as they stand: the lender-style exports quote their money cells
    // themselves and leave every other cell unchanged, and their files must stay byte for byte.
    AsGiven,
    // RFC 4180: a cell holding the separator, a double quote, CR or LF is enclosed in double
    // quotes, with its double quotes doubled; every other cell stands as it is.
    Rfc4180,
};

// A cell as it stands in an RFC 4180 line with the given separator.
std::string csv_cell(std::string_view cell, char separator = ',');

// The cells joined by the separator, without a line end.
std::string csv_line(const std::vector<std::string>& cells, char separator = ',',
                     CsvQuoting quoting = CsvQuoting::Rfc4180);

// A table written the lender's way: the title line, a blank line, the title rows 1..titles,
// a blank line, the header, the rows after the titles that have a line, and the header again.
struct TitledTable {
    std::string title_line;
    int rows = 0;  // the table's rows, the header row 0 among them
    int titles = 0;
    std::function<std::string(int row)> title_row;
    std::string header;
    // A row's line; none for a row the export leaves out.
    std::function<std::optional<std::string>(int row)> body_row;
};

void append_titled_table(const TitledTable& table, std::vector<std::string>& out);

}  // namespace rebanto
