// The down payment that rounds the instalment and zeroes the last balance: the instalment
// of the sale price less the minimum down payment is cut to the unit (less the rank), the
// reverse search finds the principals where the instalment becomes that amount and one yen
// more, and the principals between them are tried until one leaves exactly 0 yen after
// the last instalment.
#include <algorithm>
#include <array>
#include <initializer_list>

#include "calculators/typed_totals.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/down_payment_dialog.h"

namespace rebanto {

namespace {

constexpr std::array<std::int64_t, 7> kUnits = {1, 10, 100, 1'000, 10'000, 100'000, 1'000'000};

// One yen of instalment carries at most as many yen of principal as there are payments
// (fewer at any positive rate), so a sound loan never needs more trials than this. Only a
// loan at a large negative rate would: its zeroing stops here with the red message.
constexpr std::int64_t kMaxZeroingTrials = 100'000;
constexpr std::int64_t kTrialsPerRepaint = 256;

}  // namespace

DownPaymentDialog::DownPaymentDialog(App& app, std::string name, std::string caption, bool bonus)
    : Form(std::move(name), std::move(caption)), app_(app), bonus_(bonus) {
    set_bounds(160, 120, 400, 360);
    Panel1.set_hint(
        "均等額をきれいな指定の桁で処理でき、かつ、最終回での元金調整を０円に近づけた、頭金の算定");
    const auto units = unit_buttons();
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i]->set_parent(&GroupBox1);
        units[i]->set_tag(kUnits[i]);
    }
    RadioButton2.set_checked(true);
    Label4.set_hint(
        "０円化不可の時、最低額増やすより、減額ランクを１つ増やす方が調整が楽＝均等額は減る");
    Edit5.hide();

    for (RadioButton* radio : units)
        radio->on_click = guard(&DownPaymentDialog::UnitClick);
    Edit2.on_change = guard(&DownPaymentDialog::Edit2Change);
    Button5.on_click = guard(&DownPaymentDialog::Button5Click);
    Button5.on_right_click = guard(&DownPaymentDialog::Button5RightClick);
    Button8.on_click = guard(&DownPaymentDialog::Button8Click);
    Button4.on_click = guard(&DownPaymentDialog::Button4Click);
    Button3.on_click = guard(&DownPaymentDialog::Button3Click);
}

Handler DownPaymentDialog::guard(void (DownPaymentDialog::*routine)(Control&)) {
    return guarded(*this, routine, app_.platform());
}

std::array<RadioButton*, 7> DownPaymentDialog::unit_buttons() {
    return {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
            &RadioButton5, &RadioButton6, &RadioButton7};
}

DownPaymentDialog::Side DownPaymentDialog::side() {
    TForm1& f = app_.main;
    if (bonus_) return {f.Edit6, f.Edit9, f.Edit10, f.RBut_Mb, f.RBut_Kb, f.TabSheet4};
    return {f.Edit1, f.Edit4, f.Edit5, f.RBut_Mm, f.RBut_Km, f.TabSheet3};
}

std::int64_t DownPaymentDialog::unit() const {
    for (const RadioButton* radio : {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                     &RadioButton5, &RadioButton6, &RadioButton7}) {
        if (radio->checked()) return radio->tag();
    }
    return 10;
}

void DownPaymentDialog::open() {
    TForm1& f = app_.main;
    show();
    Edit1.set_text(side().principal.text());
    Edit5.set_text(f.Edit13.text());
    if (RadioButton2.checked()) {
        UnitClick(RadioButton2);
    } else {
        RadioButton2.set_checked(true);  // runs UnitClick
    }
    f.PageControl1.set_active_page(f.TabSheet1);
}

// Only units below the instalment can round it; one yen always can.
void DownPaymentDialog::UnitClick(Control&) {
    const Money instalment = money(side().instalment);
    for (RadioButton* radio : unit_buttons()) {
        radio->set_enabled(radio == &RadioButton1 || instalment > Money::from_yen(radio->tag()));
    }
    put(Edit4, 0);
}

void DownPaymentDialog::Edit2Change(Control&) {
    put(side().principal, money(Edit1) - money(Edit2));
}

void DownPaymentDialog::Button5Click(Control&) {
    put(Edit4, count(Edit4, 0) + 1);
}

void DownPaymentDialog::Button5RightClick(Control&) {
    const int rank = count(Edit4, 0);
    if (rank > 0) put(Edit4, rank - 1);
}

