#pragma once
// The main window "Rebanto Ver7.7": owner of the loan inputs, the pages, the memos and
// the calculation settings. Controls are declared grouped by where they sit; the
// routines are defined in the folder of the subsystem they belong to.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/money.h"
#include "base/rounding.h"
#include "calculators/reverse_search_panel.h"
#include "charts/table_chart_buttons.h"
#include "core/calculation_page.h"
#include "core/calculation_settings.h"
#include "core/memo_pages.h"
#include "dates/batch_types.h"
#include "dates/loan_dates_page.h"
#include "forms/guard.h"
#include "io/settings_page.h"
#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"
#include "model/platform.h"
#include "schedules/batch_tables_page.h"
#include "tables/composite_page.h"
#include "tables/pack_list.h"
#include "tables/pack_slots_page.h"

namespace rebanto {

namespace numeric {
struct Table;
}

class App;
struct PackFile;

class TForm1 : public Form,
               public CalculationSettings,
               public CalculationPage,
               public MemoPages,
               public BatchTablesPage,
               public LoanDatesPage,
               public CompositePage,
               public TableChartButtons,
               public PackSlotsPage,
               public SettingsPage,
               public ReverseSearchPanel {
public:
    explicit TForm1(App& app);

    // ---- Basic settings above the pages ----
    Label Label8{*this, "Label8", "ｽﾀｰﾄ総元金"};
    Edit Ed0_moto{*this, "Ed0_moto", "1000000"};
    Label Label19{*this, "Label19", "円内、"};
    Label Label17{*this, "Label17", "ｽﾀｰﾄ年金利"};
    Edit Ed0_kin{*this, "Ed0_kin", "2.325"};
    Label Label18{*this, "Label18", "％"};
    Label Label21{*this, "Label21", "返済期間"};
    Edit Ed0_nen{*this, "Ed0_nen", "10"};
    Label Label22{*this, "Label22", "年"};
    Edit Ed0_tuki{*this, "Ed0_tuki", "0"};
    Label Label23{*this, "Label23", "ヶ月"};
    Label Label9{*this, "Label9", "ﾎﾞｰﾅｽ分返済割合"};
    Edit Ed0_wari{*this, "Ed0_wari", "0"};
    Label Label10{*this, "Label10", "％"};

    // ---- Page control and pages, in tab order ----
    PageControl PageControl1{*this, "PageControl1"};
    Panel TabSheet2{*this, "TabSheet2", "一括表"};
    Panel TabSheet1{*this, "TabSheet1", "個別返済額算定"};
    Panel TabSheet3{*this, "TabSheet3", "ﾒﾓ(月返済)"};
    Panel TabSheet4{*this, "TabSheet4", "(ﾎﾞｰﾅｽ返済)"};
    Panel TabSheet7{*this, "TabSheet7", "複合編成"};
    Panel TabSheet8{*this, "TabSheet8", "編成一括"};
    Panel TabSheet5{*this, "TabSheet5", "設定"};
    Panel TabSheet6{*this, "TabSheet6", "解説"};
    // The work-name log: what built the current tables.
    Edit Ed555{*this, "Ed555", "_New"};

    // ---- Status bar ----
    Label StatusBar1{*this, "StatusBar1"};
    // The main window's exit path: save, ask about the pack list, record the rate list.
    void close() override;

    // ---- Hooks into the rate list, the comparison window, the navigator and the tables ----
    // Opens the rate selection list beside a rate field.
    void open_rate_list(Control& field);
    // The variable-rate list starts at the loan's rate.
    void set_rate_list_start(const std::string& rate);
    // Whether the comparison window wants its row selection kept after a commit.
    bool compare_keeps_selection();
    // Enables the operations that need the monthly (or bonus) current table: the copy to
    // the composite page, saving, the navigator.
    void enable_table_operations(bool monthly, bool on);
    // Equal principal has no eased plans: only the normal plan stays selectable.
    void select_normal_plan_only();
    // Offers the stored basic settings ("MR") in the recalculation navigator too.
    void enable_navigator_recall(bool on);
    // Routines of a subsystem above the one that starts them, set when the window is built,
    // so that the subsystem starting one links nothing above its own.
    // The dates page works out its first-payment reference again (a table was cleared).
    std::function<void()> refresh_first_payment_reference;
    // The composite page takes a fresh copy of the monthly current table, if it shows one.
    std::function<void()> refresh_composite_copy;

    // Stored settings read by every calculation.
    Rounding instalment_rounding() const { return rounding_of_tag(HRh.tag()); }
    Rounding interest_rounding() const { return rounding_of_tag(HRr.tag()); }
    AccrualUnit accrual_unit() const { return accrual_unit_of_tag(FuriR.tag()); }
    bool equal_principal() const { return HHkkgg.tag() == 1; }
    int bonus_interval() const { return static_cast<int>(Button140.tag()); }
    int bonus_first_months() const { return static_cast<int>(Label187.tag()); }

    // Warning and completion beeps sound only with the sound setting on.
    bool sound_on() const { return Button86.tag() == 1; }
    void beep(Beep kind);

    // Start-up steps of the main window that need the other windows to exist.
    void start_up();

    App& app() { return app_; }

    // Wraps a routine as an event handler: a text that is not a number stops it with a
    // beep, any other failure with a message; nothing escapes into the toolkit.
    Handler guard(void (TForm1::*routine)(Control&), FailureRule rule = FailureRule::Window);

private:
    App& app_;
};

}  // namespace rebanto
