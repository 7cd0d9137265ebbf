// "表計算用（数値）" of the comparison window: table A, B or the difference table as numbers
// for a spreadsheet, saved through the main window's export dialog.
#include "forms/app.h"
#include "forms/tformhi.h"
#include "io/numeric_table.h"

namespace rebanto {

void TFormHi::NumericClick(Control& sender) {
    const bool a = &sender == &CSV1_suuti;
    const bool b = &sender == &CSV2_suuti;
    const Grid& table = a ? StringGrid1 : b ? StringGrid2 : StringGrid3;
    const Label& titles = a ? Label1 : b ? Label2 : Label3;
    const std::string name = a ? "Ａ表" : b ? "Ｂ表" : "Ａ－Ｂ差引表";
    app_.main.save_numeric({numeric::comparison_table(table, static_cast<int>(titles.tag()), name)},
                           "比較" + name + ".csv");
}

}  // namespace rebanto
