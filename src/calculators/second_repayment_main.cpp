// The main window's side of the second repayment stream: opening its window, the
// first-payment deferral steps and the captions that carry the stream's name.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void TForm1::wire_second_repayment() {
    Button140.on_click = guard(&TForm1::Button140Click);
    Label187.on_click = guard(&TForm1::Label187Click);
    Label187.on_right_click = guard(&TForm1::Label187RightClick);
    Edit35.set_hint("初回据置月数指定－－金融機関の返済表と異なるとき、相応の数値に変更して下さい");
    Edit35.set_parent(&TabSheet8);
    Label195.set_parent(&TabSheet8);
    Edit42.set_parent(&TabSheet2);
    app_.stream_renames.add([this](const SecondStream& s) {
        Button67.set_caption(s.name);
        Label9.set_caption(s.name == "ﾎﾞｰﾅｽ" ? "ﾎﾞｰﾅｽ分返済割合" : "　第２返済分割合");
        const bool bonus = s.name == "ﾎﾞｰﾅｽ";
        TabSheet4.set_caption(bonus ? "(ﾎﾞｰﾅｽ返済)" : "( 第2返済分)");
        TabSheet4.set_font_color(bonus ? Color::Default : Color::Blue);
    });
}

void TForm1::Button140Click(Control&) {
    app_.second_repayment.show();
    PageControl1.set_active_page(TabSheet1);
}

void TForm1::Label187Click(Control&) {
    const int months = count(Edit35);
    if (months < 99) put(Edit35, months + 1);
}

void TForm1::Label187RightClick(Control&) {
    const int months = count(Edit35);
    if (months > 1) put(Edit35, months - 1);
}

}  // namespace rebanto
