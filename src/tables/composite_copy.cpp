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

// A current table copied into its grid of the page, shown alone, with the commands that
// work on the copy enabled; the page's note names the copy in the table's colour.
void take_copy(CompositePage& page, const Grid& current, Grid& copy,
               std::initializer_list<Control*> commands, Control& mark, const Button& source,
               Color colour) {
    copy.share_rows(current.shared_rows());
    for (Control* c : commands)
        c->set_enabled(true);
    mark.show();
    copy.show();
    for (Grid* other :
         {&page.StringGrid1, &page.StringGrid2, &page.StringGrid3, &page.StringGrid4}) {
        if (other != &copy) other->hide();
    }
    page.Edit45.set_text(source.caption());
    page.Edit45.set_font_color(colour);
}

}  // namespace

void CompositePage::ButtonMClick(Control&) {
    take_copy(*this, app().cur.StGr1, StringGrid1,
              {&ButtonM_C, &Button43, &Button72, &main_.Bt7_MClear, &main_.Button48}, main_.Label_m,
              ButtonM, Color::Red);
}

void CompositePage::ButtonBClick(Control&) {
    take_copy(*this, app().cur.StGr2, StringGrid2,
              {&ButtonB_C, &Button43, &Button72, &main_.Bt7_BClear, &main_.Button49}, main_.Label_b,
              ButtonB, Color::Blue);
}

// "■■基本設定復元■■": the basic inputs read back from the first data rows.
void CompositePage::Button146Click(Control&) {
    namespace col = schedule_col;
    const Grid& monthly = app().cur.StGr1;
    const Grid& bonus = app().cur.StGr2;
    if (ButtonM.enabled()) {
        main_.Ed0_moto.set_text(monthly.cell(kFirstDataRow, col::kPrincipal));
        main_.Ed0_tuki.set_text("1");
        main_.Ed0_nen.set_text("0");
        main_.Ed0_tuki.set_text(monthly.cell(kFirstDataRow, col::kRemaining));
        main_.Ed0_kin.set_text(monthly.cell(kFirstDataRow, col::kRate));
        main_.Edit13.set_text(monthly.cell(kFirstDataRow, col::kInRow));
        main_.Ed0_wari.set_text("0");
        if (ButtonB.enabled()) main_.Edit6.set_text(bonus.cell(kFirstDataRow, col::kPrincipal));
    } else if (ButtonB.enabled()) {
        main_.Ed0_wari.set_text("100");
        main_.Ed0_moto.set_text(bonus.cell(kFirstDataRow, col::kPrincipal));
        main_.Ed0_tuki.set_text("1");
        main_.Ed0_nen.set_text("0");
        const long double count = to_extended(bonus.cell(kFirstDataRow, col::kRemaining));
        put(main_.Ed0_tuki, (count - 1) * main_.bonus_interval() + main_.bonus_first_months());
        main_.Ed0_kin.set_text(bonus.cell(kFirstDataRow, col::kRate));
        put(main_.Edit13, main_.bonus_first_months());
    }
}

}  // namespace rebanto
