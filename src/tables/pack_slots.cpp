// The ten pack slots of the page "編成一括": selecting a slot, storing the page's inputs
// as a calculated pack, loading a manual pack file into a slot, recalling and emptying.
#include <algorithm>
#include <array>
#include <filesystem>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/bonus_settings.h"
#include "tables/file_names.h"
#include "tables/pack_file.h"

namespace rebanto {

namespace {

constexpr const char* kPackFilter = "マニュアルパック(*.mpc)|*.mpc";
constexpr const char* kOverwrite = "すでにパックが存在しますが、上書きしますか?";

enum Field {
    kKind = 0,
    kTitle = 1,
    kRate = 2,
    kYears = 3,
    kMonths = 4,
    kMonthlyPrincipal = 5,
    kBonusPrincipal = 6,
    kRateList = 7,
    kLoanDate = 8,
    kFirstMonthly = 9,
    kFirstBonus = 10,
    kCalculationType = 11,
    kBaseRateRule = 12,
    kUncorrected = 13,
    kInstalmentRounding = 14,
    kInterestRounding = 15,
    kMethod = 16,
    kBothEnds = 17,
    kBonusSettings = 18,
    kAccrualUnit = 19,
    kLaterRate = 20,
};

// A slot field that holds a whole number, or "-" for the value given.
std::int64_t slot_int(const packs::Slot& slot, int field, std::int64_t unrecorded) {
    const std::string& text = slot[field];
    if (text == "-") return unrecorded;
    try {
        return to_int(text);
    } catch (const ConversionError&) {
        throw FieldValueError("パック項目" + std::to_string(field), text);
    }
}

Color slot_color(packs::Kind kind) {
    switch (kind) {
        case packs::Kind::Calculated:
            return Color::Black;
        case packs::Kind::Manual:
            return Color::Maroon;
        case packs::Kind::Empty:
            break;
    }
    return Color::Gray;
}

}  // namespace

RadioButton& PackSlotsPage::slot_button(int slot) {
    const std::array<RadioButton*, packs::kSlots> buttons{
        &RadioButton101, &RadioButton102, &RadioButton103, &RadioButton104, &RadioButton105,
        &RadioButton106, &RadioButton107, &RadioButton108, &RadioButton109, &RadioButton110};
    return *buttons.at(static_cast<std::size_t>(slot - 1));
}

int PackSlotsPage::target_slot() const {
    if (selected_slot() > 0) return selected_slot();
    for (int s = 1; s <= packs::kSlots; ++s) {
        if (const_cast<PackSlotsPage*>(this)->slot_button(s).checked()) return s;
    }
    return 0;
}

// An empty slot shows its number on grey, a calculated pack its title on black, a manual
// pack its title on dark red.
void PackSlotsPage::show_slot(int slot) {
    RadioButton& button = slot_button(slot);
    const packs::Kind kind = packs::kind_of(PackSlots[slot]);
    button.set_caption(kind == packs::Kind::Empty ? std::to_string(slot) : PackSlots[slot][kTitle]);
    button.set_color(slot_color(kind));
    button.set_font_color(Color::Yellow);
}

void PackSlotsPage::select_slot(int slot) {
    Button78.set_tag(slot);
    SlotClicksHeld = true;
    slot_button(slot).set_checked(true);
    SlotClicksHeld = false;
    const packs::Slot& fields = PackSlots[slot];
    const packs::Kind kind = packs::kind_of(fields);
    main_.Edit67.set_color(slot_color(kind));
    main_.Edit67.set_font_color(Color::Yellow);
    if (kind == packs::Kind::Empty) {
        Button78.set_enabled(true);
        Button78.show();
        Button79.set_enabled(false);
        Button83.set_enabled(false);
        main_.ComboBox2.show();
        Button47.hide();
        main_.Edit67.set_text("");
        return;
    }
    Button83.set_enabled(true);
    Button79.set_enabled(true);
    if (kind == packs::Kind::Calculated) {
        Button78.show();
        Button47.hide();
    } else {
        Button78.hide();
        Button47.show();
        main_.CheckBox3.set_checked(fields[kBothEnds] == "-");
    }
}

// A click selects the slot, and the release of the mouse button recalls it.
void PackSlotsPage::slot_click(Control& sender) {
    if (SlotClicksHeld) return;
    select_slot(static_cast<int>(sender.tag()));
    Button79Click(Button79);
}

void PackSlotsPage::clear_slot_selection(Control&) {
    Button78.set_tag(0);
}

void PackSlotsPage::set_pack_list_changed(bool changed) {
    PackListChanged = changed;
    Button81.set_enabled(changed);
}

std::string PackSlotsPage::manual_pack_path(const std::string& name) const {
    const std::string start = (app().start_folder() / "").string();
    for (const std::string& folder :
         {main_.packFolder, main_.packListFolder, main_.dataFolder, start}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder + name, error)) return folder + name;
    }
    return main_.packFolder + name;
}

