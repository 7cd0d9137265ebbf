// Interest by days for one instalment of the selected row, and for every one-instalment row
// of the table (calendar months without leap years).
#include <initializer_list>

#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace nav = navigator;

void TForm4::wire_daily_interest() {
    for (Control* c :
         std::initializer_list<Control*>{&RadioButton3, &RadioButton4, &Edit8, &Label3, &CheckBox3,
                                         &But_mDainyu, &Button15, &Button24}) {
        c->set_parent(&Panel1);
    }
    for (Control* c : std::initializer_list<Control*>{&Button16, &Button17, &Button18})
        c->set_parent(&Panel2);
    Panel1.set_hint("この１回分だけ日歩で金利指定できます。");
    Panel2.set_hint(
        "閏年の考慮は無し。必要なら設定後変更。　　　各「月」の表示が歴月に一致しない場合、全域設定"
        "はし"
        "てはなりません。");
    Panel1.hide();
    Panel2.hide();
    Button15.hide();
    RadioButton3.set_checked(true);
    CheckBox3.set_checked(true);
    RadioButton3.on_click = guard(&TForm4::DailyKindClick);
    RadioButton4.on_click = guard(&TForm4::DailyKindClick);
    But_mDainyu.on_click = guard(&TForm4::But_mDainyuClick);
    Panel1.on_click = guard(&TForm4::Panel1Click);
    Button15.on_click = guard(&TForm4::Button15Click);
    Button24.on_click = guard(&TForm4::Button24Click);
    Button16.on_click = guard(&TForm4::Button16Click);
    Button17.on_click = guard(&TForm4::Button17Click);
    Button18.on_click = guard(&TForm4::Button18Click);
}

void TForm4::DailyKindClick(Control&) {
    Button15.set_visible(RadioButton4.checked());
}

// "設定": the flag of the selected row, then the panel closes.
void TForm4::But_mDainyuClick(Control&) {
    Grid& grid = table();
    const int s = grid.selected_row();
    if (s < nav::kFirstDataRow) return;
    const bool daily = RadioButton4.checked();
    if (daily) count(Edit8, 1);  // a day count, or a message naming the field
    mark_table_edited();
    grid.set_cell(s, nav::kFlag,
                  nav::daily_interest_flag(daily, CheckBox3.checked(), Edit8.text()));
    Panel1.hide();
}

void TForm4::Panel1Click(Control&) {
    Panel1.hide();
}

void TForm4::Button15Click(Control&) {
    Panel2.show();
}

void TForm4::Button24Click(Control&) {
    Panel1.hide();
    Panel2.hide();
}

// "全域設定": every one-instalment row charged by the days of the calendar months before it.
void TForm4::Button16Click(Control&) {
    Grid& grid = table();
    mark_table_edited();
    if (grid.row_count() > nav::kFirstDataRow &&
        grid.cell(nav::kFirstDataRow, nav::kFlag).rfind("So", 0) != 0) {
        warn_first_row_daily(nav::kFirstDataRow);
    }
    nav::set_daily_interest_everywhere(grid, bonus_chosen(), CheckBox3.checked());
    Panel2.hide();
}

// "全域解除": every daily-interest row goes back to monthly interest at the next replay.
void TForm4::Button17Click(Control&) {
    mark_table_edited();
    nav::clear_daily_interest_everywhere(table());
    Panel2.hide();
}

void TForm4::Button18Click(Control&) {
    Panel2.hide();
}

}  // namespace rebanto
