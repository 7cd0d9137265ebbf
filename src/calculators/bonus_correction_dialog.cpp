// "ボーナス補正の設定": what the navigator's automatic bonus correction keeps unchanged and
// how many decimals its weighted rates get; "一括補正ＧＯ" undoes a correction already made
// and makes it again on the current tables.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tbhoseidlg.h"

namespace rebanto {

TBHoseiDlg::TBHoseiDlg(App& app) : Form("TBHoseiDlg", "ボーナス補正の設定"), app_(app) {
    set_bounds(300, 240, 420, 220);
    Edit1.set_hint("有効桁未満で切り捨てた金利％となります");
    GroupBox1.set_hint("元利均等返済のみ設定有効");
    RadioButton1.set_parent(&GroupBox1);
    RadioButton2.set_parent(&GroupBox1);
    RadioButton2.set_checked(true);
    RadioButton1.on_click = guard(&TBHoseiDlg::PriorityClick);
    RadioButton2.on_click = guard(&TBHoseiDlg::PriorityClick);
    Edit1.on_change = guard(&TBHoseiDlg::Edit1Change);
    Edit1.on_key = [this](Control& sender, char32_t& key) {
        app_.main.numeric_key_filter(sender, key);
    };
    OKBtn.on_click = guard(&TBHoseiDlg::OKBtnClick);
    CancelBtn.on_click = guard(&TBHoseiDlg::CancelBtnClick);
}

Handler TBHoseiDlg::guard(void (TBHoseiDlg::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TBHoseiDlg::PriorityClick(Control&) {
    app_.navigator.CheckBox5.set_checked(RadioButton1.checked());
}

void TBHoseiDlg::Edit1Change(Control&) {
    app_.navigator.Edit9.set_text(Edit1.text());
}

// "一括補正ＧＯ". The undo that comes first has nothing to undo on a first correction: it
// stays silent here rather than ask "？？" before the work has begun.
void TBHoseiDlg::OKBtnClick(Control&) {
    const int digits = count(Edit1, 0);
    if (digits > 13) Edit1.set_text("13");
    hide();
    TForm4& navigator = app_.navigator;
    navigator.bonus_correction_pass(false, false);
    navigator.open_from_current_tables();
    // The priority shown is the priority applied, whether or not the user touched it: the
    // undo pass above may have loaded another one from the boundaries it opened.
    navigator.CheckBox5.set_checked(RadioButton1.checked());
    navigator.bonus_correction_pass(true);
}

void TBHoseiDlg::CancelBtnClick(Control&) {
    hide();
}

}  // namespace rebanto
