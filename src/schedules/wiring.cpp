// How the batch-table page and the rate presets of the settings page bind their events.
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

void adopt(Control& parent, std::initializer_list<Control*> children) {
    for (Control* c : children)
        c->set_parent(&parent);
}

// Page "一括表" and the rate presets and list of page "設定".
void place_schedule_controls(TForm1& f) {
    adopt(f.TabSheet2,
          {&f.GrpKouko, &f.GroupBox10, &f.GroupBox11, &f.GroupBox12, &f.Button64, &f.Button65});
    adopt(f.GrpKouko, {&f.Button12, &f.Button11, &f.Button59, &f.Button60});
    adopt(f.GroupBox10, {&f.RadioButton9, &f.RadioButton10, &f.Button61, &f.Button62, &f.Button63});
    adopt(f.GroupBox11, {&f.Button66, &f.Button67, &f.Button68});
    adopt(f.GroupBox12, {&f.Bt2_hendo_mon, &f.Bt2_hendo_bon, &f.Button74, &f.RdBt2_kotei,
                         &f.RdBt2_non_kotei, &f.Ed2_kotei_yy, &f.Label82, &f.La2_hensai1tei,
                         &f.Ed2_hensai1tei_yy, &f.Button54, &f.Button91});
    adopt(f.TabSheet5,
          {&f.La5_kouko_kijun, &f.Edit39,       &f.La5_kijungai, &f.Edit51,       &f.La5_koyuka,
           &f.Edit52,          &f.La5_tokubetu, &f.Edit50,       &f.La5_sonota1,  &f.Edit63,
           &f.La5_sonota2,     &f.Edit62,       &f.La5_kouko11,  &f.La5_ippan1,   &f.Edit41,
           &f.La5_ippan2,      &f.Edit53,       &f.La5_ippan3,   &f.Edit54,       &f.La5_tokusyu1,
           &f.Edit55,          &f.La5_tokusyu2, &f.Edit56,       &f.La5_tokusyu3, &f.Edit57,
           &f.Edit66,          &f.GroupBox9,    &f.GrpListAlign});
    adopt(f.GroupBox9, {&f.StringGrid6, &f.Memo1, &f.Button57, &f.Button56, &f.Edit68, &f.Button55,
                        &f.GrpListBulk});
    adopt(f.GrpListBulk, {&f.RadioButton7, &f.RadioButton8, &f.Edit69, &f.Button84});
    f.CheckBox1.set_parent(&f.GrpListAlign);
}

}  // namespace

void BatchTablesPage::wire_schedules() {
    place_schedule_controls(main_);
    set_up_schedule_controls();
    wire_batch_table_buttons();
    wire_rate_list();
    wire_variable_rate_group();
    wire_numeric_fields();
    follow_other_pages();
}

// The rate list closed until opened, its file name read only; the corporation's standard
// repayment and the bulk change by addition chosen.
void BatchTablesPage::set_up_schedule_controls() {
    main_.StringGrid6.set_editable(true);
    main_.Memo1.set_plain_text(true);
    main_.Memo1.hide();
    main_.GroupBox9.hide();
    main_.Edit68.set_read_only(true);
    RadioButton9.set_checked(true);
    main_.RadioButton7.set_checked(true);
}

// The corporation tables, the ordinary tables and the rate presets.
void BatchTablesPage::wire_batch_table_buttons() {
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
}

// The variable-rate tables: fixed period, the instalment held for years, and their runs.
void BatchTablesPage::wire_variable_rate_group() {
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
    RdBt2_non_kotei.set_checked(true);  // a plain variable-rate loan to begin with
}

// The rate list of the settings page: its file, bulk changes and calendar alignment.
void BatchTablesPage::wire_rate_list() {
    main_.Button55.on_click = guard(&TForm1::Button55Click);
    main_.Button57.on_click = guard(&TForm1::Button57Click);
    main_.Button56.on_click = guard(&TForm1::Button56Click);
    main_.Button84.on_click = guard(&TForm1::Button84Click);
    main_.CheckBox1.on_click = guard(&TForm1::CheckBox1Click);
}

void BatchTablesPage::wire_numeric_fields() {
    for (Edit* field :
         {&Ed2_kotei_yy, &Ed2_hensai1tei_yy, &main_.Edit69, &main_.Edit39, &main_.Edit51,
          &main_.Edit52, &main_.Edit50, &main_.Edit63, &main_.Edit62, &main_.Edit41, &main_.Edit53,
          &main_.Edit54, &main_.Edit55, &main_.Edit56, &main_.Edit57}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            main_.numeric_key_filter(sender, key);
        };
    }
}

// Captions and offers that follow the second stream's name and the repayment method.
void BatchTablesPage::follow_other_pages() {
    // The second stream's name shows on its buttons here.
    app().stream_renames.add([this](const SecondStream& s) {
        Button62.set_caption(s.name);
        Bt2_hendo_bon.set_caption(s.name);
    });
    // Switching back to equal instalments offers the eased corporation plan again (equal
    // principal hides it).
    main_.add_observer(
        [this](Control* control, Change, int, int) {
            if (control == &main_.HHkkgg && !main_.equal_principal()) {
                RadioButton10.show();
            }
        },
        {Change::Tag}, {&main_.HHkkgg});
}

}  // namespace rebanto
