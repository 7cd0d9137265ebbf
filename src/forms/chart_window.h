#pragma once
// A chart window of the schedule tables: the chart, its 3-D view (elevation and rotation
// with their steps and presets), paging by 60 points and the PNG file of the chart. The
// current-table chart and the composite-table chart are two of them.
#include <functional>
#include <string>

#include "charts/chart_control.h"
#include "charts/schedule_series.h"
#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

class ChartWindow : public Form {
public:
    ChartWindow(App& app, std::string name, const std::string& caption);

    // Elevation: "▲" / "▼" and its field; rotation: "→" / "←" and its field.
    Button Button3{*this, "Button3", "▲"};
    Button Button1{*this, "Button1", "▼"};
    Edit Edit1{*this, "Edit1", "345"};
    Button Button4{*this, "Button4", "→"};
    Button Button2{*this, "Button2", "←"};
    Edit Edit2{*this, "Edit2", "345"};
    Button Button5{*this, "Button5", "既"};
    Button Button6{*this, "Button6", "０"};
    // Paging: 60 points a page, all points, previous and next page.
    Button Button7{*this, "Button7", "頁分割"};
    Button Button8{*this, "Button8", "全表示"};
    Button Button9{*this, "Button9", "←"};
    Button Button10{*this, "Button10", "→"};
    // The chart as a PNG file.
    Button Button11{*this, "Button11", "PNG保存"};
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionElevation{*this, "CaptionElevation", "仰角"};
    Label CaptionRotation{*this, "CaptionRotation", "回転"};
    Label CaptionPage{*this, "CaptionPage", "頁"};
    Chart Chart1{*this, "Chart1"};

    // ---- Routines ----
    void Button3Click(Control& sender);
    void Button1Click(Control& sender);
    void Button4Click(Control& sender);
    void Button2Click(Control& sender);
    void Edit1Change(Control& sender);
    void Edit2Change(Control& sender);
    void Edit1DblClick(Control& sender);
    void Edit2DblClick(Control& sender);
    void Button5Click(Control& sender);
    void Button6Click(Control& sender);
    void Button7Click(Control& sender);
    void Button8Click(Control& sender);
    void Button9Click(Control& sender);
    void Button10Click(Control& sender);
    void Button11Click(Control& sender);
    void Chart1DblClick(Control& sender);

    // Shows the window under `title` and charts the table's rows on a background that
    // ends in `gradient_end`. A cell that is no whole number stops the fill with a message
    // naming it; the points before it stay.
    void chart_table(const Grid& table, ChartedTable kind, const std::string& title,
                     Rgb gradient_end);

    // How the screen brings a window to the front; without a screen, showing it is all.
    std::function<void(Form&)> raise_window;

protected:
    App& app_;

private:
    Handler guard(void (ChartWindow::*routine)(Control&));
    void wire();
    // The page buttons follow the paging mode.
    void show_paging(bool paged);

    std::string png_name_;    // the name a PNG file is offered under
    std::string png_folder_;  // where the last PNG file went
};

}  // namespace rebanto
