// "表計算用（数値）" of the current-tables window: the tables that hold rows, as numbers for
// a spreadsheet (one sheet each in a workbook), saved through the main window's export
// dialog.
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tforcur.h"
#include "io/numeric_table.h"

namespace rebanto {

namespace {

constexpr const char* kMonthlySheet = "月返済";
constexpr const char* kBonusSheet = "ボーナス返済";

}  // namespace

void TForCur::Bt_suutiClick(Control&) {
    std::vector<numeric::Table> tables;
    if (StGr1.row_count() > kFirstDataRow)
        tables.push_back(numeric::current_table(StGr1, kMonthlySheet));
    if (StGr2.row_count() > kFirstDataRow)
        tables.push_back(numeric::current_table(StGr2, kBonusSheet));
    if (tables.empty()) {
        app_.platform().message("カレント両表に返済行がありません。計算してから保存して下さい。");
        return;
    }
    app_.main.save_numeric(tables, "カレント両表.csv");
}

}  // namespace rebanto
