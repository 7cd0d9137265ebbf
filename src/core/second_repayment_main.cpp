// The main window's side of the second repayment stream: opening its window, the
// first-payment deferral steps and the captions that carry the stream's name.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CalculationPage::wire_second_repayment() {
    Button140.on_click = guard(&TForm1::Button140Click);
    Label187.on_click = guard(&TForm1::Label187Click);
    Label187.on_right_click = guard(&TForm1::Label187RightClick);
    main_.Edit35.set_hint(
        "初回据置月数指定－－金融機関の返済表と異なるとき、相応の数値に変更して下さい");
    main_.Edit35.set_parent(&main_.TabSheet8);
    Label195.set_parent(&main_.TabSheet8);
    main_.Edit42.set_parent(&main_.TabSheet2);
    app().stream_renames.add([this](const SecondStream& s) {
        main_.Button67.set_caption(s.name);
        main_.Label9.set_caption(s.name == "ﾎﾞｰﾅｽ" ? "ﾎﾞｰﾅｽ分返済割合" : "　第２返済分割合");
        const bool bonus = s.name == "ﾎﾞｰﾅｽ";
        main_.TabSheet4.set_caption(bonus ? "(ﾎﾞｰﾅｽ返済)" : "( 第2返済分)");
        main_.TabSheet4.set_font_color(bonus ? Color::Default : Color::Blue);
    });
}

void CalculationPage::Button140Click(Control&) {
    app().second_repayment.show();
    main_.PageControl1.set_active_page(main_.TabSheet1);
}

void CalculationPage::Label187Click(Control&) {
    const int months = count(main_.Edit35);
    if (months < 99) put(main_.Edit35, months + 1);
}

void CalculationPage::Label187RightClick(Control&) {
    const int months = count(main_.Edit35);
    if (months > 1) put(main_.Edit35, months - 1);
}

}  // namespace rebanto