// "↓ パック化"
void PackSlotsPage::Button78Click(Control&) {
    const int s = target_slot();
    if (s == 0) return;
    if (packs::kind_of(PackSlots[s]) != packs::Kind::Empty && !app().platform().ask(kOverwrite)) {
        return;
    }
    packs::Slot slot = packs::empty_slot();
    slot[kKind] = "1";
    slot[kTitle] = file_name_of(main_.Edit67.text());
    slot[kRate] = main_.Ed0_kin.text();
    slot[kYears] = main_.Ed0_nen.text();
    slot[kMonths] = main_.Ed0_tuki.text();
    slot[kMonthlyPrincipal] = main_.Edit101.text();
    slot[kBonusPrincipal] = main_.Edit106.text();
    slot[kRateList] = main_.Edit68.text();
    slot[kLoanDate] = main_.MsEd8_yusi.text();
    slot[kFirstMonthly] = main_.MsEd8_mon.text();
    slot[kFirstBonus] = main_.MsEd8_bon.text();
    slot[kCalculationType] = std::to_string(std::max(main_.ComboBox2.item_index(), 0));
    slot[kBaseRateRule] = main_.CheckBox1.checked() ? "1" : "-";
    slot[kUncorrected] = main_.CheckBox2.checked() ? "0" : "-";
    slot[kInstalmentRounding] = std::to_string(main_.HRh.tag());
    slot[kInterestRounding] = std::to_string(main_.HRr.tag());
    slot[kMethod] = main_.HHkkgg.text();
    slot[kBothEnds] = main_.CheckBox3.checked() ? "-" : "片";
    slot[kBonusSettings] = app().cur.StGr2.cell(kSettingsRow, schedule_col::kBonusSettings);
    slot[kAccrualUnit] = std::to_string(main_.FuriR.tag());
    slot[kLaterRate] = main_.Edit40.text();
    PackSlots[s] = slot;
    show_slot(s);
    set_pack_list_changed(true);
    Button83.set_enabled(true);
    Button78.set_tag(s);
}

// "呼び出し ↑": a calculated pack puts its inputs back (the schedules are built by
// "一括計算ＧＯ"); a manual pack reads its file into the current tables.
void PackSlotsPage::Button79Click(Control&) {
    const int s = target_slot();
    if (s == 0) return;
    switch (packs::kind_of(PackSlots[s])) {
        case packs::Kind::Calculated:
            recall_calculated(PackSlots[s]);
            break;
        case packs::Kind::Manual:
            recall_manual(s);
            break;
        case packs::Kind::Empty:
            break;
    }
}