void DownPaymentDialog::Button8Click(Control&) {
    // Every number the computation reads is checked before anything moves.
    const Money minimum = money(Edit2);
    money(Edit1);
    count(Edit4, 0);
    count(Edit5);
    TForm1& f = app_.main;
    const Side s = side();
    const std::string kept_principal = s.principal.text();
    const TypedTotals kept_totals = TypedTotals::of(f);
    const auto put_back = [&] {
        s.principal.set_text(kept_principal);
        kept_totals.put_back(f);
        restore_step_length();
    };
    bool found = false;
    try {
        found = run_passes();
        // A minimum the result falls short of: one rank lower, once.
        if (found && minimum > money(Edit3)) {
            put(Edit4, count(Edit4, 0) + 1);
            found = run_passes();
        }
    } catch (...) {
        put_back();
        throw;
    }
    if (!found) {
        put_back();
        return;
    }
    // A down payment is decided either way, so the total follows it either way.
    show_total_down_payment();
    if (money(s.remaining) != Money()) {
        f.PageControl1.set_active_page(f.TabSheet1);
        return;
    }
    // The loan found, recorded to the end in fresh memos and tables.
    f.Bt0_allClearClick(f.Bt0_allClear);
    f.Button6Click(f.Button6);
    restore_step_length();
    f.Button18Click(f.Button18);
    f.PageControl1.set_active_page(s.memo_page);
}

bool DownPaymentDialog::run_passes() {
    Money p0;
    Money p1;
    if (!find_principals(p0, p1)) return false;
    zero_last_balance(p0, p1);
    return true;
}

// The step runs over the whole term, so the balance after it is what the last instalment
// leaves. p0 is the smallest principal whose instalment reaches the target, p1 the
// smallest whose instalment reaches one yen more: every principal in between pays the
// target exactly.
bool DownPaymentDialog::find_principals(Money& p0, Money& p1) {
    TForm1& f = app_.main;
    const Side s = side();
    f.PageControl1.set_active_page(f.TabSheet1);
    f.whole_term_period();
    s.search_input.click();
    s.search_target.click();
    put(s.principal, money(Edit1) - money(Edit2));
    const std::int64_t u = unit();
    const std::int64_t target =
        money(s.instalment).whole_yen() / u * u - u * static_cast<std::int64_t>(count(Edit4, 0));
    put(f.Edit3, Money::from_yen(target));
    if (!f.reverse_search()) return false;
    p0 = money(s.principal);
    put(f.Edit3, Money::from_yen(target + 1));
    if (!f.reverse_search()) return false;
    p1 = money(s.principal);
    return true;
}

void DownPaymentDialog::zero_last_balance(Money p0, Money p1) {
    const Side s = side();
    Platform& platform = app_.platform();
    Label4.set_caption("");
    const std::int64_t trials = std::min((p1 - p0).whole_yen(), kMaxZeroingTrials);
    for (std::int64_t c = 0; c < trials; ++c) {
        put(s.principal, p0 + Money::from_yen(c));
        if (money(s.remaining) == Money()) {
            Label4.set_caption("最終元金残０円化成功");
            Label4.set_font_color(Color::Blue);
            break;
        }
        if (c % kTrialsPerRepaint == kTrialsPerRepaint - 1) platform.repaint();
    }
    if (money(s.remaining) != Money()) {
        Label4.set_caption("残念！０円化不可=誤差" + s.remaining.text() + "円");
        Label4.set_font_color(Color::Red);
    }
    put(Edit3, money(Edit1) - money(s.principal));
}

void DownPaymentDialog::restore_step_length() {
    app_.main.Edit13.set_text(Edit5.text());
}

void DownPaymentDialog::show_total_down_payment() {
    TForm9& bonus = app_.down_payment_bonus;
    put(bonus.Edit6, money(bonus.Edit3) + money(app_.down_payment.Edit3));
}

void DownPaymentDialog::Button4Click(Control&) {
    restore_step_length();
    hide();
}

// No down payment: the sale price is the principal again.
void DownPaymentDialog::Button3Click(Control&) {
    const Money sale = money(Edit1);
    restore_step_length();
    put(side().principal, sale);
    hide();
}

void DownPaymentDialog::close() {
    Button3.click();
}

void ReverseSearchPanel::Button136Click(Control&) {
    app().down_payment.open();
}

void ReverseSearchPanel::Button141Click(Control&) {
    app().down_payment_bonus.open();
}

}  // namespace rebanto
