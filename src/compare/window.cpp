// The comparison window: its size, the memories chosen at start, and how its operations
// bind their events.
#include <array>

#include "compare/comparison_table.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tformhi.h"
#include "io/numeric_table.h"

namespace rebanto {

TFormHi::TFormHi(App& app)
    : Form("TFormHi",
           "比較表－カレント両表の５記憶を加算・減算比較　  (＋長短複数融資の繰上効果の検証)"),
      app_(app) {
    set_bounds(120, 120, 638, 420);
    CheckBox3.set_checked(true);
    CheckBox4.set_checked(true);
    CheckBox7.set_checked(true);
    CheckBox10.set_checked(true);
    // Nothing runs before "比較表" of the current-tables window has written the headers.
    for (Button* b : {&Button1, &Button2, &Button3, &CSV1, &CSV2, &CSV3, &CSV1_suuti, &CSV2_suuti,
                      &CSV3_suuti, &Button14, &Button15, &Button16}) {
        b->set_enabled(false);
    }
    // Narrow month columns and amount columns as wide as a hundred million yen, so that
    // the remarks show beside the amounts.
    constexpr std::array<int, comparison::kColumns> kWidths{38, 26, 26, 74, 62, 70,
                                                            60, 10, 76, 74, 76, 76};
    for (Grid* table : {&StringGrid1, &StringGrid2, &StringGrid3}) {
        table->set_row_height(16);
        for (int c = 0; c < comparison::kColumns; ++c)
            table->set_col_width(c, kWidths[c]);
    }
    Button1.on_click = guard(&TFormHi::AddClick);
    Button2.on_click = guard(&TFormHi::AddClick);
    Button3.on_click = guard(&TFormHi::Button3Click);
    for (Button* csv : {&CSV1, &CSV2, &CSV3})
        csv->on_click = guard(&TFormHi::CsvClick);
    for (Button* numeric : {&CSV1_suuti, &CSV2_suuti, &CSV3_suuti}) {
        numeric->on_click = guard(&TFormHi::NumericClick);
        numeric->set_hint(numeric::kNumericExportHint);
    }
    for (Button* chart : {&Button14, &Button15, &Button16})
        chart->on_click = guard(&TFormHi::ChartClick);
    wire_verification();
    // "比較表" of the current-tables window, and its label, open this window.
    TForCur& cur = app_.cur;
    cur.Button6.on_click = guarded(cur, &TForCur::Button6Click, app_.platform());
    cur.Label7.on_dbl_click = guarded(cur, &TForCur::Button6Click, app_.platform());
}

void TForCur::Button6Click(Control&) {
    TFormHi& compare = app_.compare;
    for (Grid* grid : {&compare.StringGrid1, &compare.StringGrid2, &compare.StringGrid3}) {
        for (int c = 0; c < comparison::kColumns; ++c) {
            if (comparison::kHeader[c] != nullptr) grid->set_cell(0, c, comparison::kHeader[c]);
        }
    }
    compare.show();
    compare.enable_operations();
}

Handler TFormHi::guard(void (TFormHi::*routine)(Control&)) {
    return guarded(*this, routine, app_.platform());
}

void TFormHi::enable_operations() {
    for (Button* b : {&Button1, &Button2, &Button3, &CSV1, &CSV2, &CSV3, &CSV1_suuti, &CSV2_suuti,
                      &CSV3_suuti, &Button14, &Button15, &Button16}) {
        b->set_enabled(true);
    }
}

}  // namespace rebanto
