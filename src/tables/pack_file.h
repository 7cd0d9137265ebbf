#pragma once
// The manual pack file: both current tables with the dates and calculation settings they
// were made under, one value per line.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/linefile.h"

namespace rebanto {

using TableRows = std::vector<std::vector<std::string>>;

struct PackFile {
    TableRows monthly;  // rows 0 and 1 included, 14 cells a row
    TableRows bonus;
    std::string loan_date;
    std::string first_monthly_date;
    std::string first_bonus_date;
    std::int64_t instalment_rounding = 0;
    std::int64_t interest_rounding = 0;
    std::string method = "0";
    std::int64_t accrual_unit = 100;
};

// A pack file that cannot be read as one: names the file and the line (from 1).
class PackFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The settings string put into an empty column 13 of the monthly settings row on reading.
extern const char* const kUnrecordedSettingsString;

// 15 + 14 × (R1 + R2) lines.
std::vector<std::string> pack_lines(const PackFile& pack);
// Reads the lines of a pack file; throws PackFileError naming `file_name` and the line.
PackFile parse_pack(const std::vector<std::string>& lines, const std::string& file_name);

// Whole-file helpers (code page 932, CR LF); errors are FileError or PackFileError.
PackFile read_pack_file(const std::filesystem::path& path);
void write_pack_file(const std::filesystem::path& path, const PackFile& pack,
                     Durability durability = Durability::Synced);

}  // namespace rebanto
