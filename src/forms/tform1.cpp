#include "forms/tform1.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "core/memo_lines.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "io/settings_table.h"

namespace rebanto {

TForm1::TForm1(App& app)
    : Form("TForm1", "Rebanto Ver7.7　－－－ファイル名　Vorpen77.exe"),
      CalculationSettings(*this),
      CalculationPage(*this),
      MemoPages(*this),
      BatchTablesPage(*this),
      LoanDatesPage(*this),
      CompositePage(*this),
      TableChartButtons(*this),
      PackSlotsPage(*this),
      SettingsPage(*this),
      ReverseSearchPanel(*this),
      app_(app) {
    refresh_first_payment_reference = [this] { first_payment_reference(); };
    refresh_composite_copy = [this] {
        if (ButtonM.enabled()) ButtonMClick(ButtonM);
    };
    set_bounds(40, 30, 900, 640);
    for (Panel* page : {&TabSheet2, &TabSheet1, &TabSheet3, &TabSheet4, &TabSheet7, &TabSheet8,
                        &TabSheet5, &TabSheet6}) {
        page->set_parent(&PageControl1);
        PageControl1.add_page(*page);
    }
    PageControl1.set_active_page(TabSheet1);
    Panel5.set_parent(&TabSheet1);
    Button86.set_parent(&TabSheet5);
    Ed5_memoobi.set_parent(&TabSheet5);
    Edit46.set_parent(&TabSheet5);
    Button67.set_parent(&TabSheet2);
    RichEdit3.set_parent(&TabSheet6);
    RichEdit3.set_lines({"解説コーナー", "", "上の項目から選んで下さい。"});

    Button140.set_tag(6);
    Label187.set_tag(6);
    Button86.set_tag(1);
    Ed0_moto.set_tag(1);  // busy until the window is ready
    wire_settings_panel();
    wire_calculation();
    wire_memo_pages();
    wire_gestures();
    wire_second_repayment();
    wire_reverse_search();
    wire_tables();
    wire_settings();
    wire_schedules();
    wire_what_if();
    wire_dates();
    wire_navigator();
    wire_bulk_changes();
    wire_composite();
    wire_packs();
    wire_exports();
    wire_charts();
}

void TForm1::start_up() {
    app_.splash.show();
    write_schedule_header(app_.cur.StGr1, equal_principal());
    write_schedule_header(app_.cur.StGr2, equal_principal());
    for (Grid* table : {&app_.cur.StGr1, &app_.cur.StGr2}) {
        reset_schedule_table(*table, equal_principal(), bonus_interval(), bonus_first_months());
    }
    app_.cur.show();
    start_dates();
    Ed0_inidir.set_text((app_.start_folder() / "").string());
    HelpFile = (app_.start_folder() / "Vorpen.hlp").string();
    settings_load();
    remove_stale_saves();
    // The main window's place from the settings; its size only when sizes are recorded.
    auto stored = [this](std::size_t line, int fallback) {
        if (line >= Memo3.size()) return fallback;
        try {
            return static_cast<int>(to_int(Memo3[line]));
        } catch (const ConversionError&) {
            return fallback;
        }
    };
    set_position(stored(kLeftLine, left()), stored(kTopLine, top()));
    if (CheckBox4.checked()) set_size(stored(kWidthLine, width()), stored(kHeightLine, height()));
    app_.splash.hide();
    show();
    Ed0_moto.set_tag(0);  // the window is ready: the calculation follows its fields
    PRset1(Ed0_moto);
    first_payment_reference();
    LoanDatesAsStarted = true;
    ReferenceDatesAsStarted = true;
}

}  // namespace rebanto
