#pragma once
// A started application (today fixed at 2026/12/08) and the typical loan of the loan
// dates: 30,000,000 yen at 2.325 % over 35 years, 20 % by bonus instalments, six-month
// steps, paid out on 2001/05/21 with first payments on 2001/06/20 and 2001/07/20.
#include "app_fixture.h"

namespace rebanto::testing {

class DatesTest : public AppTest {
protected:
    void enter_loan() {
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text("35");
        f1.Ed0_wari.set_text("20");
    }
    void enter_dates(const std::string& loan = "2001/05/21",
                     const std::string& monthly_date = "2001/06/20",
                     const std::string& bonus_date = "2001/07/20") {
        f1.MsEd8_mon.set_text(monthly_date);
        f1.MsEd8_bon.set_text(bonus_date);
        f1.MsEd8_yusi.set_text(loan);
    }
    Grid& monthly = app.cur.StGr1;
    Grid& bonus = app.cur.StGr2;
    const std::vector<std::string>& totals(const Grid& table) {
        return table.row_cells(table.row_count() - 1);
    }
};

}  // namespace rebanto::testing
