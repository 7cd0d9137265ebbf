// Editing the control tables before a replay: totals, prepayment and copy rows, deletion,
// rows for a table cut short, row clicks, the prepayment timing, the first-payment
// correction switch and the month display.
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"
#include "navigator/settings_row.h"

namespace rebanto {

namespace nav = navigator;

namespace {

constexpr const char* kMonthlyDailyWarning =
    "「補正有」の設定時、初回行の「日利」指定したり、初回設定の差額が生じている表にも初回行の「日利"
    "」指"
    "定しないで下さい。返済額の調整が狂います。　　このまま設定ボタン押さず、補正無で［両表最終］し"
    "て"
    "初回設定を解除した上で再度［再計算ナビ］した上で設定下さい";
constexpr const char* kBonusDailyWarning =
    "「補正有」の設定時、初回行の「日利」指定したり、初回設定の差額が生じている表にも初回行の「日利"
    "」指"
    "定しないで下さい。返済額の調整が狂います。　このまま設定ボタン押さず、補正無で［両表最終］して"
    "初"
    "回設定を解除した上で再度［再計算ナビ］した上で設定して下さい";
constexpr const char* kCorrectionWithDailyWarning =
    "「日利」指定が有る場合、［補正有］に設定しないで下さい。返済額の調整が狂います。　この２機能の"
    "共用"
    "は出来ません。　　　[読込]"
    "の時このメッセージが出る場合は再計算ナビにある補正の設定が影響しておりナビ"
    "の設定変更有り留意";

bool starts_with(const std::string& text, std::string_view head) {
    return text.compare(0, head.size(), head) == 0;
}

// A table grown beyond a thousand years of months is not a loan any more.
constexpr int kMaxTableRows = kMaxCount + 100;

}  // namespace

void TForm4::Button4Click(Control&) {
    mark_table_edited();
    nav::insert_totals_row(table(), table().selected_row());
}

// "内入行挿入": the prepayment typed above the table, below the selected row.
void TForm4::Button5Click(Control&) {
    if (Edit5.text().empty()) return;
    mark_table_edited();
    Grid& grid = table();
    std::string rate;
    const nav::PrepaymentEntry entry{Edit5.text(), La_Uchi.caption(),
                                     La_Uchi.caption() == "同時" ? "" : Ed_Uchi.text()};
    const int above = nav::place_prepayment_row(grid, grid.selected_row(), entry, rate);
    if (above < 0) return;
    app_.main.Edit27.set_text(rate);
    select_row(grid, above);
    Edit5.set_text("");
}

// "行削除": the counts of the row that takes its place come up, to be made consistent with ▼.
void TForm4::Button7Click(Control&) {
    Grid& grid = table();
    const int s = grid.selected_row();
    if (s < nav::kFirstDataRow || s >= grid.row_count()) return;
    mark_table_edited();
    nav::delete_row(grid, s);
    const int now = std::min(s, grid.row_count() - 1);
    select_row(grid, now);
    Edit4.set_text(grid.cell(now, nav::kInRow));
    Edit2.set_text(grid.cell(now, nav::kRemaining));
    Edit7.set_text(grid.cell(now, nav::kMonth));
}

// "行挿入": the next period of the nearest plain row above, below the selected row.
void TForm4::Button10Click(Control&) {
    Grid& grid = table();
    const int s = grid.selected_row();
    if (s < nav::kFirstDataRow) return;
    mark_table_edited();
    nav::insert_copy_row(grid, s);
    Edit5.set_text("");
    Edit4.set_text(grid.cell(s, nav::kInRow));
    Edit2.set_text(grid.cell(s, nav::kRemaining));
    Edit7.set_text(grid.cell(s, nav::kMonth));
}

// "短縮行補充": rows for the rest of the term after the last row, with consistent counts.
void TForm4::Button14Click(Control&) {
    Grid& grid = table();
    const int p = nav::last_row_before_totals(grid);
    if (p < nav::kFirstDataRow) return;
    mark_table_edited();
    select_row(grid, p);
    const int b = nav::last_plain_row(grid, p);
    if (nav::rows_to_fill(grid, b) > kMaxTableRows - grid.row_count()) {
        app_.platform().error("短縮行補充：残回数 " + grid.cell(b, nav::kRemaining) +
                              " の行数は補充できません（表が長くなり過ぎます）");
        return;
    }
    nav::fill_shortened_table(grid, kMaxTableRows);
    select_row(grid, b);
    Edit4.set_text(grid.cell(b, nav::kInRow));
    Edit2.set_text(grid.cell(b, nav::kRemaining));
    Edit7.set_text(grid.cell(b, nav::kMonth));
    Button11Click(Button11);
}

// A row click: the running month, a prepayment row's values brought up for editing, the
// boundary lamp, and the other schedule grids following.
void TForm4::StringGridClick(Control& sender) {
    Grid& grid = static_cast<Grid&>(sender);
    const int s = grid.selected_row();
    Edit7.set_text(grid.cell(s, nav::kMonth));
    if (s >= nav::kFirstDataRow && nav::is_prepayment_row(grid, s)) {
        Edit5.set_text("");
        if (nav::is_older_prepayment(grid, s)) {
            nav::modernise_prepayment(grid, s);
            Ed_Uchi.set_text("");
            La_Uchi.set_caption("同時");
        }
        const std::string& flag = grid.cell(s, nav::kFlag);
        const std::string word = nav::marker_bytes(flag, 2, 5);
        La_Uchi.set_caption(word.empty() ? "同時" : word);
        Ed_Uchi.set_text(nav::marker_bytes(flag, 6, 15));
        Ed_Uchi.set_visible(La_Uchi.caption() != "同時");
        Edit5.set_text(grid.cell(s, nav::kRepaid));
    }
    refresh_boundary_lamp();
    app_.row_sync.sync(grid);
}

void TForm4::refresh_boundary_lamp() {
    Grid& grid = table();
    const int s = grid.selected_row();
    const bool possible = s >= nav::kFirstDataRow && nav::boundary_possible(grid, s);
    BoundaryBack = possible ? nav::rows_back_to_plain(grid, s) : 1;
    BoundaryForward = possible ? nav::rows_forward_to_plain(grid, s) : 1;
    Button21.set_enabled(possible);
    Label27.set_color(possible ? Color::Magenta : Color::Gray);
}

// A double click opens the daily-interest panel for a one-instalment row.
void TForm4::StringGridDblClick(Control& sender) {
    Grid& grid = static_cast<Grid&>(sender);
    const int s = grid.selected_row();
    if (s < nav::kFirstDataRow) return;
    CheckBox3.set_enabled(!app_.main.equal_principal());
    const std::string& flag = grid.cell(s, nav::kFlag);
    if (starts_with(flag, "So")) return;
    warn_first_row_daily(s);
    if (grid.cell(s, nav::kInRow) != "1" || nav::is_prepayment_row(grid, s)) return;
    Panel1.show();
    if (!flag.empty() && flag[0] == 'D') {
        CheckBox3.set_checked(flag.size() > 1 && flag[1] == 'o');
        Edit8.set_text(flag.substr(2, 15));
        RadioButton4.set_checked(true);
    }
}

// Daily interest on the first row of a table whose first payment is corrected upsets the
// correction; the user is told, and the setting is still offered.
void TForm4::warn_first_row_daily(int row) {
    if (Label11.caption() == "補正有" && row == nav::kFirstDataRow) {
        app_.platform().message(bonus_chosen() ? kBonusDailyWarning : kMonthlyDailyWarning);
    }
}

// ---- The prepayment timing above the table ----

namespace {

nav::PrepaymentTiming timing_of(const Label& word, const Edit& offset) {
    nav::PrepaymentTiming timing;
    timing.word = word.caption();
    timing.offset = timing.offset_visible() ? offset.text() : "";
    return timing;
}

void show_timing(const nav::PrepaymentTiming& timing, Label& word, Edit& offset) {
    word.set_caption(timing.word);
    offset.set_text(timing.offset);
    offset.set_visible(timing.offset_visible());
}

}  // namespace

void TForm4::La_UchiClick(Control&) {
    auto timing = timing_of(La_Uchi, Ed_Uchi);
    timing.step(1);
    show_timing(timing, La_Uchi, Ed_Uchi);
}

void TForm4::La_UchiRightClick(Control&) {
    auto timing = timing_of(La_Uchi, Ed_Uchi);
    timing.step(-1);
    show_timing(timing, La_Uchi, Ed_Uchi);
}

// The click a double click delivers first only moves an offset that the cycle then resets.
void TForm4::La_UchiDblClick(Control&) {
    auto timing = timing_of(La_Uchi, Ed_Uchi);
    timing.cycle();
    show_timing(timing, La_Uchi, Ed_Uchi);
}

void TForm4::Ed_UchiDblClick(Control&) {
    auto timing = timing_of(La_Uchi, Ed_Uchi);
    timing.jump();
    show_timing(timing, La_Uchi, Ed_Uchi);
}

void TForm4::Ed_UchiKey(Control&, char32_t&) {
    auto timing = timing_of(La_Uchi, Ed_Uchi);
    timing.offset_typed();
    show_timing(timing, La_Uchi, Ed_Uchi);
}

// ---- First-payment correction and month display ----

void TForm4::set_correction(bool on) {
    if (on) {
        Label11.set_caption("補正有");
        Label11.set_color(Color::Green);
        app_.main.CheckBox2.set_checked(false);
        CheckBox4.set_checked(false);
        CheckBox4.set_enabled(false);
        CheckBox2.set_checked(false);
        CheckBox2.set_enabled(false);
    } else {
        Label11.set_caption("補正無");
        Label11.set_color(Color::Red);
        app_.main.CheckBox2.set_checked(true);
        CheckBox4.set_enabled(true);
    }
}

void TForm4::Label11Click(Control&) {
    const bool on = Label11.caption() != "補正有";
    set_correction(on);
    if (on) {
        for (const Grid* grid : {&StringGrid1, &StringGrid2}) {
            const std::string& flag = grid->cell(nav::kFirstDataRow, nav::kFlag);
            if (starts_with(flag, "D") || starts_with(flag, "X")) {
                app_.platform().message(kCorrectionWithDailyWarning);
                break;
            }
        }
    }
    app_.main.PageControl1.set_active_page(on ? app_.main.TabSheet8 : app_.main.TabSheet7);
}

// "月目": month numbers shown as plain counts from 1 (checked) or by the loan dates; the
// next replay follows the markers written here.
void TForm4::CheckBox4Click(Control&) {
    if (month_display_quiet_) return;
    const bool counts = CheckBox4.checked();
    CheckBox2.set_enabled(counts);
    for (Grid* grid : {&StringGrid1, &StringGrid2}) {
        grid->set_cell(nav::kSettingsRow, 10, "実行日" + app_.main.MsEd8_yusi.text());
        grid->set_cell(nav::kSettingsRow, 1, counts ? "月" : "平");
        grid->set_cell(nav::kSettingsRow, 2, counts ? "目" : "成");
    }
}

}  // namespace rebanto
