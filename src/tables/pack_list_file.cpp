// Reading and recording the pack list ("*.krp"), and the question at exit about a list
// that was changed and not recorded.
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/file_names.h"

namespace rebanto {

namespace {

constexpr const char* kListFilter = "パックリスト(*.krp)|*.krp";

}  // namespace

// "パックリスト読込": the whole list is read and checked before any slot changes.
void PackSlotsPage::Button80Click(Control&) {
    if (PackListChanged &&
        !app().platform().ask(
            "現在編集中のパックリストが記録されていません。記録せずに読み込み実行し"
            "ますか。")) {
        return;
    }
    FileDialogRequest request{"パックリスト読込", main_.packListFolder, proposed_pack_list,
                              kListFilter, "krp"};
    const auto chosen = app().platform().open_file(request);
    if (!chosen) return;
    std::vector<std::string> lines = read_lines(*chosen);
    PackSlots = packs::parse_list(lines, *chosen);
    Memo2.set_lines(std::move(lines));
    main_.packListFolder = folder_of(*chosen);
    for (int s = 1; s <= packs::kSlots; ++s)
        show_slot(s);
    select_slot(1);
    main_.PRset1(main_.Ed0_moto);
    set_pack_list_changed(false);
    Button83.set_enabled(true);
    proposed_pack_list = *chosen;
}

// "パックリスト記録"
void PackSlotsPage::Button81Click(Control&) {
    FileDialogRequest request{"パックリスト記録", main_.packListFolder, proposed_pack_list,
                              kListFilter, "krp"};
    const auto chosen = app().choose_save_file(request);
    if (!chosen) return;
    std::vector<std::string> lines = packs::list_lines(PackSlots, Memo2.lines());
    write_lines(*chosen, lines);
    Memo2.set_lines(std::move(lines));
    set_pack_list_changed(false);
    main_.packListFolder = folder_of(*chosen);
    proposed_pack_list = *chosen;
}

bool PackSlotsPage::ask_to_record_pack_list() {
    if (!PackListChanged) return true;
    if (!app().platform().ask("パックリストの変更が記録されていません。記録して終了しますか。")) {
        return true;
    }
    // The list is only safe once it is in a file: a cancelled dialog or a failed write
    // keeps the program running with the list as it is.
    try {
        Button81Click(Button81);
    } catch (const std::exception& e) {
        app().platform().error(e.what());
        return false;
    }
    return !PackListChanged;
}

}  // namespace rebanto
