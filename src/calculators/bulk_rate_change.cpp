// "金利変更一括": from the month after the one given, every row of the current tables takes
// the new rate. The navigator does the work, pressed in the order a user would press it:
// the table filled to its term, the rate written down to the last row, then either a
// replay with the instalments kept or a replay to the change and the rest of the term
// computed afresh at the new rate.
#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tokbotkinridlg.h"
#include "navigator/control_table.h"
#include "navigator/replay_state.h"

namespace rebanto {

namespace {

constexpr const char* kNothingToChange = "月回の指定　又は　変更金利が記入されていないので処理不可";

// The first data row whose month number is at least `month`; -1 when there is none. Rows
// whose month cannot be read are passed over.
int first_row_from_month(const Grid& table, long double month) {
    for (int r = navigator::kFirstDataRow; r < table.row_count(); ++r) {
        try {
            if (to_extended(table.cell(r, navigator::kMonth)) >= month) return r;
        } catch (const ConversionError&) {
        }
    }
    return -1;
}

}  // namespace

TOKBotKinriDlg::TOKBotKinriDlg(App& app)
    : Form("TOKBotKinriDlg", "金利変更一括　(再計算ナビ活用)"), app_(app) {
    set_bounds(260, 220, 460, 200);
    CheckBox2.set_checked(true);
    Edit1.set_hint(
        "変更前の金利が適用される最終時点を指定。ただし行単位で変更するので複数回行は注意");
    CheckBox2.set_hint(
        "onの場合、金利が小さくなると期間が短くなり、大きくなると最終で大きな元金が残ります。");
    OKBtn.on_click = guard(&TOKBotKinriDlg::OKBtnClick);
    CancelBtn.on_click = guard(&TOKBotKinriDlg::CancelBtnClick);
    Edit1.on_dbl_click = guard(&TOKBotKinriDlg::Edit1DblClick);
    Edit2.on_dbl_click = guard(&TOKBotKinriDlg::Edit2DblClick);
    Edit2.on_exit = guard(&TOKBotKinriDlg::Edit2Exit);
    for (Edit* field : {&Edit1, &Edit2}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            app_.main.numeric_key_filter(sender, key);
        };
    }
}

Handler TOKBotKinriDlg::guard(void (TOKBotKinriDlg::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TOKBotKinriDlg::CancelBtnClick(Control&) {
    hide();
}

void TOKBotKinriDlg::Edit1DblClick(Control&) {
    const Grid& table = app_.cur.StGr1;
    Edit1.set_text(table.cell(table.selected_row(), navigator::kMonth));
}

void TOKBotKinriDlg::Edit2DblClick(Control&) {
    app_.main.open_rate_list(Edit2);
}

// The start rate's check: an emptied field is "0", a rate above 1000 % is 1000 %.
void TOKBotKinriDlg::Edit2Exit(Control&) {
    if (Edit2.text().empty()) Edit2.set_text("0");
    if (num(Edit2) > 1000) Edit2.set_text("1000");
}

void TOKBotKinriDlg::OKBtnClick(Control&) {
    TForm1& main = app_.main;
    main.Button110Click(main.Button110);  // "M": the basic settings kept
    Edit2Exit(Edit2);
    if (Edit1.text().empty() || num(Edit1) <= 0 || num(Edit2) <= 0) {
        app_.platform().message(kNothingToChange);
        return;
    }
    const auto before = navigator::ReplayState::take(app_, app_.navigator);
    try {
        if (!change_side(false) || !change_side(true)) {
            // The navigator stopped on a row it could not read (its status bar says which):
            // the side already changed goes back too.
            before.restore(app_, app_.navigator);
            return;
        }
    } catch (...) {
        before.restore(app_, app_.navigator);
        throw;
    }
    main.Button111Click(main.Button111);  // "MR"
    hide();
}

bool TOKBotKinriDlg::change_side(bool bonus) {
    TForm1& main = app_.main;
    TForm4& nav = app_.navigator;
    const int r = first_row_from_month(bonus ? app_.cur.StGr2 : app_.cur.StGr1, num(Edit1) + 1);
    if (r < 0) return true;
    nav.open_from_current_tables();
    RadioButton& radio = bonus ? nav.RadioButton2 : nav.RadioButton1;
    if (!radio.enabled()) return true;
    nav.CheckBox1.set_checked(true);
    nav.CheckBox2.set_checked(true);
    Grid& grid = bonus ? nav.StringGrid2 : nav.StringGrid1;
    const auto select = [&grid](int row) { grid.set_selection(row, grid.selected_col()); };
    select(r);
    radio.set_checked(true);
    nav.Button14Click(nav.Button14);
    nav.Button11Click(nav.Button11);
    select(r);
    nav.Edit1.set_text(Edit2.text());
    nav.Button11Click(nav.Button11);
    select(r - 1);
    if (CheckBox2.checked()) return nav.replay(ReplayEnd::LastRow);
    // The rows before the change replayed, the rest of the term computed at the new rate
    // with a new instalment.
    if (!nav.replay(ReplayEnd::SelectedRow)) return false;
    main.Edit2.set_text(Edit2.text());
    main.Button18Click(main.Button18);
    return true;
}

}  // namespace rebanto
