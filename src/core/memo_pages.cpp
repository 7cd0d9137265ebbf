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

void MemoPages::goukeikinyu_m() {
    if (main_.TotalsM.paid == Money() && main_.TotalsM.interest == Money()) return;
    RichEdit1.append(totals_line(false, main_.TotalsM.interest, main_.TotalsM.principal,
                                 main_.TotalsM.paid, main_.NextPrincipalM));
    app().cur.StGr1.append_row(totals_row(main_.ElapsedMonths, main_.TotalsM.interest,
                                          main_.TotalsM.principal, main_.TotalsM.paid,
                                          main_.NextPrincipalM));
    Bt7_MClear.set_enabled(true);
    Button48.set_enabled(true);
    Label_m.show();
    Label_m.set_enabled(true);
    Bt0_allClear.set_enabled(true);
}

void MemoPages::goukeikinyu_b() {
    if (main_.TotalsB.paid == Money() && main_.TotalsB.interest == Money()) return;
    RichEdit2.append(totals_line(true, main_.TotalsB.interest, main_.TotalsB.principal,
                                 main_.TotalsB.paid, main_.NextPrincipalB));
    app().cur.StGr2.append_row(totals_row(
        main_.ElapsedMonths + main_.bonus_first_months() - main_.bonus_interval(),
        main_.TotalsB.interest, main_.TotalsB.principal, main_.TotalsB.paid, main_.NextPrincipalB));
    Bt7_BClear.set_enabled(true);
    Button49.set_enabled(true);
    Label_b.show();
    Label_b.set_enabled(true);
    Bt0_allClear.set_enabled(true);
}

void MemoPages::Button15Click(Control&) {
    goukeikinyu_m();
    goukeikinyu_b();
}

namespace {

std::string memo_header_tail(TForm1& f, Platform& platform) {
    return "  -- by." + f.Edit46.text() + " -- " + short_date(platform.today()) + " -- " + " --";
}

// One part's memo and current table, and the commands that clear them.
struct MemoPart {
    bool monthly;
    Memo& memo;
    Grid& table;
    const Grid& other_table;
    Button& clear;
    Button& clear_copy;
    Label& mark;
};

// The part's memo starts again from its title line and its table from the header and
// settings rows; its clear commands and mark go off, and clearing both memos too once the
// other table holds no rows either.
void clear_part(TForm1& main, Platform& platform, Button& clear_both, const MemoPart& part) {
    main.enable_table_operations(part.monthly, false);
    part.memo.clear();
    part.memo.append(std::string(main.equal_principal() ? "元金均等返済検討書（" : "Rebanto（") +
                     (part.monthly ? std::string("月") : main.Button67.caption()) + "返済）" +
                     memo_header_tail(main, platform));
    reset_schedule_table(part.table, main.equal_principal(), main.bonus_interval(),
                         main.bonus_first_months());
    part.memo.append("");
    part.clear.set_enabled(false);
    part.clear_copy.set_enabled(false);
    part.mark.hide();
    if (part.other_table.row_count() <= kFirstDataRow) clear_both.set_enabled(false);
    main.refresh_first_payment_reference();
}

}  // namespace

void MemoPages::Bt7_MClearClick(Control&) {
    clear_part(main_, app().platform(), Bt0_allClear,
               {true, RichEdit1, app().cur.StGr1, app().cur.StGr2, Bt7_MClear, Button48, Label_m});
}

void MemoPages::Bt7_BClearClick(Control&) {
    clear_part(main_, app().platform(), Bt0_allClear,
               {false, RichEdit2, app().cur.StGr2, app().cur.StGr1, Bt7_BClear, Button49, Label_b});
}

void MemoPages::Bt0_allClearClick(Control&) {
    Label_cl.hide();
    Label_mem.show();
    Bt7_MClearClick(Bt7_MClear);
    Bt7_BClearClick(Bt7_BClear);
    main_.Ed555.set_text("_New");
}

