// How the batch-table page and the rate presets of the settings page bind their events.
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void TForm1::wire_schedules() {
    // Page "一括表".
    for (Control* c : std::initializer_list<Control*>{&GrpKouko, &GroupBox10, &GroupBox11,
                                                      &GroupBox12, &Button64, &Button65}) {
        c->set_parent(&TabSheet2);
    }
    for (Control* c : std::initializer_list<Control*>{&Button12, &Button11, &Button59, &Button60}) {
        c->set_parent(&GrpKouko);
    }
    for (Control* c : std::initializer_list<Control*>{&RadioButton9, &RadioButton10, &Button61,
                                                      &Button62, &Button63}) {
        c->set_parent(&GroupBox10);
    }
    for (Control* c : std::initializer_list<Control*>{&Button66, &Button67, &Button68}) {
        c->set_parent(&GroupBox11);
    }
    for (Control* c : std::initializer_list<Control*>{
             &Bt2_hendo_mon, &Bt2_hendo_bon, &Button74, &RdBt2_kotei, &RdBt2_non_kotei,
             &Ed2_kotei_yy, &Label82, &La2_hensai1tei, &Ed2_hensai1tei_yy, &Button54, &Button91}) {
        c->set_parent(&GroupBox12);
    }

    // Page "設定".
    for (Control* c : std::initializer_list<Control*>{
             &La5_kouko_kijun, &Edit39,       &La5_kijungai, &Edit51,       &La5_koyuka,
             &Edit52,          &La5_tokubetu, &Edit50,       &La5_sonota1,  &Edit63,
             &La5_sonota2,     &Edit62,       &La5_kouko11,  &La5_ippan1,   &Edit41,
             &La5_ippan2,      &Edit53,       &La5_ippan3,   &Edit54,       &La5_tokusyu1,
             &Edit55,          &La5_tokusyu2, &Edit56,       &La5_tokusyu3, &Edit57,
             &Edit66,          &GroupBox9,    &GrpListAlign}) {
        c->set_parent(&TabSheet5);
    }
    for (Control* c : std::initializer_list<Control*>{&StringGrid6, &Memo1, &Button57, &Button56,
                                                      &Edit68, &Button55, &GrpListBulk}) {
        c->set_parent(&GroupBox9);
    }
    for (Control* c :
         std::initializer_list<Control*>{&RadioButton7, &RadioButton8, &Edit69, &Button84}) {
        c->set_parent(&GrpListBulk);
    }
    CheckBox1.set_parent(&GrpListAlign);

    StringGrid6.set_editable(true);
    Memo1.set_plain_text(true);
    Memo1.hide();
    GroupBox9.hide();
    Edit68.set_read_only(true);
    RadioButton9.set_checked(true);
    RadioButton7.set_checked(true);

    Button12.on_click = guard(&TForm1::Button12Click);
    Button11.on_click = guard(&TForm1::Button11Click);
    Button59.on_click = guard(&TForm1::Button59Click);
    Button60.on_click = guard(&TForm1::Button60Click);
    Button64.on_click = guard(&TForm1::Button64Click);
    Button65.on_click = guard(&TForm1::Button65Click);
    Button61.on_click = guard(&TForm1::Button61Click);
    Button62.on_click = guard(&TForm1::Button62Click);
    Button63.on_click = guard(&TForm1::Button63Click);
    Button66.on_click = guard(&TForm1::Button66Click);
    Button67.on_click = guard(&TForm1::Button67Click);
    Button68.on_click = guard(&TForm1::Button68Click);
    Bt2_hendo_mon.on_click = guard(&TForm1::Bt2_hendo_monClick);
    Bt2_hendo_bon.on_click = guard(&TForm1::Bt2_hendo_bonClick);
    Button74.on_click = guard(&TForm1::Button74Click);
    RdBt2_kotei.on_click = guard(&TForm1::RdBt2_koteiClick);
    RdBt2_non_kotei.on_click = guard(&TForm1::RdBt2_non_koteiClick);
    Label82.on_click = guard(&TForm1::Label82Click);
    Label82.on_right_click = guard(&TForm1::Label82RightClick);
    Ed2_hensai1tei_yy.on_click = guard(&TForm1::Ed2_hensai1tei_yyClick);
    Ed2_hensai1tei_yy.on_dbl_click = guard(&TForm1::Ed2_hensai1tei_yyDblClick);
    Ed2_hensai1tei_yy.on_change = guard(&TForm1::Ed2_hensai1tei_yyChange);
    Button54.on_click = guard(&TForm1::Button54Click);
    Button55.on_click = guard(&TForm1::Button55Click);
    Button57.on_click = guard(&TForm1::Button57Click);
    Button56.on_click = guard(&TForm1::Button56Click);
    Button84.on_click = guard(&TForm1::Button84Click);
    CheckBox1.on_click = guard(&TForm1::CheckBox1Click);
    RdBt2_non_kotei.set_checked(true);  // a plain variable-rate loan to begin with

    for (Edit* field :
         {&Ed2_kotei_yy, &Ed2_hensai1tei_yy, &Edit69, &Edit39, &Edit51, &Edit52, &Edit50, &Edit63,
          &Edit62, &Edit41, &Edit53, &Edit54, &Edit55, &Edit56, &Edit57}) {
        field->on_key = [this](Control& sender, char32_t& key) { numeric_key_filter(sender, key); };
    }

    // The second stream's name shows on its buttons here.
    app_.stream_renames.add([this](const SecondStream& s) {
        Button62.set_caption(s.name);
        Bt2_hendo_bon.set_caption(s.name);
    });
    // Switching back to equal instalments offers the eased corporation plan again (equal
    // principal hides it).
    add_observer([this](Control* control, Change change, int, int) {
        if (control == &HHkkgg && change == Change::Tag && !equal_principal()) {
            RadioButton10.show();
        }
    });
}

}  // namespace rebanto
