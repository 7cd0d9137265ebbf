// "一括計算ＧＯ": the schedule of the current pack in one step, its first rows corrected by
// the first-payment differences and its month numbers aligned to the calendar.
#include <algorithm>

#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/bonus_settings.h"

namespace rebanto {

namespace {

// Types 3-8 hold the instalment for five years, 9-14 follow every rate; within each, the
// first type has no fixed period and the others fix the rate for these years first.
constexpr int kFirstVariableType = 3;
constexpr int kTypesPerHold = 6;
constexpr const char* kFixedYears[] = {"", "2", "3", "5", "7", "10"};

}  // namespace

void LoanDatesPage::Button53Click(Control& sender) {
    const int s = main_.target_slot();
    const packs::Slot& slot = main_.PackSlots[s];
    const packs::Kind kind = packs::kind_of(slot);
    if (s == 0 || kind == packs::Kind::Empty) {
        // Only a pack can be calculated in one step.
        main_.beep(Beep::Warning);
        return;
    }
    if (kind == packs::Kind::Manual) {
        // Its tables are the file's: they are shown, to be saved again.
        main_.PageControl1.set_active_page(main_.TabSheet7);
        main_.Button88.set_enabled(true);
    } else {
        apply_pack_bonus_settings(app(), slot[18]);
        // The generators' own completion beeps give way to this one.
        ++main_.BeepsHeld;
        try {
            const int type = std::max(ComboBox2.item_index(), 0);
            if (type == 0) {
                main_.Button68Click(main_.Button68);
            } else if (type < kFirstVariableType) {
                (type == 1 ? main_.RadioButton9 : main_.RadioButton10).set_checked(true);
                main_.Button63Click(main_.Button63);
            } else {
                const int fixed = (type - kFirstVariableType) % kTypesPerHold;
                if (fixed == 0) {
                    main_.RdBt2_non_kotei.set_checked(true);
                } else {
                    main_.RdBt2_kotei.set_checked(true);
                    main_.Ed2_kotei_yy.set_text(kFixedYears[fixed]);
                }
                main_.Ed2_hensai1tei_yy.set_text(type < kFirstVariableType + kTypesPerHold ? "5"
                                                                                           : "0");
                main_.Button74Click(main_.Button74);
            }
        } catch (...) {
            --main_.BeepsHeld;
            throw;
        }
        --main_.BeepsHeld;
    }
    syokai_forced = true;
    Button51Click(Button51);
    Button52Click(Button52);
    if (&sender == &Button53) main_.beep(Beep::Information);
}

}  // namespace rebanto
