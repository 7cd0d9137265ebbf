#include "tables/pack_list.h"

namespace rebanto::packs {

Kind kind_of(const Slot& slot) {
    if (slot[0] == "1") return Kind::Calculated;
    if (slot[0] == "2") return Kind::Manual;
    return Kind::Empty;
}

Slot empty_slot() {
    Slot slot;
    slot.fill("-");
    return slot;
}

Slots empty_slots() {
    Slots slots;
    slots.fill(empty_slot());
    return slots;
}

Slots parse_list(const std::vector<std::string>& lines, const std::string& file_name) {
    if (lines.size() < static_cast<std::size_t>(kListLines)) {
        throw PackListError("パックリスト「" + file_name + "」を読めません: 行 " +
                            std::to_string(lines.size() + 1) + " がありません（" +
                            std::to_string(kListLines) + " 行必要です）");
    }
    Slots slots = empty_slots();
    for (int s = 1; s <= kSlots; ++s) {
        for (int f = 0; f < kFields; ++f) {
            const std::string& value = lines[(s - 1) * kFields + f];
            // A value with a line break could never be written back as one line.
            if (value.find('\r') != std::string::npos) {
                throw PackListError("パックリスト「" + file_name + "」を読めません: 行 " +
                                    std::to_string((s - 1) * kFields + f + 1) +
                                    " に改行文字 (CR) が含まれています");
            }
            slots[s][f] = value;
        }
    }
    return slots;
}

std::vector<std::string> list_lines(const Slots& slots, std::vector<std::string> lines) {
    if (lines.size() < static_cast<std::size_t>(kListLines)) lines.resize(kListLines, "-");
    for (int s = 1; s <= kSlots; ++s) {
        for (int f = 0; f < kFields; ++f)
            lines[(s - 1) * kFields + f] = slots[s][f];
    }
    return lines;
}

}  // namespace rebanto::packs
