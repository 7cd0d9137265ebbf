// "全パック一括計算": every pack of the list recalculated in slot order and combined into
// the composite tables, each component labelled by its slot.
#include <vector>

#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/composite_state.h"
#include "tables/pack_file.h"

namespace rebanto {

namespace {

// A run over ten large packs takes seconds: the status bar says which pack is being
// worked on, and the window is painted after each, then shows what it showed before.
class PackProgress {
public:
    PackProgress(Label& status, Platform& platform, std::size_t total)
        : status_(status), platform_(platform), before_(status.caption()), total_(total) {}
    ~PackProgress() { status_.set_caption(before_); }
    PackProgress(const PackProgress&) = delete;
    PackProgress& operator=(const PackProgress&) = delete;
    void next(int slot) {
        status_.set_caption("全パック一括計算中　" + std::to_string(++done_) + " / " +
                            std::to_string(total_) + "　(パック" + std::to_string(slot) + ")");
        platform_.repaint();
    }

private:
    Label& status_;
    Platform& platform_;
    std::string before_;
    std::size_t total_;
    std::size_t done_ = 0;
};

}  // namespace

void PackSlotsPage::Button82Click(Control&) {
    std::vector<int> slots;
    for (int s = 1; s <= packs::kSlots; ++s) {
        if (packs::kind_of(PackSlots[s]) != packs::Kind::Empty) slots.push_back(s);
    }
    if (slots.empty()) return;
    // Every manual pack file is read before anything changes: a missing or damaged one
    // stops the run with the composites and the slots as they were.
    for (int s : slots) {
        if (packs::kind_of(PackSlots[s]) == packs::Kind::Manual) {
            (void)read_pack_file(manual_pack_path(PackSlots[s][1]));
        }
    }
    CompositeState composites(main_);
    const packs::Slots slots_before = PackSlots;
    const bool changed_before = PackListChanged;
    ++BeepsHeld;
    try {
        // The run builds the composites anew: what an earlier work left in them (a bonus
        // composite above all, which the last step adds in) does not belong to this list.
        main_.Button31Click(main_.Button31);
        // The first pack starts each composite by the copy work, fold of the last principal
        // included, as a user starting the composite by hand would.
        bool first_monthly = true;
        bool first_bonus = true;
        PackProgress progress(main_.StatusBar1, app().platform(), slots.size());
        for (int s : slots) {
            progress.next(s);
            select_slot(s);
            Button79Click(Button79);
            main_.Button53Click(Button82);
            if (app().cur.StGr1.row_count() > kFirstDataRow) {
                first_monthly ? main_.copy_work(false) : main_.merge_into_composite(false);
                first_monthly = false;
            }
            if (app().cur.StGr2.row_count() > kFirstDataRow) {
                first_bonus ? main_.copy_work(true) : main_.merge_into_composite(true);
                first_bonus = false;
            }
        }
        main_.Button30Click(main_.Button30);
    } catch (...) {
        --BeepsHeld;
        composites.restore();
        PackSlots = slots_before;
        for (int s = 1; s <= packs::kSlots; ++s)
            show_slot(s);
        set_pack_list_changed(changed_before);
        throw;
    }
    --BeepsHeld;
}

}  // namespace rebanto
