// The composite page's copies of the current tables, and restoring the basic loan inputs
// from the tables.
#include <initializer_list>

#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

void copy_rows(const Grid& from, Grid& to) {
    to.set_row_count(from.row_count());
    for (int r = 0; r < from.row_count(); ++r)
        to.set_row(r, from.row_cells(r));
}

}  // namespace

void TForm1::ButtonMClick(Control&) {
    copy_rows(app_.cur.StGr1, StringGrid1);
    for (Control* c : std::initializer_list<Control*>{&ButtonM_C, &Button43, &Button72, &Bt7_MClear,
                                                      &Button48}) {
        c->set_enabled(true);
    }
    Label_m.show();
    StringGrid1.show();
    for (Grid* other : {&StringGrid2, &StringGrid3, &StringGrid4})
        other->hide();
    Edit45.set_text(ButtonM.caption());
    Edit45.set_font_color(Color::Red);
}

void TForm1::ButtonBClick(Control&) {
    copy_rows(app_.cur.StGr2, StringGrid2);
    for (Control* c : std::initializer_list<Control*>{&ButtonB_C, &Button43, &Button72, &Bt7_BClear,
                                                      &Button49}) {
        c->set_enabled(true);
    }
    Label_b.show();
    StringGrid2.show();
    for (Grid* other : {&StringGrid1, &StringGrid3, &StringGrid4})
        other->hide();
    Edit45.set_text(ButtonB.caption());
    Edit45.set_font_color(Color::Blue);
}

// "■■基本設定復元■■": the basic inputs read back from the first data rows.
void TForm1::Button146Click(Control&) {
    namespace col = schedule_col;
    const Grid& monthly = app_.cur.StGr1;
    const Grid& bonus = app_.cur.StGr2;
    if (ButtonM.enabled()) {
        Ed0_moto.set_text(monthly.cell(kFirstDataRow, col::kPrincipal));
        Ed0_tuki.set_text("1");
        Ed0_nen.set_text("0");
        Ed0_tuki.set_text(monthly.cell(kFirstDataRow, col::kRemaining));
        Ed0_kin.set_text(monthly.cell(kFirstDataRow, col::kRate));
        Edit13.set_text(monthly.cell(kFirstDataRow, col::kInRow));
        Ed0_wari.set_text("0");
        if (ButtonB.enabled()) Edit6.set_text(bonus.cell(kFirstDataRow, col::kPrincipal));
    } else if (ButtonB.enabled()) {
        Ed0_wari.set_text("100");
        Ed0_moto.set_text(bonus.cell(kFirstDataRow, col::kPrincipal));
        Ed0_tuki.set_text("1");
        Ed0_nen.set_text("0");
        const long double count = to_extended(bonus.cell(kFirstDataRow, col::kRemaining));
        put(Ed0_tuki, (count - 1) * bonus_interval() + bonus_first_months());
        Ed0_kin.set_text(bonus.cell(kFirstDataRow, col::kRate));
        put(Edit13, bonus_first_months());
    }
}

}  // namespace rebanto
