// "現家賃でローン": the rent less the owner's cost share is the instalment the borrower can
// afford; the reverse search finds the start principal whose instalment reaches it, under
// the standard conditions or the main window's own.
#include <array>
#include <initializer_list>
#include <string>

#include "base/errors.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tokbotgenyachindlg.h"

namespace rebanto {

TOKBotGenyachinDlg::TOKBotGenyachinDlg(App& app)
    : Form("TOKBotGenyachinDlg", "現在の家賃で支払い可能なローン額算定　(検索機能活用)"),
      app_(app) {
    set_bounds(200, 160, 520, 210);
    Panel1.set_hint("現在の家賃をローン返済額とみて、借入可能額(スタート元金)を一発で逆算");
    RadioButton1.set_parent(&GroupBox1);
    RadioButton2.set_parent(&GroupBox1);
    RadioButton1.set_checked(true);

    OKBtn.on_click = guard(&TOKBotGenyachinDlg::OKBtnClick);
    CancelBtn.on_click = guard(&TOKBotGenyachinDlg::CancelBtnClick);
    Label2.on_click = guard(&TOKBotGenyachinDlg::Label2Click);
    Label4.on_click = guard(&TOKBotGenyachinDlg::Label4Click);
    Label4.on_right_click = guard(&TOKBotGenyachinDlg::Label4RightClick);
    Label4.on_dbl_click = guard(&TOKBotGenyachinDlg::Label4DblClick);
}

Handler TOKBotGenyachinDlg::guard(void (TOKBotGenyachinDlg::*routine)(Control&)) {
    return guarded(*this, routine, app_.platform());
}

void TOKBotGenyachinDlg::open() {
    show();
    app_.main.PageControl1.set_active_page(app_.main.TabSheet1);
}

void TOKBotGenyachinDlg::OKBtnClick(Control&) {
    // The instalment the rent affords, worked out before anything moves.
    const Money rent = money(Edit1);
    const long double share = num(Edit2);
    Money target;
    try {
        target = Money::from_extended(int_part((100 - share) * rent.to_extended() / 100));
    } catch (const MoneyOverflow&) {
        throw FieldValueError(Edit2.name(), Edit2.text());
    }
    hide();
    TForm1& f = app_.main;
    const std::array<std::string, 6> typed = {f.Ed0_nen.text(),  f.Ed0_tuki.text(),
                                              f.Ed0_wari.text(), f.Edit13.text(),
                                              f.Ed0_moto.text(), f.Ed0_kin.text()};
    // Whatever the search could not do, the loan goes back to what the user had typed.
    const auto put_back = [&] {
        f.write_back_basic_settings(typed);
        f.Panel4.hide();
    };
    bool found = false;
    try {
        if (RadioButton1.checked()) {
            // The standard conditions: the corporation's base rate, 35 years, no bonus part.
            f.Ed0_kin.set_text(f.Edit39.text());
            f.Ed0_tuki.set_text("0");
            f.Ed0_nen.set_text("35");
            f.Ed0_wari.set_text("0");
        }
        f.Button93Click(f.Button93);
        put(f.Edit3, target);
        f.RBut_mot.click();
        // In equal principal the instalment is the constant principal part: the payment
        // to compare with the rent is the one whose total the last-payment field shows.
        (f.equal_principal() ? f.RBut_Rm : f.RBut_Km).click();
        found = f.reverse_search();
    } catch (...) {
        put_back();
        throw;
    }
    if (!found) {
        put_back();
        return;
    }
    f.Button102Click(f.Button102);
}

void TOKBotGenyachinDlg::CancelBtnClick(Control&) {
    hide();
}

void TOKBotGenyachinDlg::Label2Click(Control&) {
    Edit2.set_text("25");
}

// The share up or down by 5 %, never below 0.
void TOKBotGenyachinDlg::Label4Click(Control&) {
    put(Edit2, int_part(num(Edit2) + 5));
}

void TOKBotGenyachinDlg::Label4RightClick(Control&) {
    const long double x = num(Edit2);
    if (x >= 5) put(Edit2, int_part(x - 5));
}

void TOKBotGenyachinDlg::Label4DblClick(Control&) {
    Edit2.set_text("15");
}

void ReverseSearchPanel::Button133Click(Control&) {
    app().rent_dialog.open();
}

}  // namespace rebanto
