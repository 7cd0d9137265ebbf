// How the pack slots and the pack list of the page "編成一括" bind their events.
#include <initializer_list>

#include "dates/date_guard.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void PackSlotsPage::wire_packs() {
    GrpPack.set_parent(&main_.TabSheet8);
    for (Control* c :
         std::initializer_list<Control*>{&Button78, &Button79, &Button83, &Button47, &Button80,
                                         &Button81, &Button82, &Memo2, &Ed_hen1}) {
        c->set_parent(&GrpPack);
    }
    Memo2.set_plain_text(true);
    Memo2.set_lines(std::vector<std::string>(packs::kListLines, "-"));
    Memo2.hide();
    Ed_hen1.hide();
    for (int s = 1; s <= packs::kSlots; ++s) {
        RadioButton& button = slot_button(s);
        button.set_parent(&GrpPack);
        button.set_tag(s);
        show_slot(s);
        button.on_click = guard(&TForm1::slot_click);
        button.on_right_click = guard(&TForm1::slot_right_click);
    }
    // Slot 1 is selected at start; the title keeps its default until a slot is clicked.
    Button78.set_tag(1);
    SlotClicksHeld = true;
    RadioButton101.set_checked(true);
    SlotClicksHeld = false;
    Button79.set_enabled(false);
    Button83.set_enabled(false);
    Button47.hide();
    Button81.set_enabled(false);

    Button78.on_click = guard(&TForm1::Button78Click);
    Button79.on_click = guard(&TForm1::Button79Click);
    Button83.on_click = guard(&TForm1::Button83Click);
    Button47.on_click = guard(&TForm1::Button47Click);
    Button80.on_click = guard(&TForm1::Button80Click);
    Button81.on_click = guard(&TForm1::Button81Click);
    Button82.on_click = guard(&TForm1::Button82Click);
    // "一括計算ＧＯ" of the date half of the page runs the chosen slots.
    main_.Button53.on_click = date_guard(main_, &TForm1::Button53Click, app().platform());

    // Passing over the pages where components are added by hand clears the selection, so
    // that they are labelled by their component number; the composite page then also
    // applies a first-payment correction that waits.
    const Handler clear = guard(&TForm1::clear_slot_selection);
    main_.TabSheet2.on_mouse_over = clear;
    main_.TabSheet7.on_mouse_over = [clear,
                                     waiting = main_.TabSheet7.on_mouse_over](Control& sender) {
        clear(sender);
        if (waiting) waiting(sender);
    };
}

}  // namespace rebanto
