// "アドオン変換": the effective annual rate and the add-on rate of a monthly loan, each
// worked out from the other, the half-yearly twin, and the rate and term applied to the
// main window.
#include "base/numtext.h"
#include "calculators/addon_rate.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tokbotadondlg.h"

namespace rebanto {

namespace {

// A rate and a payment count fit to convert: empty or non-positive fields, or a count
// that is not whole, make a conversion do nothing; a text that is no number is an error.
bool convertible(const Edit& value_field, const Edit& count_field, long double& value,
                 std::int64_t& payments) {
    if (is_empty(value_field) || is_empty(count_field)) return false;
    value = num(value_field);
    const long double n = num(count_field);
    if (!(value > 0) || !(n > 0) || n != int_part(n)) return false;
    payments = count_from(n, count_field, 1);
    return true;
}

// A rate one step of 1/steps up, from its floor on that grid.
void step_up(Edit& rate, long double steps) {
    put(rate, int_part(num(rate) * steps + 1.00001L) / steps);
}

// A rate one step of 1/steps down, from its ceiling on that grid; nothing below 0.1 %.
void step_down(Edit& rate, long double steps) {
    const long double x = num(rate);
    if (x > 0.1L) put(rate, int_part(x * steps - 1 + 0.99999L) / steps);
}

}  // namespace

TOKBotAdonDlg::TOKBotAdonDlg(App& app)
    : Form("TOKBotAdonDlg", "アドオン変換　(月次専用)"), app_(app) {
    set_bounds(180, 140, 460, 300);
    Panel1.set_hint(
        "アドオンと実質年金利の相互変換。支払総利息割合を指定して実質金利を算出利用可能");
    GroupBox1.set_hint("このあたり接触で自動相互変換");
    for (Control* c : std::initializer_list<Control*>{&Label1, &Edit1, &Label2, &Label3, &Edit2,
                                                      &Label4, &Label5}) {
        c->set_parent(&GroupBox1);
    }

    GroupBox1.on_mouse_over = guard(&TOKBotAdonDlg::Button1Click);
    Button1.on_click = guard(&TOKBotAdonDlg::Button1Click);
    Button2.on_click = guard(&TOKBotAdonDlg::Button2Click);
    Edit3.on_change = guard(&TOKBotAdonDlg::Button2Click);
    Button3.on_click = guard(&TOKBotAdonDlg::Button3Click);
    Button4.on_click = guard(&TOKBotAdonDlg::Button4Click);
    OKBtn.on_click = guard(&TOKBotAdonDlg::OKBtnClick);
    CancelBtn.on_click = guard(&TOKBotAdonDlg::CancelBtnClick);
    Edit1.on_dbl_click = guard(&TOKBotAdonDlg::Edit1DblClick);
    Edit1.on_exit = guard(&TOKBotAdonDlg::Edit1Exit);
    Label1.on_click = guard(&TOKBotAdonDlg::Label1Click);
    Label2.on_click = guard(&TOKBotAdonDlg::Label2Click);
    Label2.on_right_click = guard(&TOKBotAdonDlg::Label2RightClick);
    Label6.on_click = guard(&TOKBotAdonDlg::Label6Click);
    Label6.on_right_click = guard(&TOKBotAdonDlg::Label6RightClick);
    Label7.on_click = guard(&TOKBotAdonDlg::Label7Click);
    Label7.on_right_click = guard(&TOKBotAdonDlg::Label7RightClick);
    Label4.on_click = guard(&TOKBotAdonDlg::Label4Click);
    Label4.on_right_click = guard(&TOKBotAdonDlg::Label4RightClick);
}

Handler TOKBotAdonDlg::guard(void (TOKBotAdonDlg::*routine)(Control&)) {
    return guarded(*this, routine, app_.platform());
}

void TOKBotAdonDlg::open() {
    TForm1& f = app_.main;
    const int months = count_from(num(f.Ed0_nen) * 12 + num(f.Ed0_tuki), f.Ed0_nen);
    Edit1.set_text(f.Ed0_kin.text());
    put(Edit2, months);
    show();
    Button1Click(Button1);
    f.PageControl1.set_active_page(f.TabSheet1);
}

// Rate → add-on, for the monthly loan and for the half-yearly loan of the same term.
void TOKBotAdonDlg::Button1Click(Control&) {
    long double rate = 0;
    std::int64_t n = 0;
    if (!convertible(Edit1, Edit2, rate, n)) return;
    put(Edit3, round_to_8_decimals(addon_rate(rate / 12 / 100, n)));
    const std::int64_t half_years = n / 6;
    if (half_years > 0) {
        put(Edit5, static_cast<int>(half_years));
        put(Edit4, round_to_8_decimals(addon_rate(rate / 2 / 100, half_years)));
    }
}

// Add-on → rate, by the digit search; the dialog repaints after every trial.
void TOKBotAdonDlg::Button2Click(Control&) {
    long double addon = 0;
    std::int64_t n = 0;
    if (!convertible(Edit3, Edit2, addon, n)) return;
    Platform& platform = app_.platform();
    put(Edit1, annual_rate_for_addon(addon, n, [&platform] { platform.repaint(); }));
}

// The rate and the term go to the main window. The term passes through "6" months so that
// it never falls to zero months on its way from the old term to the new one.
void TOKBotAdonDlg::Button3Click(Control&) {
    num(Edit1);
    count(Edit2);
    TForm1& f = app_.main;
    f.Ed0_kin.set_text(Edit1.text());
    f.Ed0_tuki.set_text("6");
    f.Ed0_nen.set_text("0");
    f.Ed0_tuki.set_text(Edit2.text());
    f.Edit13.set_text("1");
}

// "検討リスト": the loan recorded to the end in fresh memos and tables.
void TOKBotAdonDlg::Button4Click(Control&) {
    Button3Click(Button3);
    TForm1& f = app_.main;
    f.Bt0_allClearClick(f.Bt0_allClear);
    f.Button6Click(f.Button6);
    f.Button18Click(f.Button18);
}

void TOKBotAdonDlg::OKBtnClick(Control&) {
    Button3Click(Button3);
    hide();
}

void TOKBotAdonDlg::CancelBtnClick(Control&) {
    hide();
}

void TOKBotAdonDlg::Edit1DblClick(Control&) {
    app_.rate_list.open_for(Edit1);
}

void TOKBotAdonDlg::Edit1Exit(Control&) {
    app_.rate_list.hide();
}

// The rate to two decimals.
void TOKBotAdonDlg::Label1Click(Control&) {
    put(Edit1, int_part(num(Edit1) * 100 + 0.5L) / 100);
}

// The rate up or down by 0.01 %, from its two-decimal floor.
void TOKBotAdonDlg::Label2Click(Control&) {
    step_up(Edit1, 100);
}

void TOKBotAdonDlg::Label2RightClick(Control&) {
    step_down(Edit1, 100);
}

// The add-on rate up or down by 1 %, to a whole percent.
void TOKBotAdonDlg::Label6Click(Control&) {
    put(Edit3, int_part(num(Edit3) + 1));
}

void TOKBotAdonDlg::Label6RightClick(Control&) {
    const long double x = num(Edit3);
    if (x > 1) put(Edit3, int_part(x - 1 + 0.99999L));
}

// The add-on rate up or down by 0.1 %, to one decimal.
void TOKBotAdonDlg::Label7Click(Control&) {
    step_up(Edit3, 10);
}

void TOKBotAdonDlg::Label7RightClick(Control&) {
    step_down(Edit3, 10);
}

void TOKBotAdonDlg::Label4Click(Control&) {
    put(Edit2, count(Edit2) + 1);
}

void TOKBotAdonDlg::Label4RightClick(Control&) {
    const int n = count(Edit2);
    if (n > 1) put(Edit2, n - 1);
}

void ReverseSearchPanel::Button134Click(Control&) {
    app().addon_dialog.open();
}

}  // namespace rebanto