void PackSlotsPage::recall_calculated(const packs::Slot& source) {
    // NOLINTNEXTLINE(performance-unnecessary-copy-initialization): a copy on purpose
    const packs::Slot slot = source;  // the fields written below may rewrite the slot
    // The numbers the settings take are read first: a damaged slot changes nothing.
    const std::int64_t instalment_rounding = slot_int(slot, kInstalmentRounding, 0);
    const std::int64_t interest_rounding = slot_int(slot, kInterestRounding, 0);
    const std::int64_t accrual_unit = slot_int(slot, kAccrualUnit, 1);
    const int type = static_cast<int>(slot_int(slot, kCalculationType, 0));
    const std::string& list = slot[kRateList];
    const std::string list_path = main_.data_path(list);
    std::error_code error;
    const bool list_found =
        list != "-" && !list.empty() && std::filesystem::is_regular_file(list_path, error);
    // Types 3 and above follow the variable-rate list: without it they cannot be built.
    if (type >= 3 && !list_found) {
        throw FileError("変動金利リスト「" + list_path + "」が見つかりません");
    }

    main_.ComboBox2.show();
    main_.Edit68.show();
    main_.Button91.show();
    main_.Edit67.set_text(slot[kTitle]);
    main_.Ed0_kin.set_text(slot[kRate]);
    main_.Ed0_nen.set_text(slot[kYears]);
    main_.Ed0_tuki.set_text(slot[kMonths]);
    // The non-zero principal first, so that the other's "0" does not empty the loan.
    if (slot[kMonthlyPrincipal] == "0") {
        main_.Edit106.set_text(slot[kBonusPrincipal]);
        main_.Edit101.set_text(slot[kMonthlyPrincipal]);
    } else {
        main_.Edit101.set_text(slot[kMonthlyPrincipal]);
        main_.Edit106.set_text(slot[kBonusPrincipal]);
    }
    main_.MsEd8_yusi.set_text(slot[kLoanDate]);
    main_.MsEd8_mon.set_text(slot[kFirstMonthly]);
    main_.MsEd8_bon.set_text(slot[kFirstBonus]);
    main_.ComboBox2.set_item_index(type);
    main_.CheckBox1.set_checked(slot[kBaseRateRule] == "1");
    main_.CheckBox2.set_checked(slot[kUncorrected] == "0");
    main_.HRh.set_tag(instalment_rounding);
    main_.HRr.set_tag(interest_rounding);
    main_.HHkkgg.set_text(slot[kMethod] == "-" ? "0" : slot[kMethod]);
    main_.CheckBox3.set_checked(slot[kBothEnds] == "-");
    apply_pack_bonus_settings(app(), slot[kBonusSettings]);
    main_.FuriR.set_tag(accrual_unit);
    main_.recolour_indicators();
    main_.Button106Click(main_.Button106);
    main_.Edit40.set_text(slot[kLaterRate] == "-" ? "4.0" : slot[kLaterRate]);
    if (list_found) {
        main_.load_rate_list_file(list_path);
    } else if (list != "-") {
        main_.Edit68.set_text(list);
    }
    main_.first_payment_reference();
}

void PackSlotsPage::mpc_load(const std::string& path) {
    mpc_load(read_pack_file(path), path);
}

// The tables of the file, the loan inputs from their first data rows, and the slot.
void PackSlotsPage::mpc_load(const PackFile& pack, const std::string& path) {
    const bool monthly = pack.monthly.size() > kFirstDataRow;
    const bool bonus = pack.bonus.size() > kFirstDataRow;
    std::string rate = "-";
    std::string years = "-";
    std::string months = "-";
    if (monthly) {
        const std::vector<std::string>& first = pack.monthly[kFirstDataRow];
        std::int64_t count = 0;
        try {
            count = to_int(first[5]);
        } catch (const ConversionError&) {
            throw FieldValueError(file_name_of(path) + " 月返済表 2行5列", first[5]);
        }
        rate = first[4];
        years = std::to_string(count / 12);
        months = std::to_string(count - 12 * (count / 12));
    }
    const std::string monthly_principal = monthly ? pack.monthly[kFirstDataRow][3] : "0";
    const std::string bonus_principal = bonus ? pack.bonus[kFirstDataRow][3] : "0";

    main_.Open_mpc(pack);
    const std::string name = file_name_of(path);
    main_.Edit67.set_text(name);
    if (monthly) {
        main_.Ed0_kin.set_text(rate);
        main_.Ed0_nen.set_text(years);
        main_.Ed0_tuki.set_text(months);
    }
    if (monthly_principal == "0") {
        main_.Edit106.set_text(bonus_principal);
        main_.Edit101.set_text(monthly_principal);
    } else {
        main_.Edit101.set_text(monthly_principal);
        main_.Edit106.set_text(bonus_principal);
    }
    const int s = target_slot();
    if (s == 0) return;
    packs::Slot& slot = PackSlots[s];
    slot[kKind] = "2";
    slot[kTitle] = name;
    slot[kRate] = rate;
    slot[kYears] = years;
    slot[kMonths] = months;
    slot[kMonthlyPrincipal] = monthly_principal;
    slot[kBonusPrincipal] = bonus_principal;
    slot[kRateList] = main_.Edit68.text();
    slot[kLoanDate] = pack.loan_date;
    slot[kFirstMonthly] = pack.first_monthly_date;
    slot[kFirstBonus] = pack.first_bonus_date;
}

