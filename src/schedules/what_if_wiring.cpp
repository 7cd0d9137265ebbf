// How the what-if group of the batch-table page binds its events: the four tables, the
// options of "右欄共通" and the gestures of their fields.
#include <initializer_list>

#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void BatchTablesPage::wire_what_if() {
    for (Control* c : std::initializer_list<Control*>{&Button9, &Button10, &Button17, &Button13,
                                                      &GroupBox7, &Edit32, &Edit36}) {
        c->set_parent(&main_.TabSheet2);
    }
    for (Control* c :
         std::initializer_list<Control*>{&RadioButton1, &RadioButton2, &Edit42, &Label70}) {
        c->set_parent(&GroupBox7);
    }
    RadioButton1.set_hint("各行とも、当初から最終回までを１期として一度に計算します");
    RadioButton2.set_hint("各行とも、当初から右欄の月数までを１期として計算します");
    Edit32.set_hint("金利の違い比較表の金利刻み(％)");
    Edit36.set_hint("金利変動ｼﾐｭﾚｰｼｮﾝの年数(返済期間まで)－－ダブルクリックで返済期間");

    Button9.on_click = guard(&TForm1::Button9Click);
    Button10.on_click = guard(&TForm1::Button10Click);
    Button17.on_click = guard(&TForm1::Button17Click);
    Button13.on_click = guard(&TForm1::Button13Click);
    RadioButton1.on_click = guard(&TForm1::RadioButton1Click);
    RadioButton2.on_click = guard(&TForm1::RadioButton2Click);
    Edit42.on_click = guard(&TForm1::Edit42Click);
    Edit42.on_dbl_click = guard(&TForm1::Edit42DblClick);
    Label70.on_click = guard(&TForm1::Label70Click);
    Label70.on_dbl_click = guard(&TForm1::Label70DblClick);
    Label70.on_right_click = guard(&TForm1::Label70RightClick);
    Edit36.on_dbl_click = guard(&TForm1::Edit36DblClick);
    const Handler show_hint = [this](Control& sender) {
        main_.StatusBar1.set_caption(sender.hint());
    };
    RadioButton1.on_mouse_over = show_hint;
    RadioButton2.on_mouse_over = show_hint;
    for (Edit* field : {&Edit32, &Edit36, &Edit42}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            main_.numeric_key_filter(sender, key);
        };
    }
    RadioButton1.set_checked(true);  // one step to the end of the term, Edit42 withdrawn
}

void BatchTablesPage::RadioButton1Click(Control&) {
    Edit42.set_enabled(false);
    Label70.set_enabled(false);
}

void BatchTablesPage::RadioButton2Click(Control&) {
    Edit42.set_enabled(true);
    Label70.set_enabled(true);
}

// The month field and its label answer only while the months are in use.

void BatchTablesPage::Edit42Click(Control&) {
    if (Edit42.enabled()) Edit42.set_text("1");
}

void BatchTablesPage::Edit42DblClick(Control&) {
    if (Edit42.enabled()) put(Edit42, main_.bonus_interval());
}

void BatchTablesPage::Label70Click(Control&) {
    if (Label70.enabled()) put(Edit42, num(Edit42) + 1);
}

void BatchTablesPage::Label70DblClick(Control&) {
    if (Label70.enabled()) put(Edit42, num(Edit42) + 5);
}

void BatchTablesPage::Label70RightClick(Control&) {
    if (!Label70.enabled()) return;
    const long double months = num(Edit42);
    if (months > 1) put(Edit42, months - 1);
}

void BatchTablesPage::Edit36DblClick(Control&) {
    Edit36.set_text(main_.Ed0_nen.text());
}

}  // namespace rebanto
