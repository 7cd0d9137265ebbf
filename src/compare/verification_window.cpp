// The verification half of the comparison window: opening it, the two modes, the notes
// panel, and how its controls bind their events.
#include "compare/study_table.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "forms/app.h"
#include "forms/tformhi.h"

namespace rebanto {

namespace {

constexpr int kVerificationWidth = 638;
constexpr int kStudyWidth = 1158;
constexpr int kVerificationExtraHeight = 50;

constexpr const char* kFullModeCaption = ":{1ﾍ全額→2(+5)}vs{5ﾍ全額→4(+3)}■一括繰上比較";
constexpr const char* kFullModeTables = "Ｂ表(長期物一括)vsＡ表(短期物一括)■差引比較表";
constexpr const char* kSplitModeCaption = "1ﾍ繰上";
constexpr const char* kSplitModeTables =
    "記憶３へ "
    "　　　　　　　　　　　　　　　　　　　　　　記憶４へ　　　　　　　Ｂ表は1+5で繰上無しで現行";

// An amount of the verification: an empty field or its placeholder counts as nothing.
long double amount_or_zero(const Edit& field, const char* placeholder) {
    if (field.text().empty() || field.text() == placeholder) return 0;
    return num(field);
}

template <class... Controls>
void put_in(Control& parent, Controls&... controls) {
    (controls.set_parent(&parent), ...);
}

template <class... Controls>
void hide_all(Controls&... controls) {
    (controls.hide(), ...);
}

}  // namespace

void TFormHi::wire_verification() {
    put_in(Panel4, Label5, Label36, Label6, Edit1, Label8, Label7, Edit2, Label9, Edit3, Label10,
           Edit52, Edit53, RadioButton1, RadioButton2, CheckBox11, Button5, Button8, Label30);
    put_in(Panel11, Label41, Label42, Label43);
    put_in(Panel5, StGr5, Button6, Button10, Button11, Button12, Button7, StudyCsv, Label31,
           Label32, Label33);
    put_in(Panel7, Label12, Edit4, Label13, Edit5, Label14, Label15, Edit14, Edit15, RadioButton3,
           RadioButton4, Edit6, Label16, Edit7, Label17, Label28, Edit8, Label18, Label20, Edit9,
           Label21, Label29, Button13);

    RadioButton2.set_checked(true);
    RadioButton3.set_checked(true);
    CheckBox11.set_checked(true);
    CheckBox11.set_hint(
        "期間短縮型on 返済額減少計算型off "
        "→off時返済能力保持は無く当目的比較には不適、が返済楽な期間"
        "同一型の純結果で参考");
    Edit1.set_hint("繰上返済の予定月回の記入　（必ず共通して存在するカレント両表の月回を使用）");
    Button7.set_hint("右クリックで繰上無しの場合省略");
    hide_all(Panel4, Panel11, Panel5, Panel7, Edit52, Edit53, Label10, Button8, RadioButton2);

    Button9.on_click = guard(&TFormHi::Button9Click);
    RadioButton1.on_click = guard(&TFormHi::ModeClick);
    RadioButton2.on_click = guard(&TFormHi::ModeClick);
    Button5.on_click = guard(&TFormHi::Button5Click);
    Button8.on_click = guard(&TFormHi::Button8Click);
    Label5.on_dbl_click = guard(&TFormHi::Label5DblClick);
    for (Control* c : std::initializer_list<Control*>{&Label5, &Button5, &Panel4})
        c->on_mouse_over = guard(&TFormHi::notes_hover);
    Edit1.on_dbl_click = guard(&TFormHi::Edit1DblClick);
    wire_study();
    for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit52, &Edit53, &Edit4, &Edit5, &Edit14, &Edit15,
                        &Edit6, &Edit7, &Edit8, &Edit9}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            app_.main.numeric_key_filter(sender, key);
        };
    }
}

// "複繰効検": the verification half opens below the comparison, in split mode, with its notes.
void TFormHi::Button9Click(Control&) {
    if (Layout != HalfLayout::Plain) return;
    set_size(kVerificationWidth, height() + kVerificationExtraHeight);
    Layout = HalfLayout::Verification;
    Panel4.show();
    RadioButton1.set_checked(true);
    Panel11.show();
}

void TFormHi::ModeClick(Control& sender) {
    const bool split = &sender == &RadioButton1;
    if (!static_cast<RadioButton&>(sender).checked() || split == SplitMode) return;
    show_split_mode(split);
}

// Split mode halves the amounts into the two loans; full mode adds them up again. Every
// amount is read before any is written, so a bad one changes nothing.
void TFormHi::show_split_mode(bool split) {
    const long double monthly = amount_or_zero(Edit2, "月分繰上額");
    const long double bonus = amount_or_zero(Edit3, "ボーナス分");
    if (split) {
        put(Edit2, int_part(monthly / 2));
        put(Edit3, int_part(bonus / 2));
        Edit52.set_text(Edit2.text());
        Edit53.set_text(Edit3.text());
        Label8.set_caption(kSplitModeCaption);
        Label30.set_caption(kSplitModeTables);
    } else {
        const long double short_monthly = amount_or_zero(Edit52, "月分繰上額");
        const long double short_bonus = amount_or_zero(Edit53, "ボーナス分");
        put(Edit2, monthly + short_monthly);
        put(Edit3, bonus + short_bonus);
        set_size(kVerificationWidth, height());
        if (Layout == HalfLayout::Study) Layout = HalfLayout::Verification;
        Panel5.hide();
        Panel7.hide();
        Label8.set_caption(kFullModeCaption);
        Label30.set_caption(kFullModeTables);
    }
    SplitMode = split;
    for (Control* c :
         std::initializer_list<Control*>{&Edit52, &Edit53, &Label10, &Button8, &RadioButton2})
        c->set_visible(split);
}

// "分散効果検討一覧表": the study table beside the verification (split mode only).
void TFormHi::Button8Click(Control&) {
    if (!SplitMode) return;
    set_size(kStudyWidth, height());
    Layout = HalfLayout::Study;
    Panel5.show();
}

void TFormHi::Label5DblClick(Control&) {
    NotesOnRunButton = !NotesOnRunButton;
}

void TFormHi::notes_hover(Control& sender) {
    if (&sender == &Panel4) {
        Panel11.hide();
    } else if ((&sender == &Button5) == NotesOnRunButton) {
        Panel11.show();
    }
}

void TFormHi::Edit1DblClick(Control&) {
    const Grid& monthly = app_.cur.StGr1;
    Edit1.set_text(monthly.cell(monthly.selected_row(), schedule_col::kMonth));
}

}  // namespace rebanto
