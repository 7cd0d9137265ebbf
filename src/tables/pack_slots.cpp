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

RadioButton& TForm1::slot_button(int slot) {
    const std::array<RadioButton*, packs::kSlots> buttons{
        &RadioButton101, &RadioButton102, &RadioButton103, &RadioButton104, &RadioButton105,
        &RadioButton106, &RadioButton107, &RadioButton108, &RadioButton109, &RadioButton110};
    return *buttons.at(static_cast<std::size_t>(slot - 1));
}

int TForm1::target_slot() const {
    if (selected_slot() > 0) return selected_slot();
    for (int s = 1; s <= packs::kSlots; ++s) {
        if (const_cast<TForm1*>(this)->slot_button(s).checked()) return s;
    }
    return 0;
}

// An empty slot shows its number on grey, a calculated pack its title on black, a manual
// pack its title on dark red.
void TForm1::show_slot(int slot) {
    RadioButton& button = slot_button(slot);
    const packs::Kind kind = packs::kind_of(PackSlots[slot]);
    button.set_caption(kind == packs::Kind::Empty ? std::to_string(slot) : PackSlots[slot][kTitle]);
    button.set_color(slot_color(kind));
    button.set_font_color(Color::Yellow);
}

void TForm1::select_slot(int slot) {
    Button78.set_tag(slot);
    SlotClicksHeld = true;
    slot_button(slot).set_checked(true);
    SlotClicksHeld = false;
    const packs::Slot& fields = PackSlots[slot];
    const packs::Kind kind = packs::kind_of(fields);
    Edit67.set_color(slot_color(kind));
    Edit67.set_font_color(Color::Yellow);
    if (kind == packs::Kind::Empty) {
        Button78.set_enabled(true);
        Button78.show();
        Button79.set_enabled(false);
        Button83.set_enabled(false);
        ComboBox2.show();
        Button47.hide();
        Edit67.set_text("");
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
        CheckBox3.set_checked(fields[kBothEnds] == "-");
    }
}

// A click selects the slot, and the release of the mouse button recalls it.
void TForm1::slot_click(Control& sender) {
    if (SlotClicksHeld) return;
    select_slot(static_cast<int>(sender.tag()));
    Button79Click(Button79);
}

void TForm1::clear_slot_selection(Control&) {
    Button78.set_tag(0);
}

void TForm1::set_pack_list_changed(bool changed) {
    PackListChanged = changed;
    Button81.set_enabled(changed);
}

std::string TForm1::manual_pack_path(const std::string& name) const {
    const std::string start = (app_.start_folder() / "").string();
    for (const std::string& folder : {packFolder, packListFolder, dataFolder, start}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder + name, error)) return folder + name;
    }
    return packFolder + name;
}

// "↓ パック化"
void TForm1::Button78Click(Control&) {
    const int s = target_slot();
    if (s == 0) return;
    if (packs::kind_of(PackSlots[s]) != packs::Kind::Empty && !app_.platform().ask(kOverwrite)) {
        return;
    }
    packs::Slot slot = packs::empty_slot();
    slot[kKind] = "1";
    slot[kTitle] = file_name_of(Edit67.text());
    slot[kRate] = Ed0_kin.text();
    slot[kYears] = Ed0_nen.text();
    slot[kMonths] = Ed0_tuki.text();
    slot[kMonthlyPrincipal] = Edit101.text();
    slot[kBonusPrincipal] = Edit106.text();
    slot[kRateList] = Edit68.text();
    slot[kLoanDate] = MsEd8_yusi.text();
    slot[kFirstMonthly] = MsEd8_mon.text();
    slot[kFirstBonus] = MsEd8_bon.text();
    slot[kCalculationType] = std::to_string(std::max(ComboBox2.item_index(), 0));
    slot[kBaseRateRule] = CheckBox1.checked() ? "1" : "-";
    slot[kUncorrected] = CheckBox2.checked() ? "0" : "-";
    slot[kInstalmentRounding] = std::to_string(HRh.tag());
    slot[kInterestRounding] = std::to_string(HRr.tag());
    slot[kMethod] = HHkkgg.text();
    slot[kBothEnds] = CheckBox3.checked() ? "-" : "片";
    slot[kBonusSettings] = app_.cur.StGr2.cell(kSettingsRow, schedule_col::kBonusSettings);
    slot[kAccrualUnit] = std::to_string(FuriR.tag());
    slot[kLaterRate] = Edit40.text();
    PackSlots[s] = slot;
    show_slot(s);
    set_pack_list_changed(true);
    Button83.set_enabled(true);
    Button78.set_tag(s);
}

