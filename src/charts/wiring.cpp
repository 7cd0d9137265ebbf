// The main window's ways into the chart windows: the "グラフ" buttons of its pages and
// the two items of the calculation page's popup menu.
#include <initializer_list>

#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void TableChartButtons::chart_current_monthly(Control&) {
    app().cur_chart.chart_monthly();
}

void TableChartButtons::chart_current_bonus(Control&) {
    app().cur_chart.chart_bonus();
}

void TableChartButtons::chart_composite_monthly(Control&) {
    app().composite_chart.chart_monthly();
}

void TableChartButtons::chart_composite_bonus(Control&) {
    app().composite_chart.chart_bonus();
}

void TableChartButtons::wire_charts() {
    Button112.set_parent(&main_.TabSheet1);
    Button113.set_parent(&main_.TabSheet1);
    Button120.set_parent(&main_.TabSheet3);
    Button121.set_parent(&main_.TabSheet4);
    for (Button* b : {&Button126, &Button127, &Button128, &Button129})
        b->set_parent(&main_.TabSheet7);
    for (Control* c :
         std::initializer_list<Control*>{&Button112, &Button120, &Button126, &NGurafuM}) {
        c->on_click = guard(&TForm1::chart_current_monthly);
        c->set_hint("カレント月返済表をグラフ表示します");
    }
    for (Control* c :
         std::initializer_list<Control*>{&Button113, &Button121, &Button127, &NGurafuB}) {
        c->on_click = guard(&TForm1::chart_current_bonus);
        c->set_hint("カレントボーナス返済表をグラフ表示します");
    }
    Button128.on_click = guard(&TForm1::chart_composite_monthly);
    Button128.set_hint("合成返済表をグラフ表示します");
    Button129.on_click = guard(&TForm1::chart_composite_bonus);
    Button129.set_hint("合成ボーナス返済表をグラフ表示します");

    // A composite's chart button is usable exactly while the composite is: it follows the
    // button that shows the composite through every copy, merge, discard and undo.
    Button128.set_enabled(main_.Button28.enabled());
    Button129.set_enabled(main_.Button29.enabled());
    main_.add_observer(
        [this](Control* control, Change, int, int) {
            if (control == &main_.Button28) Button128.set_enabled(main_.Button28.enabled());
            if (control == &main_.Button29) Button129.set_enabled(main_.Button29.enabled());
        },
        {Change::Enabled}, {&main_.Button28, &main_.Button29});
}

}  // namespace rebanto
