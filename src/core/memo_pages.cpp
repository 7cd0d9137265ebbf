// The monthly and bonus memo pages: totals, clearing, bands, the repayment-method switch
// and the memo tools.
#include "base/date.h"
#include "core/field_io.h"
#include "core/memo_lines.h"
#include "core/schedule_rows.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr int kMemoDesignFontSize = 10;
constexpr const char* kMemoFont = "ＭＳ明朝";

}  // namespace

void TForm1::goukeikinyu_m() {
    if (TotalsM.paid == Money() && TotalsM.interest == Money()) return;
    RichEdit1.append(
        totals_line(false, TotalsM.interest, TotalsM.principal, TotalsM.paid, NextPrincipalM));
    app_.cur.StGr1.append_row(totals_row(ElapsedMonths, TotalsM.interest, TotalsM.principal,
                                         TotalsM.paid, NextPrincipalM));
    Bt7_MClear.set_enabled(true);
    Button48.set_enabled(true);
    Label_m.show();
    Label_m.set_enabled(true);
    Bt0_allClear.set_enabled(true);
}

void TForm1::goukeikinyu_b() {
    if (TotalsB.paid == Money() && TotalsB.interest == Money()) return;
    RichEdit2.append(
        totals_line(true, TotalsB.interest, TotalsB.principal, TotalsB.paid, NextPrincipalB));
    app_.cur.StGr2.append_row(totals_row(ElapsedMonths + bonus_first_months() - bonus_interval(),
                                         TotalsB.interest, TotalsB.principal, TotalsB.paid,
                                         NextPrincipalB));
    Bt7_BClear.set_enabled(true);
    Button49.set_enabled(true);
    Label_b.show();
    Label_b.set_enabled(true);
    Bt0_allClear.set_enabled(true);
}

void TForm1::Button15Click(Control&) {
    goukeikinyu_m();
    goukeikinyu_b();
}

namespace {

std::string memo_header_tail(TForm1& f, Platform& platform) {
    return "  -- by." + f.Edit46.text() + " -- " + short_date(platform.today()) + " -- " + " --";
}

}  // namespace

void TForm1::Bt7_MClearClick(Control&) {
    enable_table_operations(true, false);
    RichEdit1.clear();
    RichEdit1.append(
        std::string(equal_principal() ? "元金均等返済検討書（月返済）" : "Rebanto（月返済）") +
        memo_header_tail(*this, app_.platform()));
    reset_schedule_table(app_.cur.StGr1, equal_principal(), bonus_interval(), bonus_first_months());
    RichEdit1.append("");
    Bt7_MClear.set_enabled(false);
    Button48.set_enabled(false);
    Label_m.hide();
    if (app_.cur.StGr2.row_count() <= kFirstDataRow) Bt0_allClear.set_enabled(false);
    first_payment_reference();
}

void TForm1::Bt7_BClearClick(Control&) {
    enable_table_operations(false, false);
    RichEdit2.clear();
    RichEdit2.append(std::string(equal_principal() ? "元金均等返済検討書（" : "Rebanto（") +
                     Button67.caption() + "返済）" + memo_header_tail(*this, app_.platform()));
    reset_schedule_table(app_.cur.StGr2, equal_principal(), bonus_interval(), bonus_first_months());
    RichEdit2.append("");
    Bt7_BClear.set_enabled(false);
    Button49.set_enabled(false);
    Label_b.hide();
    if (app_.cur.StGr1.row_count() <= kFirstDataRow) Bt0_allClear.set_enabled(false);
    first_payment_reference();
}

void TForm1::Bt0_allClearClick(Control&) {
    Label_cl.hide();
    Label_mem.show();
    Bt7_MClearClick(Bt7_MClear);
    Bt7_BClearClick(Bt7_BClear);
    Ed555.set_text("_New");
}

void TForm1::Button6Click(Control&) {
    RichEdit1.append(Ed5_memoobi.text());
    RichEdit2.append(Ed5_memoobi.text() + "-月回+");
}

void TForm1::switch_repayment_method() {
    const bool principal = equal_principal();
    for (Grid* table : {&app_.cur.StGr1, &app_.cur.StGr2}) {
        const auto header = schedule_header(principal);
        table->set_cell(0, 6, header[6]);
        table->set_cell(0, 8, header[8]);
        table->set_cell(kSettingsRow, 8, method_marker(principal));
    }
    Ed5_memoobi.set_text(standard_band(principal));
    Label20.set_caption(principal ? "元金均等返済" : "元利均等返済");
    Label20.set_font_color(principal ? Color::Red : Color::Black);
    Label3.set_caption(principal ? "均等元金額" : "均等返済額");
    Label15.set_caption(principal ? "当期最終回返済金額" : "当期最終回利息内訳");
    Label125.set_caption(principal ? "通常均等元金額" : "通常均等返済額");
    for (Edit* field : {&Edit4, &Edit9, &Edit104, &Edit109}) {
        field->set_font_color(principal ? Color::Blue : Color::Black);
    }
    if (principal) select_normal_plan_only();
    Bt7_MClearClick(Bt7_MClear);
    Bt7_BClearClick(Bt7_BClear);
    PRset1(Ed0_moto);
    first_payment_reference();
}

// ---- Memo tools ----

void TForm1::memo_font_click(Control& sender) {
    Memo& memo = &sender == &Button7 ? RichEdit2 : RichEdit1;
    FontChoice initial{memo.font_name(), memo.font_size() > 0 ? memo.font_size() : 10, false,
                       memo.italic(), "black"};
    if (auto chosen = app_.platform().choose_font(initial)) {
        memo.set_font_name(chosen->name);
        memo.set_font_size(chosen->size);
        memo.set_italic(chosen->italic);
    }
}

void TForm1::memo_initial_font_click(Control& sender) {
    const bool bonus = &sender == &Button41;
    Memo& memo = bonus ? RichEdit2 : RichEdit1;
    memo.set_font_name(kMemoFont);
    memo.set_font_size(kMemoDesignFontSize);
    memo.set_italic(bonus);
    (bonus ? UpDown2 : UpDown1).set_position(kMemoDesignFontSize);
}

void TForm1::memo_print_click(Control& sender) {
    const Memo& memo = &sender == &Button8 ? RichEdit2 : RichEdit1;
    PrintJob job;
    job.title = "返済計算";
    job.lines = memo.lines();
    job.font = FontChoice{memo.font_name(), memo.font_size() > 0 ? memo.font_size() : 10, false,
                          memo.italic(), "black"};
    app_.platform().print(job);
}

void TForm1::memo_size_change(Control& sender) {
    const auto& stepper = static_cast<const TrackBar&>(sender);
    (&sender == &UpDown2 ? RichEdit2 : RichEdit1).set_font_size(stepper.position());
}

// After a multi-step run the memo page remembers where the user came from; a left click
// on the memo goes back there, a right click keeps later runs on the current page.
void TForm1::memo_page_click(Control&) {
    memo_switch_suppressed = false;
    if (memo_return_page != nullptr) {
        PageControl1.set_active_page(*memo_return_page);
        memo_return_page = nullptr;
    }
}

void TForm1::memo_page_right_click(Control&) {
    memo_switch_suppressed = true;
}

void TForm1::show_memo_after_run(Panel& return_page) {
    if (memo_switch_suppressed) return;
    PageControl1.set_active_page(Edit1.tag() == 1 || Edit6.tag() != 1 ? TabSheet3 : TabSheet4);
    memo_return_page = &return_page;
}

}  // namespace rebanto
