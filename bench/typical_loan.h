#pragma once
// The typical loan of the navigator benchmarks: 30,000,000 yen at 2.325 % over 35 years with
// a 20 % bonus share, run to the end with one-month steps, the navigator opened on it and
// 2,000,000 yen prepaid with the instalment of month 60.
#include "forms/app.h"

namespace rebanto {

// The typical loan's inputs, with one-month steps, typed into the main window.
inline void typical_loan_inputs(TForm1& f) {
    f.Ed0_moto.set_text("30000000");
    f.Ed0_kin.set_text("2.325");
    f.Ed0_nen.set_text("35");
    f.Ed0_wari.set_text("20");
    f.Ed1_mm5.set_text("1");
}

inline void typical_loan_with_prepayment(App& app) {
    app.start();
    TForm1& f = app.main;
    typical_loan_inputs(f);
    f.Button18.click();
    f.Button107.click();
    TForm4& n = app.navigator;
    n.StringGrid1.click_cell(61, 0);  // month 60
    n.Edit5.set_text("2000000");
    n.Button5.click();
}

}  // namespace rebanto