void MemoPages::Button6Click(Control&) {
    RichEdit1.append(main_.Ed5_memoobi.text());
    RichEdit2.append(main_.Ed5_memoobi.text() + "-月回+");
}

void MemoPages::switch_repayment_method() {
    const bool principal = main_.equal_principal();
    for (Grid* table : {&app().cur.StGr1, &app().cur.StGr2}) {
        const auto header = schedule_header(principal);
        table->set_cell(0, 6, header[6]);
        table->set_cell(0, 8, header[8]);
        table->set_cell(kSettingsRow, 8, method_marker(principal));
    }
    main_.Ed5_memoobi.set_text(standard_band(principal));
    main_.Label20.set_caption(principal ? "元金均等返済" : "元利均等返済");
    main_.Label20.set_font_color(principal ? Color::Red : Color::Black);
    main_.Label3.set_caption(principal ? "均等元金額" : "均等返済額");
    main_.Label15.set_caption(principal ? "当期最終回返済金額" : "当期最終回利息内訳");
    main_.Label125.set_caption(principal ? "通常均等元金額" : "通常均等返済額");
    for (Edit* field : {&main_.Edit4, &main_.Edit9, &main_.Edit104, &main_.Edit109}) {
        field->set_font_color(principal ? Color::Blue : Color::Black);
    }
    if (principal) main_.select_normal_plan_only();
    Bt7_MClearClick(Bt7_MClear);
    Bt7_BClearClick(Bt7_BClear);
    main_.PRset1(main_.Ed0_moto);
    main_.refresh_first_payment_reference();
}

// ---- Memo tools ----

void MemoPages::memo_font_click(Control& sender) {
    Memo& memo = &sender == &Button7 ? RichEdit2 : RichEdit1;
    FontChoice initial{memo.font_name(), memo.font_size() > 0 ? memo.font_size() : 10, false,
                       memo.italic(), "black"};
    if (auto chosen = app().platform().choose_font(initial)) {
        memo.set_font_name(chosen->name);
        memo.set_font_size(chosen->size);
        memo.set_italic(chosen->italic);
    }
}

void MemoPages::memo_initial_font_click(Control& sender) {
    const bool bonus = &sender == &Button41;
    Memo& memo = bonus ? RichEdit2 : RichEdit1;
    memo.set_font_name(kMemoFont);
    memo.set_font_size(kMemoDesignFontSize);
    memo.set_italic(bonus);
    (bonus ? UpDown2 : UpDown1).set_position(kMemoDesignFontSize);
}

void MemoPages::memo_print_click(Control& sender) {
    const Memo& memo = &sender == &Button8 ? RichEdit2 : RichEdit1;
    PrintJob job;
    job.title = "返済計算";
    job.lines = memo.lines();
    job.font = FontChoice{memo.font_name(), memo.font_size() > 0 ? memo.font_size() : 10, false,
                          memo.italic(), "black"};
    app().platform().print(job);
}

void MemoPages::memo_size_change(Control& sender) {
    const auto& stepper = static_cast<const TrackBar&>(sender);
    (&sender == &UpDown2 ? RichEdit2 : RichEdit1).set_font_size(stepper.position());
}

// After a multi-step run the memo page remembers where the user came from; a left click
// on the memo goes back there, a right click keeps later runs on the current page.
void MemoPages::memo_page_click(Control&) {
    memo_switch_suppressed = false;
    if (memo_return_page != nullptr) {
        main_.PageControl1.set_active_page(*memo_return_page);
        memo_return_page = nullptr;
    }
}

void MemoPages::memo_page_right_click(Control&) {
    memo_switch_suppressed = true;
}

void MemoPages::show_memo_after_run(Panel& return_page) {
    if (memo_switch_suppressed) return;
    main_.PageControl1.set_active_page(
        main_.Edit1.tag() == 1 || main_.Edit6.tag() != 1 ? main_.TabSheet3 : main_.TabSheet4);
    memo_return_page = &return_page;
}

}  // namespace rebanto
