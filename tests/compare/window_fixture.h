#pragma once
// A started application with loans computed month by month and stored in the memories of
// the current-tables window, and the comparison window opened.
#include "app_fixture.h"

namespace rebanto::testing {

class ComparisonWindow : public AppTest {
protected:
    TFormHi& hi = app.compare;
    TForCur& cur = app.cur;

    // A loan with one-month steps run to the end, from empty memos.
    void run_loan(const std::string& principal, const std::string& years,
                  const std::string& bonus_share = "0") {
        f1.Ed0_moto.set_text(principal);
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text(years);
        f1.Ed0_tuki.set_text("0");
        f1.Ed0_wari.set_text(bonus_share);
        f1.Ed1_mm5.set_text("1");
        f1.Bt0_allClearClick(f1.Bt0_allClear);
        f1.Button18.click();
    }
    void store(int k) {
        Button* stores[] = {&cur.Button81, &cur.Button82, &cur.Button83, &cur.Button84,
                            &cur.Button85};
        stores[k - 1]->click();
    }
    // Chooses exactly the memories `ks` for table A (or B).
    void choose(bool table_b, std::initializer_list<int> ks) {
        CheckBox* a[] = {&hi.CheckBox1, &hi.CheckBox2, &hi.CheckBox3, &hi.CheckBox4, &hi.CheckBox5};
        CheckBox* b[] = {&hi.CheckBox6, &hi.CheckBox7, &hi.CheckBox8, &hi.CheckBox9,
                         &hi.CheckBox10};
        for (int k = 1; k <= 5; ++k) {
            bool on = false;
            for (int x : ks)
                on = on || x == k;
            (table_b ? b : a)[k - 1]->set_checked(on);
        }
    }
    void open() { cur.Button6.click(); }
    // Data rows of a comparison table after its title rows.
    static int first_data_row(const Grid&, const Label& titles) {
        return static_cast<int>(titles.tag()) + 1;
    }
};

}  // namespace rebanto::testing
