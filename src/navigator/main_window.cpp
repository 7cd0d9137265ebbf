// The main window's side of the navigator: opening it, recomputing the current tables with
// new calculation settings, and folding the last principal into the last instalment.
#include "base/numtext.h"
#include "core/cell_values.h"
#include "core/field_io.h"
#include "core/schedule_table.h"
#include "dates/date_guard.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace nav = navigator;

void CompositePage::wire_navigator() {
    Button107.set_parent(&main_.TabSheet7);
    Button107.set_enabled(false);
    Button107.set_hint("カレント両表を再計算ナビゲーターに読み込みます");
    Button107.on_click = guard(&TForm1::Button107Click);
    main_.Label187.on_dbl_click = guard(&TForm1::bonus_timing_dbl_click);
    main_.Label195.on_dbl_click = guard(&TForm1::bonus_timing_dbl_click);
    // The controls on other pages whose routines drive the navigator.
    main_.Button147.on_click = guard(&TForm1::Button147Click);
    const auto on_date_page = [this](void (TForm1::*routine)(Control&)) {
        return date_guard(main_, routine, app().platform());
    };
    main_.Button24.on_click = on_date_page(&TForm1::Button24Click);
    main_.Button25.on_click = on_date_page(&TForm1::Button25Click);
    main_.Label146.on_click = on_date_page(&TForm1::Label146Click);
}

void CompositePage::Button107Click(Control&) {
    app().navigator.open_from_current_tables();
}

void CompositePage::bonus_timing_dbl_click(Control&) {
    app().navigator.check_bonus_timing();
}

// "設定再計算": the panel closes, and the current tables are rebuilt to the end under the
// rounding, accrual and method now chosen.
void CalculationSettings::Button147Click(Control& sender) {
    Button106Click(sender);
    if (app().cur.StGr1.row_count() <= nav::kFirstDataRow &&
        app().cur.StGr2.row_count() <= nav::kFirstDataRow)
        return;
    TForm4& navigator = app().navigator;
    navigator.open_from_current_tables();
    navigator.Button9Click(navigator.Button9);
}

// "初回": the navigator's correction switched off.
void LoanDatesPage::Label146Click(Control&) {
    Label146.hide();
    CheckBox2.set_checked(true);
    app().navigator.set_correction(false);
}

void LoanDatesPage::Button24Click(Control&) {
    fold_last_principal(false);
}

void LoanDatesPage::Button25Click(Control&) {
    fold_last_principal(true);
}

// The principal left after the last row (negative when overpaid) is paid with the last
// instalment: a row of several instalments gives its last one a row of its own.
void LoanDatesPage::fold_last_principal(bool bonus) {
    if ((bonus ? app().cur.StGr2 : app().cur.StGr1).row_count() <= nav::kFirstDataRow) return;
    TForm4& navigator = app().navigator;
    navigator.open_from_current_tables();
    RadioButton& radio = bonus ? navigator.RadioButton2 : navigator.RadioButton1;
    if (!radio.enabled()) return;
    radio.set_checked(true);
    Grid& table = navigator.table();
    int s = table.row_count() - 1;
    if (nav::is_totals_row(table, s) || nav::has_prepayment_flag(table, s)) s -= 1;
    if (s < nav::kFirstDataRow) return;
    // A prepayment that paid the loan off ends the table: there is no last instalment left
    // to take up a remainder.
    if (nav::is_prepayment_row(table, s)) return;
    table.set_selection(s, table.selected_col());
    const Money instalment = money_in(table, s, nav::kInstalment);
    const Money left = money_in(table, s, nav::kNewPrincipal);
    const Money in_row = money_in(table, s, nav::kInRow);
    if (in_row < Money::from_yen(2)) {
        table.set_cell(s, nav::kInstalment, general(instalment + left));
    } else {
        table.set_cell(s, nav::kInRow, general(in_row - Money::from_yen(1)));
        nav::insert_copy_row(table, s);
        table.set_cell(s + 1, nav::kInRow, "1");
        table.set_cell(s + 1, nav::kInstalment, general(instalment + left));
    }
    navigator.CheckBox1.set_checked(true);
    // The fold changes one instalment and nothing else: a table corrected by its dates is
    // replayed with its correction, and the correction settings are left as the user had
    // them, so that a table corrected next (the next pack's) is corrected as without it.
    const std::string correction = navigator.Label11.caption();
    if (table.cell(kSettingsRow, 12) == "差額有") navigator.Label11.set_caption("補正有");
    const bool uncorrected = CheckBox2.checked();
    const Money difference_m = syokai_sa_m;
    const Money difference_b = syokai_sa_b;
    const bool reports_corrected = syokai_reports_corrected;
    const bool correction_waiting = Button51.visible();
    const bool marker_shown = Label146.visible();
    navigator.replay(ReplayEnd::LastRow);
    navigator.Label11.set_caption(correction);
    CheckBox2.set_checked(uncorrected);
    syokai_sa_m = difference_m;
    syokai_sa_b = difference_b;
    syokai_reports_corrected = reports_corrected;
    Button51.set_visible(correction_waiting);
    Label146.set_visible(marker_shown);
}

}  // namespace rebanto
