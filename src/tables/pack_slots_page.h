#pragma once
// The pack half of the page "編成一括" of the main window: the ten pack slots and the
// pack list file.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "base/money.h"
#include "base/rounding.h"
#include "dates/batch_types.h"
#include "forms/guard.h"
#include "forms/main_page.h"
#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"
#include "model/platform.h"
#include "tables/pack_list.h"

namespace rebanto {

namespace numeric {
struct Table;
}
struct PackFile;

class PackSlotsPage : public MainPage {
public:
    explicit PackSlotsPage(TForm1& main) : MainPage(main) {}

    // ---- Page "編成一括": the pack slots and the pack list ----
    Panel GrpPack{form_, "GrpPack", "パック"};
    RadioButton RadioButton101{form_, "RadioButton101", "1"};
    RadioButton RadioButton102{form_, "RadioButton102", "2"};
    RadioButton RadioButton103{form_, "RadioButton103", "3"};
    RadioButton RadioButton104{form_, "RadioButton104", "4"};
    RadioButton RadioButton105{form_, "RadioButton105", "5"};
    RadioButton RadioButton106{form_, "RadioButton106", "6"};
    RadioButton RadioButton107{form_, "RadioButton107", "7"};
    RadioButton RadioButton108{form_, "RadioButton108", "8"};
    RadioButton RadioButton109{form_, "RadioButton109", "9"};
    RadioButton RadioButton110{form_, "RadioButton110", "10"};
    // The selected slot is the tag of "↓ パック化" (0: none).
    Button Button78{form_, "Button78", "↓ パック化"};
    Button Button79{form_, "Button79", "呼び出し ↑"};
    Button Button83{form_, "Button83", "消し"};
    Button Button47{form_, "Button47", "↓ 変更記録"};
    Button Button80{form_, "Button80", "パックリスト読込"};
    Button Button81{form_, "Button81", "パックリスト記録"};
    Button Button82{form_, "Button82", "全パック一括計算"};
    // The pack list as its file holds it: slot s field f on line (s − 1) × 25 + f.
    Memo Memo2{form_, "Memo2"};
    // The file name of the manual pack last recalled.
    Edit Ed_hen1{form_, "Ed_hen1"};
    // Slots 1..10 (0 unused), 25 fields each.
    packs::Slots PackSlots = packs::empty_slots();
    bool PackListChanged = false;
    // Set while the program marks a slot's button, whose click would otherwise recall it.
    bool SlotClicksHeld = false;
    std::string proposed_pack_list;

    // ---- Routines: pack slots and pack lists ----
    int selected_slot() const { return static_cast<int>(Button78.tag()); }
    RadioButton& slot_button(int slot);
    // Selects a slot without recalling it.
    void select_slot(int slot);
    void show_slot(int slot);
    void slot_click(Control& sender);
    void slot_right_click(Control& sender);
    void clear_slot_selection(Control& sender);
    // Reads a manual pack file into the current tables and into the selected slot.
    void mpc_load(const std::string& path);
    void mpc_load(const PackFile& pack, const std::string& path);
    // The slot the pack operations work on: the selected one, or the one marked when the
    // selection was cleared by the mouse passing over another page.
    int target_slot() const;
    void recall_calculated(const packs::Slot& slot);
    void recall_manual(int slot);
    // The file a manual pack's bare name stands for.
    std::string manual_pack_path(const std::string& name) const;
    void Button78Click(Control& sender);
    void Button79Click(Control& sender);
    void Button83Click(Control& sender);
    void Button47Click(Control& sender);
    void Button80Click(Control& sender);
    void Button81Click(Control& sender);
    void Button82Click(Control& sender);
    void set_pack_list_changed(bool changed);
    // At exit: a changed list that was not recorded is offered for recording.
    // At exit: false when the user asked to record a changed list and it was not recorded
    // (the dialog cancelled, the write failed), so the program goes on.
    bool ask_to_record_pack_list();
    // At exit: false when memories that were never saved would be lost and the user
    // chose to stay.
    bool confirm_memories_lost();
    void wire_packs();
    // Beeps wait while a run of many packs is under way.
    int BeepsHeld = 0;
};

}  // namespace rebanto
