#pragma once
// The lines of the settings store "kinri.ini": values read line by line with a note of every
// line that cannot be used, and the lines turned back into the file's bytes.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "base/linefile.h"
#include "base/numtext.h"

namespace rebanto {

// Save never writes the table's carried lines (line 0) or the lines after the table: they go
// back to the file as they were read.
bool carried_line(std::size_t n);

// Reads values from the lines of the store. A line that is missing, is not code page 932,
// or does not hold what its value needs is a bad line: no value comes back (the field keeps
// what it holds) and the line is noted, so the store is repaired once the other lines have
// been applied.
class SettingsReader {
public:
    explicit SettingsReader(const std::vector<ReadLine>& lines) : lines_(lines) {}
    std::optional<std::string> text(std::size_t n);
    // A whole number that is a count in [min, kMaxCount].
    std::optional<std::int64_t> whole(std::size_t n, int min = 0);
    // A text whose value is a count in [min, kMaxCount], kept as written ("10", "10.5").
    std::optional<std::string> count_text(std::size_t n, int min = -kMaxCount);
    // A text that reads as a decimal number in [min, max] (a rate, a share, an amount), kept
    // as written; nothing for an empty text, which is not a bad line.
    std::optional<std::string> number_text(
        std::size_t n, long double min = -std::numeric_limits<long double>::infinity(),
        long double max = std::numeric_limits<long double>::infinity());
    const std::vector<std::size_t>& bad_lines() const { return bad_; }

private:
    const std::vector<ReadLine>& lines_;
    std::vector<std::size_t> bad_;
};

// What the user is told about a store that exists but has bad lines: that it was written
// again, or why it could not be (`write_failure`, empty when it was written).
std::string damage_message(const std::string& file, const std::vector<std::size_t>& bad_lines,
                           std::size_t line_count, const std::string& write_failure = {});

// The bytes of the store: a carried line that is unchanged since it was read goes back as
// it was read, every other line is converted (never failing: see file_line_bytes).
struct SettingsBytes {
    std::string bytes;
    std::vector<std::size_t> changed_lines;  // lines whose saved value differs from the text
};
SettingsBytes settings_bytes(const std::vector<std::string>& lines,
                             const std::vector<std::string>& read_bytes);

// What the user is told about values that were saved in another form.
std::string changed_message(const std::string& file, const std::vector<std::size_t>& lines);

}  // namespace rebanto
