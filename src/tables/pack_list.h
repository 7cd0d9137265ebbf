#pragma once
// The pack list: ten pack slots of 25 text fields, and the file "*.krp" that keeps them,
// slot s field f on line (s − 1) × 25 + f.
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace rebanto::packs {

inline constexpr int kSlots = 10;
inline constexpr int kFields = 25;
inline constexpr int kListLines = kSlots * kFields;

using Slot = std::array<std::string, kFields>;
// Slots 1..10; slot 0 is not used.
using Slots = std::array<Slot, kSlots + 1>;

enum class Kind { Empty, Calculated, Manual };
Kind kind_of(const Slot& slot);

// A slot with every field "-".
Slot empty_slot();
Slots empty_slots();

// A list file that cannot be read as one: names the file and the line (from 1).
class PackListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The slots held by the lines of a list; a list of fewer than 250 lines is refused whole.
Slots parse_list(const std::vector<std::string>& lines, const std::string& file_name);
// `lines` with slots 1..10 written into its first 250 lines (lines beyond them kept).
std::vector<std::string> list_lines(const Slots& slots, std::vector<std::string> lines);

}  // namespace rebanto::packs
