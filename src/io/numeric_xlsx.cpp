// The workbook is written by libxlsxwriter, a maintained C library for the format; it
// writes only to a named file, so the file is made in a folder of its own under the
// temporary folder and its bytes are taken from there.

#include <unistd.h>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/errors.h"
#include "io/numeric_files.h"
#include "io/xlsx_library.h"

namespace rebanto::numeric {

namespace {

namespace fs = std::filesystem;

constexpr const char* kYen = "\"¥\"#,##0;-\"¥\"#,##0";
constexpr const char* kYenWithFraction = "\"¥\"#,##0.00##;-\"¥\"#,##0.00##";

// A folder only this call uses, removed with everything in it on every way out.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<unsigned> counter{0};
        path_ = fs::temp_directory_path() /
                ("rebanto-xlsx-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

double column_width(Kind kind) {
    switch (kind) {
        case Kind::Yen:
            return 15;
        case Kind::Text:
            return 14;
        case Kind::Count:
        case Kind::Rate:
            return 9;
    }
    return 10;
}

struct Formats {
    lxw_format* header;
    lxw_format* yen;
    lxw_format* yen_fraction;
};

void write_sheet(const XlsxLibrary& lib, lxw_workbook* book, const Formats& formats,
                 const Table& table) {
    lxw_worksheet* sheet = lib.workbook_add_worksheet(book, table.name.c_str());
    if (sheet == nullptr) throw FileError("表計算用の表「" + table.name + "」を作れません");
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        lib.worksheet_set_column(sheet, col, col, column_width(table.columns[c].kind), nullptr);
        lib.worksheet_write_string(sheet, 0, col, table.columns[c].name.c_str(), formats.header);
    }
    lib.worksheet_freeze_panes(sheet, 1, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < table.rows[r].size() && c < table.columns.size(); ++c) {
            const Cell& cell = table.rows[r][c];
            const auto col = static_cast<lxw_col_t>(c);
            if (cell.number) {
                const double value = static_cast<double>(cell.value);
                lxw_format* format = nullptr;
                if (table.columns[c].kind == Kind::Yen)
                    format = value == std::trunc(value) ? formats.yen : formats.yen_fraction;
                lib.worksheet_write_number(sheet, row, col, value, format);
            } else if (!cell.text.empty()) {
                lib.worksheet_write_string(sheet, row, col, cell.text.c_str(), nullptr);
            }
        }
    }
}

}  // namespace

std::string xlsx_bytes(const std::vector<Table>& tables) {
    const XlsxLibrary& lib = xlsx_library();
    ScratchFolder scratch;
    const fs::path file = scratch.path() / "book.xlsx";
    lxw_workbook_options options{};
    std::string tmpdir = scratch.path().string();
    options.tmpdir = tmpdir.data();
    lxw_workbook* book = lib.workbook_new_opt(file.c_str(), &options);
    if (book == nullptr) throw FileError("表計算用のブックを作れません");
    Formats formats{lib.workbook_add_format(book), lib.workbook_add_format(book),
                    lib.workbook_add_format(book)};
    lib.format_set_bold(formats.header);
    lib.format_set_num_format(formats.yen, kYen);
    lib.format_set_num_format(formats.yen_fraction, kYenWithFraction);
    try {
        for (const Table& table : tables)
            write_sheet(lib, book, formats, table);
    } catch (...) {
        lib.workbook_close(book);
        throw;
    }
    const lxw_error closed = lib.workbook_close(book);
    if (closed != LXW_NO_ERROR)
        throw FileError(std::string("表計算用のブックを作れません (") + lib.lxw_strerror(closed) +
                        ")");
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    if (!in.good() && !in.eof()) throw FileError("表計算用のブックを読み戻せません");
    return bytes;
}

}  // namespace rebanto::numeric
