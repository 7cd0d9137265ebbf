#pragma once
// Tables of numbers as files a spreadsheet opens as they are: UTF-8 CSV and Excel workbooks.
#include <string>
#include <vector>

#include "io/numeric_table.h"

namespace rebanto::numeric {

// The name of the column that tells the tables of one CSV apart.
inline constexpr const char* kTableColumn = "表";

// UTF-8 with a byte-order mark (so that a spreadsheet does not take it for the local code
// page), CR LF line ends, RFC 4180 quoting, one line of column names. Several tables go
// one after the other under one line of names, each row led by its table's name.
std::string csv_bytes(const std::vector<Table>& tables);

// An Excel workbook, one sheet per table with the same columns as the CSV: amounts as
// numbers in a yen format, counts and rates as plain numbers. Throws FileError when the
// workbook cannot be made.
std::string xlsx_bytes(const std::vector<Table>& tables);

}  // namespace rebanto::numeric