// The file is read before anything changes: one that is missing or damaged leaves the
// tables, the inputs and the slot as they were.
void PackSlotsPage::recall_manual(int s) {
    const packs::Slot before = PackSlots[s];
    const std::string path = manual_pack_path(before[kTitle]);
    const PackFile pack = read_pack_file(path);
    main_.CheckBox2.set_checked(before[kUncorrected] == "0");
    Ed_hen1.set_text(before[kTitle]);
    mpc_load(pack, path);
    // The dates recorded with the slot ("↓ 変更記録") stand over those of the file.
    const std::array<std::pair<Edit*, int>, 3> dates{{{&main_.MsEd8_yusi, kLoanDate},
                                                      {&main_.MsEd8_mon, kFirstMonthly},
                                                      {&main_.MsEd8_bon, kFirstBonus}}};
    for (const auto& [field, f] : dates) {
        if (before[f] == "-") continue;
        field->set_text(before[f]);
        PackSlots[s][f] = before[f];
    }
    main_.ComboBox2.hide();
    main_.Edit68.hide();
    main_.Button91.hide();
    main_.proposed_pack_file = path;
    main_.Button26Click(main_.Button26);
    main_.first_payment_reference();
    Button81.set_enabled(PackListChanged);
    main_.Ed555.set_text(stem_of(before[kTitle]));
}

// A right click loads a manual pack file into the slot. Nothing changes until a file has
// been chosen and read whole.
void PackSlotsPage::slot_right_click(Control& sender) {
    const int s = static_cast<int>(sender.tag());
    if (packs::kind_of(PackSlots[s]) != packs::Kind::Empty && !app().platform().ask(kOverwrite)) {
        return;
    }
    FileDialogRequest request{"マニュアルパック読込", main_.packFolder, main_.proposed_pack_file,
                              kPackFilter, "mpc"};
    const auto chosen = app().platform().open_file(request);
    if (!chosen) return;
    const PackFile pack = read_pack_file(*chosen);
    const packs::Slot before = PackSlots[s];
    select_slot(s);
    try {
        mpc_load(pack, *chosen);
    } catch (...) {
        PackSlots[s] = before;
        throw;
    }
    show_slot(s);
    set_pack_list_changed(true);
    main_.proposed_pack_file = *chosen;
    main_.packFolder = folder_of(*chosen);
    select_slot(s);
    Button79Click(Button79);
    main_.Ed555.set_text(stem_of(*chosen));
}

// "消し"
void PackSlotsPage::Button83Click(Control&) {
    const int s = target_slot();
    if (s == 0) return;
    PackSlots[s][kKind] = "-";
    show_slot(s);
    set_pack_list_changed(true);
    select_slot(s);
}

// "↓ 変更記録": a manual pack keeps the dates and the correction choices made since it
// was recalled.
void PackSlotsPage::Button47Click(Control&) {
    const int s = target_slot();
    if (s == 0 || packs::kind_of(PackSlots[s]) != packs::Kind::Manual) return;
    packs::Slot& slot = PackSlots[s];
    slot[kLoanDate] = main_.MsEd8_yusi.text();
    slot[kFirstMonthly] = main_.MsEd8_mon.text();
    slot[kFirstBonus] = main_.MsEd8_bon.text();
    slot[kUncorrected] = main_.CheckBox2.checked() ? "0" : "-";
    slot[kBothEnds] = main_.CheckBox3.checked() ? "-" : "片";
    set_pack_list_changed(true);
}

}  // namespace rebanto
