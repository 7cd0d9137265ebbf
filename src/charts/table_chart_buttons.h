#pragma once
// The buttons of the main window that open the chart windows of the current and the
// composite tables.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "base/money.h"
#include "base/rounding.h"
#include "dates/batch_types.h"
#include "forms/guard.h"
#include "forms/main_page.h"
#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"
#include "model/platform.h"
#include "tables/pack_list.h"

namespace rebanto {

namespace numeric {
struct Table;
}
struct PackFile;

class TableChartButtons : public MainPage {
public:
    explicit TableChartButtons(TForm1& main) : MainPage(main) {}

    // ---- Charts of the tables, on several pages (the chart windows TForm5 and TForm3) ----
    Button Button112{form_, "Button112", "グラフ"};  // "個別返済額算定": current monthly table
    Button Button113{form_, "Button113", "ボ"};      // and the current bonus table
    Button Button120{form_, "Button120", "グラフ"};  // "ﾒﾓ(月返済)"
    Button Button121{form_, "Button121", "グラフ"};  // "(ﾎﾞｰﾅｽ返済)"
    Button Button126{form_, "Button126", "グラフ"};  // "複合編成": current monthly table
    Button Button127{form_, "Button127", "グラフ"};  // and the current bonus table
    Button Button128{form_, "Button128", "グラフ"};  // composite monthly table
    Button Button129{form_, "Button129", "グラフ"};  // composite bonus table
    // In the popup menu of "個別返済額算定".
    MenuItem NGurafuM{form_, "NGurafuM", "　－－グラフ(月)"};
    MenuItem NGurafuB{form_, "NGurafuB", "　－－グラフ(ボーナス)"};
    // ---- Routines: charts of the tables ----
    void chart_current_monthly(Control& sender);
    void chart_current_bonus(Control& sender);
    void chart_composite_monthly(Control& sender);
    void chart_composite_bonus(Control& sender);
    void wire_charts();
};

}  // namespace rebanto
