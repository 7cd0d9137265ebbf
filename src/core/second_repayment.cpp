// The second repayment stream: its interval and first payment month, the controls that
// carry its name, and the settings string stamped into the current tables.
#include <initializer_list>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tform8.h"

namespace rebanto {

namespace {

int positive_mod(int a, int b) {
    return ((a % b) + b) % b;
}

}  // namespace

TForm8::TForm8(App& app) : Form("TForm8", "第２返済の設定"), app_(app) {
    set_bounds(200, 160, 430, 330);
    for (Control* radio :
         std::initializer_list<Control*>{&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                         &RadioButton5, &RadioButton6}) {
        radio->set_parent(&GroupBox2);
        radio->on_click = guard(&TForm8::IntervalClick);
    }
    RadioButton1.set_tag(12);
    RadioButton2.set_tag(6);
    RadioButton3.set_tag(4);
    RadioButton4.set_tag(3);
    RadioButton5.set_tag(2);
    RadioButton6.set_tag(1);
    RadioButton2.set_checked(true);
    GroupBox1.set_hint("設定不可");
    for (CheckBox* box : month_boxes()) {
        box->set_parent(&GroupBox1);
        box->set_enabled(false);  // they only show which months carry a payment
    }
    LaVers.set_hint("ファイルバージョン");
    tick_months(6, 6);
    Edit1.on_change = guard(&TForm8::Edit1Change);
    Edit1.on_dbl_click = guard(&TForm8::Edit1DblClick);
    Label1.on_click = guard(&TForm8::Label1Click);
    Label1.on_right_click = guard(&TForm8::Label1RightClick);
    Button1.on_click = guard(&TForm8::Button1Click);
}

Handler TForm8::guard(void (TForm8::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

std::array<CheckBox*, 12> TForm8::month_boxes() {
    return {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,  &CheckBox5,  &CheckBox6,
            &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10, &CheckBox11, &CheckBox12};
}

int TForm8::interval() const {
    for (const RadioButton* radio : {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                     &RadioButton5, &RadioButton6}) {
        if (radio->checked()) return static_cast<int>(radio->tag());
    }
    return 6;
}

// Month m of a year (12 = the month the loan was made) carries a payment when it is the
// first month plus a whole number of intervals.
void TForm8::tick_months(int first, int interval) {
    const auto boxes = month_boxes();
    for (int m = 1; m <= 12; ++m) {
        boxes[m - 1]->set_checked(interval > 0 && positive_mod(first - m, interval) == 0);
    }
}

void TForm8::IntervalClick(Control& sender) {
    const int k = static_cast<int>(sender.tag());
    put(Edit1, k);
    tick_months(k, k);
}

void TForm8::Edit1Change(Control&) {
    if (Edit1.text() == "-") {
        Edit1.set_text("6");  // runs this handler again with "6"
        return;
    }
    const int n = count(Edit1);
    app_.main.Label187.set_caption("第1回=" + std::to_string(n) + "ヶ月分");
    app_.main.Label195.set_caption("初回" + std::to_string(n) + "ヶ月分");
    tick_months(n, interval());
}

void TForm8::Label1Click(Control&) {
    put(Edit1, count(Edit1) + 1);
}

void TForm8::Label1RightClick(Control&) {
    const int n = count(Edit1);
    if (n > 1) put(Edit1, n - 1);
}

void TForm8::Edit1DblClick(Control&) {
    put(Edit1, interval());
}

void TForm8::Button1Click(Control&) {
    TForm1& f = app_.main;
    const int k = interval();
    const int n = count(Edit1);
    f.Button140.set_tag(k);
    f.Label187.set_tag(n);
    f.PRset1(f.Ed0_moto);
    f.Edit14.set_text("1");
    put(f.Edit42, n);
    app_.stream_renames.apply(SecondStream{stream_name(k), k});
    const std::string stamp = bonus_settings_string(k, n, LaVers.caption());
    for (Grid* table : {&app_.cur.StGr1, &app_.cur.StGr2}) {
        table->set_cell(kSettingsRow, schedule_col::kBonusSettings, stamp);
    }
    f.PRset1(f.Ed0_moto);
    hide();
    put(f.Edit35, n);
}

void TForm8::apply_timing(const std::string& interval_text, std::optional<int> first_month,
                          const std::string& version) {
    const int k = interval_text.starts_with("年金") ? 6 : to_count(interval_text);
    for (RadioButton* radio : {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                               &RadioButton5, &RadioButton6}) {
        if (radio->tag() == k) radio->click();
    }
    if (first_month) put(Edit1, *first_month);
    LaVers.set_caption(version);
    Button1Click(Button1);
}

}  // namespace rebanto
