#pragma once
// The comparison window "比較表": table A and table B, each the sum of a choice of the five
// memories of the current-tables window, and the difference table A − B that lines them
// up month by month. The window adds nothing itself: it drives the composite work of the
// main window and copies the composite monthly table.
#include <string>

#include "compare/chart_series.h"
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

class TFormHi : public Form {
public:
    explicit TFormHi(App& app);

    // ---- Table A: the memories chosen by CheckBox1..5 ----
    Label Label1{*this, "Label1", "Ａ表"};  // tag: the title-row count of table A
    CheckBox CheckBox1{*this, "CheckBox1", "1"};
    CheckBox CheckBox2{*this, "CheckBox2", "2"};
    CheckBox CheckBox3{*this, "CheckBox3", "3"};
    CheckBox CheckBox4{*this, "CheckBox4", "4"};
    CheckBox CheckBox5{*this, "CheckBox5", "5"};
    Button Button1{*this, "Button1", "加算実行"};
    Button CSV1{*this, "CSV1", "CSV"};
    Button Button14{*this, "Button14", "グラフ"};
    Grid StringGrid1{*this, "StringGrid1", 2, 12, 1, 3};

    // ---- Table B: the memories chosen by CheckBox6..10 ----
    Label Label2{*this, "Label2", "Ｂ表"};
    CheckBox CheckBox6{*this, "CheckBox6", "1"};
    CheckBox CheckBox7{*this, "CheckBox7", "2"};
    CheckBox CheckBox8{*this, "CheckBox8", "3"};
    CheckBox CheckBox9{*this, "CheckBox9", "4"};
    CheckBox CheckBox10{*this, "CheckBox10", "5"};
    Button Button2{*this, "Button2", "加算実行"};
    Button CSV2{*this, "CSV2", "CSV"};
    Button Button15{*this, "Button15", "グラフ"};
    Grid StringGrid2{*this, "StringGrid2", 2, 12, 1, 3};

    // ---- The difference table A − B ----
    Label Label3{*this, "Label3", "Ａ-Ｂ=差引比較表"};
    Button Button3{*this, "Button3", "差引計算実行"};
    Button CSV3{*this, "CSV3", "CSV"};
    Button Button16{*this, "Button16", "グラフ"};
    Grid StringGrid3{*this, "StringGrid3", 2, 12, 1, 3};

    // Raised while the navigator rewrites the current tables: the window does not follow
    // them, and the tables keep their selected rows, until the replay is done.
    bool ReplayBusy = false;

    // What the last "グラフ" asked the chart to show.
    comparison::Chart LastChart;

    // ---- Routines ----
    // "比較表" of the current-tables window has written the header rows: every operation
    // of the window may run now.
    void enable_operations();
    // "加算実行": table A (sender Button1) or table B (Button2) from the chosen memories.
    void AddClick(Control& sender);
    // "差引計算実行": the difference table from tables A and B as they stand.
    void Button3Click(Control& sender);
    // "CSV": one table as CSV lines in the output memo of the main window.
    void CsvClick(Control& sender);
    // "グラフ": the chart of one table.
    void ChartClick(Control& sender);
    // Where the chart widget takes the series of a table.
    void show_chart(const comparison::Chart& chart);

private:
    Handler guard(void (TFormHi::*routine)(Control&));
    void add_memories(bool table_b);
    App& app_;
};

}  // namespace rebanto