// "呼び出し ↑": a calculated pack puts its inputs back (the schedules are built by
// "一括計算ＧＯ"); a manual pack reads its file into the current tables.
void TForm1::Button79Click(Control&) {
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

void TForm1::recall_calculated(const packs::Slot& source) {
    const packs::Slot slot = source;  // the fields written below may rewrite the slot
    // The numbers the settings take are read first: a damaged slot changes nothing.
    const std::int64_t instalment_rounding = slot_int(slot, kInstalmentRounding, 0);
    const std::int64_t interest_rounding = slot_int(slot, kInterestRounding, 0);
    const std::int64_t accrual_unit = slot_int(slot, kAccrualUnit, 1);
    const int type = static_cast<int>(slot_int(slot, kCalculationType, 0));
    const std::string list = slot[kRateList];
    const std::string list_path = data_path(list);
    std::error_code error;
    const bool list_found =
        list != "-" && !list.empty() && std::filesystem::is_regular_file(list_path, error);
    // Types 3 and above follow the variable-rate list: without it they cannot be built.
    if (type >= 3 && !list_found) {
        throw FileError("変動金利リスト「" + list_path + "」が見つかりません");
    }

    ComboBox2.show();
    Edit68.show();
    Button91.show();
    Edit67.set_text(slot[kTitle]);
    Ed0_kin.set_text(slot[kRate]);
    Ed0_nen.set_text(slot[kYears]);
    Ed0_tuki.set_text(slot[kMonths]);
    // The non-zero principal first, so that the other's "0" does not empty the loan.
    if (slot[kMonthlyPrincipal] == "0") {
        Edit106.set_text(slot[kBonusPrincipal]);
        Edit101.set_text(slot[kMonthlyPrincipal]);
    } else {
        Edit101.set_text(slot[kMonthlyPrincipal]);
        Edit106.set_text(slot[kBonusPrincipal]);
    }
    MsEd8_yusi.set_text(slot[kLoanDate]);
    MsEd8_mon.set_text(slot[kFirstMonthly]);
    MsEd8_bon.set_text(slot[kFirstBonus]);
    ComboBox2.set_item_index(type);
    CheckBox1.set_checked(slot[kBaseRateRule] == "1");
    CheckBox2.set_checked(slot[kUncorrected] == "0");
    HRh.set_tag(instalment_rounding);
    HRr.set_tag(interest_rounding);
    HHkkgg.set_text(slot[kMethod] == "-" ? "0" : slot[kMethod]);
    CheckBox3.set_checked(slot[kBothEnds] == "-");
    apply_pack_bonus_settings(app_, slot[kBonusSettings]);
    FuriR.set_tag(accrual_unit);
    recolour_indicators();
    Button106Click(Button106);
    Edit40.set_text(slot[kLaterRate] == "-" ? "4.0" : slot[kLaterRate]);
    if (list_found) {
        load_rate_list_file(list_path);
    } else if (list != "-") {
        Edit68.set_text(list);
    }
    first_payment_reference();
}

void TForm1::mpc_load(const std::string& path) {
    mpc_load(read_pack_file(path), path);
}

// The tables of the file, the loan inputs from their first data rows, and the slot.
void TForm1::mpc_load(const PackFile& pack, const std::string& path) {
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

    Open_mpc(pack);
    const std::string name = file_name_of(path);
    Edit67.set_text(name);
    if (monthly) {
        Ed0_kin.set_text(rate);
        Ed0_nen.set_text(years);
        Ed0_tuki.set_text(months);
    }
    if (monthly_principal == "0") {
        Edit106.set_text(bonus_principal);
        Edit101.set_text(monthly_principal);
    } else {
        Edit101.set_text(monthly_principal);
        Edit106.set_text(bonus_principal);
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
    slot[kRateList] = Edit68.text();
    slot[kLoanDate] = pack.loan_date;
    slot[kFirstMonthly] = pack.first_monthly_date;
    slot[kFirstBonus] = pack.first_bonus_date;
}

// The file is read before anything changes: one that is missing or damaged leaves the
// tables, the inputs and the slot as they were.
void TForm1::recall_manual(int s) {
    const packs::Slot before = PackSlots[s];
    const std::string path = manual_pack_path(before[kTitle]);
    const PackFile pack = read_pack_file(path);
    CheckBox2.set_checked(before[kUncorrected] == "0");
    Ed_hen1.set_text(before[kTitle]);
    mpc_load(pack, path);
    // The dates recorded with the slot ("↓ 変更記録") stand over those of the file.
    const std::array<std::pair<Edit*, int>, 3> dates{
        {{&MsEd8_yusi, kLoanDate}, {&MsEd8_mon, kFirstMonthly}, {&MsEd8_bon, kFirstBonus}}};
    for (const auto& [field, f] : dates) {
        if (before[f] == "-") continue;
        field->set_text(before[f]);
        PackSlots[s][f] = before[f];
    }
    ComboBox2.hide();
    Edit68.hide();
    Button91.hide();
    proposed_pack_file = path;
    Button26Click(Button26);
    first_payment_reference();
    Button81.set_enabled(PackListChanged);
    Ed555.set_text(stem_of(before[kTitle]));
}

// A right click loads a manual pack file into the slot. Nothing changes until a file has
// been chosen and read whole.
void TForm1::slot_right_click(Control& sender) {
    const int s = static_cast<int>(sender.tag());
    if (packs::kind_of(PackSlots[s]) != packs::Kind::Empty && !app_.platform().ask(kOverwrite)) {
        return;
    }
    FileDialogRequest request{"マニュアルパック読込", packFolder, proposed_pack_file, kPackFilter,
                              "mpc"};
    const auto chosen = app_.platform().open_file(request);
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
    proposed_pack_file = *chosen;
    packFolder = folder_of(*chosen);
    select_slot(s);
    Button79Click(Button79);
    Ed555.set_text(stem_of(*chosen));
}

// "消し"
void TForm1::Button83Click(Control&) {
    const int s = target_slot();
    if (s == 0) return;
    PackSlots[s][kKind] = "-";
    show_slot(s);
    set_pack_list_changed(true);
    select_slot(s);
}

// "↓ 変更記録": a manual pack keeps the dates and the correction choices made since it
// was recalled.
void TForm1::Button47Click(Control&) {
    const int s = target_slot();
    if (s == 0 || packs::kind_of(PackSlots[s]) != packs::Kind::Manual) return;
    packs::Slot& slot = PackSlots[s];
    slot[kLoanDate] = MsEd8_yusi.text();
    slot[kFirstMonthly] = MsEd8_mon.text();
    slot[kFirstBonus] = MsEd8_bon.text();
    slot[kUncorrected] = CheckBox2.checked() ? "0" : "-";
    slot[kBothEnds] = CheckBox3.checked() ? "-" : "片";
    set_pack_list_changed(true);
}

}  // namespace rebanto
