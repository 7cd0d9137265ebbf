// The study's base and new states: the interest totals of both current tables and the month
// of their last payments, recorded from the tables as they stand, and the differences.
// Only the interest is compared: the principal repaid comes to the start principal anyway.
#include "base/numtext.h"
#include "core/cell_values.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform10.h"
#include "navigator/control_table.h"

namespace rebanto {

namespace nav = navigator;

namespace {

bool has_rows(const Grid& table) {
    return table.row_count() > nav::kFirstDataRow;
}

// The last totals row ("K"), searched upward from the last row; -1 when there is none.
int last_totals_row(const Grid& table) {
    for (int r = table.row_count() - 1; r >= nav::kFirstDataRow; --r)
        if (table.cell(r, nav::kFlag) == "K") return r;
    return -1;
}

void colour_by_sign(Control& field) {
    field.set_font_color(field.text().rfind('-', 0) == 0 ? Color::Black : Color::Red);
}

}  // namespace

// "合計行": each current table that has rows ends with a totals row, rebuilt by the navigator.
void TForm10::Button19Click(Control&) {
    TForm4& navigator = app_.navigator;
    for (const bool bonus : {false, true}) {
        const Grid& current = bonus ? app_.cur.StGr2 : app_.cur.StGr1;
        if (!has_rows(current) || current.cell(current.row_count() - 1, nav::kFlag) == "K")
            continue;
        navigator.open_from_current_tables();
        RadioButton& radio = bonus ? navigator.RadioButton2 : navigator.RadioButton1;
        if (!radio.enabled()) continue;
        radio.set_checked(true);
        Grid& table = navigator.table();
        table.set_selection(table.row_count() - 1, table.selected_col());
        navigator.CheckBox1.set_checked(true);
        navigator.Button4Click(navigator.Button4);
        table.set_selection(table.row_count() - 1, table.selected_col());
        if (!navigator.replay(ReplayEnd::LastRow)) return;
    }
}

void TForm10::Button5Click(Control&) {
    record(false);
}

void TForm10::Button6Click(Control&) {
    record(true);
}

void TForm10::record(bool new_state) {
    Edit& monthly = new_state ? Edit7 : Edit3;
    Edit& bonus = new_state ? Edit8 : Edit4;
    Edit& sum = new_state ? Edit9 : Edit2;
    Label& monthly_last = new_state ? Label7 : Label15;
    Label& bonus_last = new_state ? Label8 : Label16;
    monthly.set_text("0");
    bonus.set_text("0");
    monthly_last.set_caption("000");
    bonus_last.set_caption("000");
    const Grid& m = app_.cur.StGr1;
    const Grid& b = app_.cur.StGr2;
    if (!has_rows(m) && !has_rows(b)) {
        refresh_differences();
        return;
    }
    Button19Click(Button19);
    Money left_m, left_b;
    const auto read = [&](const Grid& table, Edit& total, Label& last, Money& left) {
        const int k = last_totals_row(table);
        if (k < 0) return;
        put(total, money_in(table, k, 10));
        last.set_caption(table.cell(k - 1, nav::kMonth));
        left = money_in(table, k, 12);
    };
    read(m, monthly, monthly_last, left_m);
    read(b, bonus, bonus_last, left_b);
    put(sum, money(monthly) + money(bonus));
    sum.set_font_color(Color::Red);
    if (new_state) {
        Label32.hide();
        for (auto [label, value] : {std::pair{&Label19, left_m}, std::pair{&Label20, left_b},
                                    std::pair{&Label21, left_m + left_b}}) {
            label->set_caption(general(value));
            label->set_font_color(value > Money() ? Color::Red : Color::Black);
        }
        Ed999.set_text(app_.main.Ed555.text());
    } else {
        Label31.hide();
        Ed000.set_text(app_.main.Ed555.text());
    }
    refresh_differences();
}

void TForm10::refresh_differences() {
    put(Edit10, money(Edit7) - money(Edit3));
    put(Edit11, money(Edit8) - money(Edit4));
    put(Edit12, money(Edit9) - money(Edit2));
    for (Edit* difference : {&Edit10, &Edit11, &Edit12})
        colour_by_sign(*difference);
    const auto months = [](const Label& later, const Label& earlier) {
        try {
            return general(to_int(later.caption()) - to_int(earlier.caption()));
        } catch (const ConversionError&) {
            return std::string("0");
        }
    };
    Label23.set_caption(months(Label7, Label15));
    Label24.set_caption(months(Label8, Label16));
}

void TForm10::Button1Click(Control&) {
    if (app_.main.load_pack_with_dialog()) record(false);
}

void TForm10::Button17Click(Control&) {
    app_.main.load_pack_with_dialog();
}

void TForm10::Button7Click(Control&) {
    app_.main.Button88Click(app_.main.Button88);
}

void TForm10::Ed999Change(Control&) {
    app_.main.Ed555.set_text(Ed999.text());
}

void TForm10::Ed999DblClick(Control&) {
    app_.main.proposed_pack_file = Ed999.text();
    Button7Click(Button7);
}

void TForm10::window_dbl_click() {
    app_.main.show();
}

}  // namespace rebanto
