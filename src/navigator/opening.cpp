// Opening the navigator from the current tables, and the choice of the table worked on.
#include "forms/app.h"
#include "forms/stream_renames.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"
#include "navigator/settings_row.h"

namespace rebanto {

using namespace navigator;

void TForm4::open_from_current_tables() {
    show();
    for (Grid* grid : {&StringGrid1, &StringGrid2}) {
        const int row = grid->selected_row();
        grid->set_fixed(1, 3);
        grid->set_selection(row, grid->selected_col());
    }
    RadioButton1.set_caption("ｶﾚﾝﾄ月");
    RadioButton2.set_caption("ｶﾚﾝﾄ" + stream_name(app_.main.bonus_interval()));

    hozon_yusi.clear();
    hozon_mon.clear();
    hozon_bon.clear();
    const bool monthly = app_.cur.StGr1.row_count() > kFirstDataRow;
    const bool bonus = app_.cur.StGr2.row_count() > kFirstDataRow;
    if (monthly) copy_current_table(false);
    if (bonus) copy_current_table(true);

    RadioButton1.set_enabled(monthly);
    RadioButton2.set_enabled(bonus);
    if (monthly || !bonus) {
        RadioButton1.set_checked(true);
        RadioButton1Click(RadioButton1);
    } else {
        RadioButton2.set_checked(true);
        RadioButton1Click(RadioButton2);
    }
}

// Steps 2 to 5 of the opening for one table: its settings row brought into a form the replay
// knows, the dates it carries taken over, then every row copied.
void TForm4::copy_current_table(bool bonus) {
    TForm1& main = app_.main;
    Grid& current = bonus ? app_.cur.StGr2 : app_.cur.StGr1;
    Grid& control = bonus ? StringGrid2 : StringGrid1;
    show_month_counts(normalise_settings_row(current));
    if (const auto dates = take_settings_dates(current)) {
        main.MsEd8_yusi.set_text(dates->loan_date);
        (bonus ? main.MsEd8_bon : main.MsEd8_mon).set_text(dates->first_payment);
        hozon_yusi = dates->loan_date;
        (bonus ? hozon_bon : hozon_mon) = dates->first_payment;
    }
    // The control table becomes a copy of the current table, row for row.
    control.share_rows(current.shared_rows());
    control.set_selection(kFirstDataRow, control.selected_col());
}

// Either radio button: its table shown, the entry fields cleared, and the main window's
// working copy of the current monthly table refreshed.
void TForm4::RadioButton1Click(Control&) {
    StringGrid1.set_visible(!bonus_chosen());
    StringGrid2.set_visible(bonus_chosen());
    for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4})
        field->set_text("");
    app_.main.refresh_composite_copy();
    refresh_boundary_lamp();
}

void TForm4::mark_table_edited() {
    table().set_fixed(1, 1);
    table_radio().set_caption(bonus_chosen() ? "ﾎﾞｰﾅｽ制御表" : "月制御表");
}

void TForm4::show_month_counts(bool on) {
    month_display_quiet_ = true;
    CheckBox4.set_checked(on);
    month_display_quiet_ = false;
}

void TForm4::select_row(Grid& grid, int row) {
    grid.set_selection(row, grid.selected_col());
}

}  // namespace rebanto
