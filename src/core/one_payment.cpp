// Options of a one-payment step: interest by days instead of the period rate, and
// "元入優先" (the payment keeps its principal part and absorbs the day interest).
#include "base/format.h"
#include "core/field_io.h"
#include "forms/tform1.h"

namespace rebanto {

void CalculationPage::But_mHiriClick(Control&) {
    if (Edit13.text() != "1") return;
    Panel7.show();
    Edit30.set_text(Edit16.text());
}

void CalculationPage::But_bHiriClick(Control&) {
    if (Edit14.text() != "1") return;
    Panel8.show();
    Edit34.set_text(Edit18.text());
    RadioButton11.set_caption("通常" + std::to_string(main_.bonus_first_months()) + "ヶ月利");
}

void CalculationPage::RadioButton3Click(Control& sender) {
    if (RadioButton4.checked()) {
        Panel7.set_color(Color::Magenta);
        Label206.set_color(Color::Magenta);
        Label206.set_caption(Edit28.text() + "日");
    } else {
        Panel7.set_color(Color::Default);
        Label206.set_color(Color::Default);
        Label206.set_caption("");
    }
    PRset1(sender);
}

void CalculationPage::RadioButton11Click(Control& sender) {
    Panel8.set_color(RadioButton12.checked() ? Color::Magenta : Color::Default);
    PRset1(sender);
}

void CalculationPage::Button139Click(Control&) {
    if (main_.equal_principal()) return;
    put(Edit4, money(Edit15) + money(Edit30));
    Button139.set_tag(1);
}

void CalculationPage::Button144Click(Control&) {
    if (main_.equal_principal()) return;
    put(Edit9, money(Edit17) + money(Edit34));
    Button144.set_tag(1);
}

}  // namespace rebanto
