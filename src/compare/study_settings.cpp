// The settings of the prepayment study and its small steppers, the study table's click, and
// "グラフ化".
#include <optional>

#include "compare/effect_chart.h"
#include "compare/study_table.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tformhi.h"
#include "tables/pack_file.h"

namespace rebanto {

namespace cs = comparison::study;

namespace {

// The base of the columns when it can be known without running anything: memory 5's
// initial rate, or the verification month.
std::optional<long double> known_base(const TFormHi& hi, const TForCur& cur) {
    try {
        if (hi.RadioButton4.checked()) return num(hi.Edit1);
        if (!cur.Button95.enabled()) return std::nullopt;
        return hi.study_rate_base(cur.slots[4]);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace

void TFormHi::wire_study() {
    Button10.on_click = guard(&TFormHi::SettingsClick);
    Button13.on_click = guard(&TFormHi::SettingsClick);
    Panel7.on_dbl_click = guard(&TFormHi::SettingsClick);
    Button6.on_click = guard(&TFormHi::Button6Click);
    Button11.on_click = guard(&TFormHi::GroupsClick);
    Button12.on_click = guard(&TFormHi::GroupsClick);
    StGr5.on_click = guard(&TFormHi::StGr5Click);
    Button7.on_click = guard(&TFormHi::Button7Click);
    Button7.on_right_click = guard(&TFormHi::Button7RightClick);
    StudyCsv.on_click = guard(&TFormHi::StudyCsvClick);
    for (Edit* field : {&Edit4, &Edit5, &Edit14})
        field->on_change = guard(&TFormHi::budget_change);
    for (Edit* field : {&Edit6, &Edit7})
        field->on_change = guard(&TFormHi::columns_change);
    Label16.on_click = guard(&TFormHi::Label16Click);
    Label16.on_right_click = guard(&TFormHi::Label16RightClick);
    Edit6.on_dbl_click = guard(&TFormHi::Edit6DblClick);
    Label18.on_click = guard(&TFormHi::Label18Click);
    Label18.on_right_click = guard(&TFormHi::Label18RightClick);
    Label21.on_click = guard(&TFormHi::Label21Click);
    Label21.on_right_click = guard(&TFormHi::Label21RightClick);
    // The continue question's label reads the item number however it was set.
    Edit9.on_change = [this](Control&) {
        Label29.set_caption("続行確認 " + Edit9.text() + " 回目");
    };
    RadioButton3.on_click = guard(&TFormHi::ColumnModeClick);
    RadioButton4.on_click = guard(&TFormHi::ColumnModeClick);
    std::string headers[6];
    cs::amount_headers(headers);
    for (int c = 0; c < 6; ++c)
        StGr5.set_cell(0, c, headers[c]);
    // Group columns wide enough for "5-最終月回(月々)"; amounts need less.
    StGr5.set_default_col_width(112);
    for (int c : {cs::kLongMonthly, cs::kShortMonthly, cs::kLongBonus, cs::kShortBonus})
        StGr5.set_col_width(c, 84);
    StGr5.set_col_width(2, 8);
    StGr5.set_col_width(5, 8);
}

// "設定" shows the settings, "閉じる" and a double click on them hide them.
void TFormHi::SettingsClick(Control& sender) {
    Panel7.set_visible(&sender == &Button10);
}

// The bonus step keeps pace with the monthly one. A field being typed into that does not
// read as a number yet leaves the step as it is; "実行" names it.
void TFormHi::budget_change(Control&) {
    if (Edit4.text().empty() || Edit4.text() == "0") return;
    try {
        put(Edit15, cs::bonus_step({num(Edit4), num(Edit5), num(Edit14), 0}));
    } catch (const ConversionError&) {
    }
}

void TFormHi::columns_change(Control&) {
    study_group_count_changed();
}

// "番目"/"％まで" and the column groups follow the settings as far as they can be known.
void TFormHi::study_group_count_changed() {
    const auto base = known_base(*this, app_.cur);
    if (!base) return;
    try {
        put(Label28, cs::group_count(num(Edit6), *base, num(Edit7)));
    } catch (const ConversionError&) {
    }
}

long double TFormHi::study_rate_base(const TablesSnapshot& short_loan) const {
    const TableRows& rows = short_loan.monthly.size() > 2 ? short_loan.monthly : short_loan.bonus;
    const std::size_t row = rows.size() > 3 ? 3 : 2;
    const std::string text = row < rows.size() && rows[row].size() > 4 ? rows[row][4] : "";
    try {
        return to_extended(text);
    } catch (const ConversionError&) {
        throw FieldValueError("記憶５ " + std::to_string(row) + "行4列", text);
    }
}

// "％まで"/"月回まで": a click adds the step; a right click in rate mode takes it off again
// while the last value stays above the base.
void TFormHi::Label16Click(Control&) {
    put(Edit6, num(Edit6) + num(Edit7));
}

void TFormHi::Label16RightClick(Control&) {
    if (!RadioButton3.checked()) return;
    const auto base = known_base(*this, app_.cur);
    const long double last = num(Edit6);
    if (base && last > *base) put(Edit6, last - num(Edit7));
}

void TFormHi::Edit6DblClick(Control& sender) {
    Label16Click(sender);
}

void TFormHi::Label18Click(Control&) {
    put(Edit8, count(Edit8) + 1);
}

void TFormHi::Label18RightClick(Control&) {
    const int n = count(Edit8);
    if (n > 1) put(Edit8, n - 1);
}

void TFormHi::Label21Click(Control&) {
    put(Edit9, count(Edit9) + 1);
}

void TFormHi::Label21RightClick(Control&) {
    const int n = count(Edit9);
    if (n > 0) put(Edit9, n - 1);
}

void TFormHi::ColumnModeClick(Control& sender) {
    if (!static_cast<RadioButton&>(sender).checked()) return;
    const bool rate_mode = &sender == &RadioButton3;
    Label16.set_caption(rate_mode ? "％まで" : "月回まで");
    Label17.set_caption(rate_mode ? "％刻み" : "月刻み");
    study_group_count_changed();
}

// "増やす"/"減らす": one column group more or fewer, at least one.
void TFormHi::GroupsClick(Control& sender) {
    const long double last = num(Edit6);
    const long double step = num(Edit7);
    const int groups = cs::groups_of(StGr5.col_count());
    if (&sender == &Button11) {
        put(Edit6, last + step);
        if (groups < cs::kMaxGroups) StGr5.set_col_count(StGr5.col_count() + 3);
    } else if (groups > 1) {
        put(Edit6, last - step);
        StGr5.set_col_count(StGr5.col_count() - 3);
    }
}

// A click on a row puts its split into the verification and its column group into "番目".
void TFormHi::StGr5Click(Control&) {
    const int r = StGr5.selected_row();
    const int c = StGr5.selected_col();
    if (r < cs::kNoPrepaymentRow || StGr5.cell(r, cs::kLongMonthly).empty()) return;
    Edit2.set_text(StGr5.cell(r, cs::kLongMonthly));
    Edit52.set_text(StGr5.cell(r, cs::kShortMonthly));
    Edit3.set_text(StGr5.cell(r, cs::kLongBonus));
    Edit53.set_text(StGr5.cell(r, cs::kShortBonus));
    if (c >= cs::kFirstGroupColumn) put(Edit8, (StGr5.col_count() - c + 2) / 3);
}

void TFormHi::Button7Click(Control&) {
    chart_study(false);
}

void TFormHi::Button7RightClick(Control&) {
    chart_study(true);
}

void TFormHi::chart_study(bool without_no_prepayment) {
    const int groups = cs::groups_of(StGr5.col_count());
    const int from_right = count(Edit8);
    if (groups < 1 || StGr5.row_count() <= cs::kNoPrepaymentRow) {
        app_.platform().message("グラフ化の前に、分散効果検討一覧表を「実行」で作成して下さい");
        return;
    }
    if (from_right < 1 || from_right > groups) {
        app_.platform().message("「番目」には 1 から " + std::to_string(groups) +
                                " までを記入して下さい");
        return;
    }
    show_effect_chart(comparison::effect_chart_of(StGr5, from_right, without_no_prepayment));
}

}  // namespace rebanto
