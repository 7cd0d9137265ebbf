#pragma once
// Line files are split at LF, so a carriage return without its LF stays inside a value; such
// a value can never be written to a line file again. Readers that keep every line of a
// file refuse it at once, while the old state is still intact.
#include <cstddef>
#include <string>
#include <vector>

namespace rebanto {

// The number (from 1) of the first line that holds a carriage return; 0 when none does.
std::size_t line_with_stray_cr(const std::vector<std::string>& lines);

}  // namespace rebanto
