#pragma once
// Program files: code page 932 text, one value per line, CR LF line ends, read and written
// whole as a list of lines.
#include <filesystem>
#include <string>
#include <vector>

namespace rebanto {

// Reads the file and splits it at CR LF or LF (a final line end adds no empty line).
// Throws FileError when the file cannot be read or is not code page 932.
std::vector<std::string> read_lines(const std::filesystem::path& path);
// Writes every line followed by CR LF. Writes a temporary file beside the target and
// renames it over the target, so a failed write leaves the old file intact.
// Throws FileError when the file cannot be written or a line has no code page 932 form.
void write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace rebanto
