#pragma once
// A started application with the typical loan (30,000,000 yen at 2.325 % over 35 years, 20 %
// repaid by bonus instalments) run to the end, and the navigator opened on its tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/app.h"
#include "model/headless_platform.h"
#include "temp_folder.h"

namespace rebanto::testing {

using Rows = std::vector<std::vector<std::string>>;

inline Rows rows_of(const Grid& grid, int from = 0) {
    Rows rows;
    for (int r = from; r < grid.row_count(); ++r)
        rows.push_back(grid.row_cells(r));
    return rows;
}

class NavigatorTest : public ::testing::Test {
protected:
    NavigatorTest() : app(platform, AppOptions{folder.path()}) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
        platform.take_log();
    }

    // The typical loan, committed step by step to the end with steps of `months`.
    void run_typical_loan(int months = 1) {
        main.Ed0_moto.set_text("30000000");
        main.Ed0_kin.set_text("2.325");
        main.Ed0_nen.set_text("35");
        main.Ed0_wari.set_text("20");
        main.Ed1_yy5.set_text(std::to_string(months / 12));
        main.Ed1_mm5.set_text(std::to_string(months % 12));
        main.Button18.click();
        platform.take_log();
    }

    void open_navigator() { main.Button107.click(); }

    // The rate `rate` typed into the monthly control table from month `month` and into the
    // bonus table from the payment of `bonus_month`, each repeated to the last row.
    void change_rate_from(const std::string& month, const std::string& bonus_month,
                          const std::string& rate) {
        select(row_of_month(nav.StringGrid1, month));
        nav.Edit1.set_text(rate);
        nav.Button11.click();
        nav.RadioButton2.click();
        select(row_of_month(nav.StringGrid2, bonus_month));
        nav.Edit1.set_text(rate);
        nav.Button11.click();
    }

    // Selects a row of the navigator's table worked on, as a click on it does.
    void select(int row) { nav.table().click_cell(row, nav.table().selected_col()); }

    // The control-table row of month `month` (the monthly table with one-month steps).
    int row_of_month(const Grid& grid, const std::string& month) const {
        for (int r = 2; r < grid.row_count(); ++r)
            if (grid.cell(r, 0) == month && grid.cell(r, 1) != "内") return r;
        return -1;
    }

    TempFolder folder;
    HeadlessPlatform platform;
    App app;
    TForm1& main = app.main;
    TForm4& nav = app.navigator;
    Grid& StGr1 = app.cur.StGr1;
    Grid& StGr2 = app.cur.StGr2;
};

}  // namespace rebanto::testing
