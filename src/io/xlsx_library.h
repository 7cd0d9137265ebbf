#pragma once
// The spreadsheet library, loaded the first time a workbook is written rather than when the
// program starts: it brings a cryptography library whose thousands of links the system
// would otherwise resolve at every start, for an export most sessions never make.
#include <xlsxwriter.h>

namespace rebanto::numeric {

struct XlsxLibrary {
    decltype(&::workbook_new_opt) workbook_new_opt;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::workbook_close) workbook_close;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::format_set_num_format) format_set_num_format;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
    decltype(&::lxw_strerror) lxw_strerror;
};

// The library's functions, loaded once. Throws FileError, naming the library, when it is
// not installed or lacks a function.
const XlsxLibrary& xlsx_library();

}  // namespace rebanto::numeric
