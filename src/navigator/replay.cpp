// The replay: a control table fed row by row through the main window's one-period
// calculation, exactly as if the user had pressed "メモ記載" once per row with the row's
// values as inputs. The current table is emptied first and rebuilt; the basic settings are
// kept before and put back after.
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/field_at.h"
#include "base/numtext.h"
#include "core/field_io.h"
#include "core/schedule_rows.h"
#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"
#include "navigator/replay_part.h"
#include "navigator/replay_parts.h"
#include "navigator/replay_state.h"
#include "navigator/settings_row.h"

namespace rebanto {

namespace nav = navigator;

namespace {

constexpr const char* kSelectARow =
    "再計算する最終の行（２行目以降の明細行）を選択してから押してください";

bool starts_with(const std::string& text, std::string_view head) {
    return text.compare(0, head.size(), head) == 0;
}

// The schedule rows of a control table as the current table has them.
bool same_rows(const Grid& control, const Grid& current) {
    if (control.row_count() != current.row_count()) return false;
    for (int r = nav::kFirstDataRow; r < control.row_count(); ++r)
        if (control.row_cells(r) != current.row_cells(r)) return false;
    return true;
}

}  // namespace

void TForm4::Button1Click(Control&) {
    replay(ReplayEnd::SelectedRow);
}

void TForm4::Button8Click(Control&) {
    replay(ReplayEnd::LastRow);
}

// "両表最終": the monthly table, then the bonus table, each to its last row; the table worked
// on stays the one chosen before.
// A table the user left as it was replays with every instalment it has: "まで不変" and a
// recomputed instalment are for the table that was changed, and the other must not move.
void TForm4::Button9Click(Control&) {
    const bool bonus_before = bonus_chosen();
    const bool keep = CheckBox1.checked();
    // The notes of both replays stay in the status bar, the monthly table's first.
    std::string notes;
    bool stopped = false;
    const auto replay_side = [&](RadioButton& radio, const Grid& control, const Grid& current) {
        if (!radio.enabled()) return;
        radio.set_checked(true);
        if (same_rows(control, current)) CheckBox1.set_checked(true);
        const bool ran = replay(ReplayEnd::LastRow);
        stopped = stopped || !ran;
        CheckBox1.set_checked(keep);
        if (ran && !StatusBar1.caption().empty())
            notes += (notes.empty() ? "" : "　") + StatusBar1.caption();
    };
    replay_side(RadioButton1, StringGrid1, app_.cur.StGr1);
    replay_side(RadioButton2, StringGrid2, app_.cur.StGr2);
    if (!notes.empty() && !stopped) StatusBar1.set_caption(notes);
    (bonus_before ? RadioButton2 : RadioButton1).set_checked(true);
}

void TForm4::check_bonus_timing() {
    TForm1& main = app_.main;
    const nav::BonusTiming timing = nav::table_bonus_timing(StringGrid2);
    const auto question =
        nav::bonus_timing_question(timing, main.bonus_interval(), main.bonus_first_months());
    if (!question) return;
    main.beep(Beep::Warning);
    if (app_.platform().ask(*question)) {
        app_.second_repayment.apply_timing(std::to_string(main.bonus_interval()),
                                           main.bonus_first_months());
    } else {
        const std::optional<int> first =
            timing.first.empty() ? std::nullopt : std::optional<int>(to_count(timing.first, 1));
        app_.second_repayment.apply_timing(timing.interval.empty() ? "6" : timing.interval, first);
    }
}

bool TForm4::replay(ReplayEnd end) {
    if (replay_running_) return false;
    TForm1& main = app_.main;
    const bool bonus = bonus_chosen();
    Grid& control = table();
    const bool active = table_radio().checked() && table_radio().enabled();
    const int last =
        end == ReplayEnd::SelectedRow ? control.selected_row() : control.row_count() - 1;
    // With the header or settings row selected there is no row to replay up to: emptying
    // the current table for nothing would lose the work in it.
    if (active && last < nav::kFirstDataRow) {
        StatusBar1.set_caption(kSelectARow);
        return false;
    }

    if (!replay_before_) replay_before_ = std::make_unique<nav::ReplayState>();
    nav::ReplayState& before = *replay_before_;
    before.take_again(app_, *this);
    replay_running_ = true;
    app_.compare.ReplayBusy = true;
    const auto release = [&] {
        replay_running_ = false;
        app_.compare.ReplayBusy = false;
        main.Ed0_moto.set_tag(0);
        main.Ed1_mm5.set_tag(0);
    };
    StatusBar1.set_caption("");
    try {
        replay_table(bonus, active, last);
    } catch (const nav::ReplayCellError& bad) {
        // A half-rebuilt current table is lost work: everything goes back as it was, and the
        // control tables stay as the user typed them.
        before.restore(app_, *this);
        release();
        app_.platform().beep(Beep::Default);
        ReplayStopReason = bad.what();
        StatusBar1.set_caption(bad.what());
        return false;
    } catch (...) {
        before.restore(app_, *this);
        release();
        throw;
    }
    release();
    return true;
}

// The main window's fields of the part a replay rebuilds.
TForm4::ReplayPart TForm4::replay_part(bool bonus) {
    TForm1& main = app_.main;
    return ReplayPart{bonus ? main.Edit9 : main.Edit4,
                      bonus ? main.Edit17 : main.Edit15,
                      bonus ? main.Ed1_Bzankaisu : main.Ed1_Mzankaisu,
                      bonus ? main.Edit43 : main.Edit33,
                      bonus ? main.Edit29 : main.Edit28,
                      bonus ? main.MsEd8_bon : main.MsEd8_mon,
                      bonus ? main.Button144 : main.Button139,
                      bonus ? main.But_bHiri : main.But_mHiri,
                      bonus ? main.RadioButton12 : main.RadioButton4,
                      bonus ? main.Panel8 : main.Panel7,
                      bonus ? app_.cur.StGr2 : app_.cur.StGr1,
                      bonus ? navi_sa_b : navi_sa_m,
                      bonus ? navi_tuki_b : navi_tuki_m,
                      bonus ? hozon_bon : hozon_mon};
}

// The replay proper: the basic settings kept, the chosen table rebuilt row by row (when it
// is the active one), the settings rows and the basic settings put back.
void TForm4::replay_table(bool bonus, bool active, int last) {
    TForm1& main = app_.main;
    Grid& control = table();
    // A loan run in one-month steps never states the bonus instalment in its settings row
    // (its first step has no bonus payment); the replay leaves it unstated too.
    const bool instalment_stated = !control.cell(nav::kSettingsRow, 6).empty();
    for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4})
        field->set_text("");
    check_bonus_timing();
    navi_sa_m = Money();
    navi_sa_b = Money();
    if (!CheckBox2.checked()) {
        main.st_ikkazu();
        main.PageControl1.set_active_page(main.TabSheet7);
    } else {
        main.PageControl1.set_active_page(main.TabSheet1);
    }
    const ReplayPart part = replay_part(bonus);
    if (active) prepare_replay(bonus, part);
    main.PRset1(Button8);
    main.Button6Click(main.Button6);
    if (active) {
        replay_rows(bonus, part, last);
        finish_table(part);
        if (!instalment_stated) {
            control.set_cell(nav::kSettingsRow, 6, "");
            part.current.set_cell(nav::kSettingsRow, 6, "");
        }
    }
    main.Button88.show();
    app_.cur.StGr1.set_cell(nav::kSettingsRow, 6, StringGrid1.cell(nav::kSettingsRow, 6));
    app_.cur.StGr2.set_cell(nav::kSettingsRow, 6, StringGrid2.cell(nav::kSettingsRow, 6));
    if (!CheckBox2.checked()) {
        // Back to the start of the replayed loan first, so that the step length put
        // back fits the term instead of being refused at its end.
        main.PRset1(main.Ed0_moto);
        main.end_ikkazu();
    }
    main.Ed555.set_text(main.Ed555.text() + "^");
}

// The main window set up as a fresh loan of the first row's principal, rate and remaining
// count, with the first-payment difference that the stored instalment contains.
void TForm4::prepare_replay(bool bonus, const ReplayPart& part) {
    TForm1& main = app_.main;
    Grid& control = table();
    const nav::RowReader row(control, bonus);
    constexpr int first = nav::kFirstDataRow;
    part.navi_tuki = row.whole(first, nav::kMonth);
    const long long remaining = row.whole(first, nav::kRemaining);
    row.number(first, nav::kPrincipal);
    row.number(first, nav::kRate);

    const int interval = main.bonus_interval();
    if (!bonus) {
        main.Bt7_MClearClick(main.Bt7_MClear);
        main.Ed0_tuki.set_text("6");
        main.Ed0_nen.set_text("0");
        main.Ed0_tuki.set_text(control.cell(first, nav::kRemaining));
        main.Edit13.set_text("1");
        main.Edit1.set_text(control.cell(first, nav::kPrincipal));
        main.Edit6.set_text("0");
        main.Ed0_wari.set_text("0");
    } else {
        main.Bt7_BClearClick(main.Bt7_BClear);
        put(main.Ed0_tuki, interval);
        main.Ed0_nen.set_text("0");
        put(main.Ed0_tuki, general(static_cast<long double>(remaining - 1) * interval +
                                   main.bonus_first_months()));
        put(main.Edit13, interval);
        main.Edit6.set_text(control.cell(first, nav::kPrincipal));
        main.Edit1.set_text("0");
        main.Ed0_wari.set_text("100");
    }
    main.Ed0_kin.set_text(control.cell(first, nav::kRate));
    // A write that leaves a field's text as it was raises no change, and the share typed
    // while the principal was being synchronised resets nothing: without a reset here the
    // other part would keep its principal and write rows into its own current table.
    main.PRset1(main.Ed0_kin);
    control.set_cell(nav::kSettingsRow, 6, part.instalment.text());
    const bool month_counts = CheckBox4.checked();

    if (control.cell(nav::kSettingsRow, 12) == "差額有" && !main.equal_principal() &&
        starts_with(control.cell(nav::kSettingsRow, 10), "実行日")) {
        replay_first_difference(bonus, part, row);
    }
    if (Label11.caption() == "補正有") {
        main.CheckBox2.set_checked(false);
        main.first_payment_reference();
    }
    part.current.set_cell(nav::kSettingsRow, 6, control.cell(nav::kSettingsRow, 6));
    show_month_counts(month_counts);
}

// The first-payment difference the stored first instalment contains, found with the loan
// dates the control table was made with.
void TForm4::replay_first_difference(bool bonus, const ReplayPart& part,
                                     const nav::RowReader& row) {
    TForm1& main = app_.main;
    Grid& control = table();
    constexpr int first = nav::kFirstDataRow;
    const std::string stored = control.cell(first, nav::kInstalment);
    row.number(first, nav::kInstalment);
    const std::string label = Label11.caption();
    const std::string loan_date = main.MsEd8_yusi.text();
    const std::string first_date = part.first_date.text();
    if (!hozon_yusi.empty()) main.MsEd8_yusi.set_text(hozon_yusi);
    if (!part.hozon_first.empty()) part.first_date.set_text(part.hozon_first);
    main.CheckBox2.set_checked(false);
    // Three passes: the difference found with the stored instalment, then with the
    // instalment less the difference found before.
    Money difference;
    const bool holds_difference = nav::first_instalment_corrected(control);
    for (int pass = 0; pass < 3; ++pass) {
        part.instalment.set_text(
            pass == 0 || !holds_difference ? stored : nav::less_difference(stored, difference));
        main.first_payment_reference();
        difference = bonus ? main.syokai_sa_b : main.syokai_sa_m;
    }
    part.navi_sa = difference;
    Label11.set_caption(label);
    main.MsEd8_yusi.set_text(loan_date);
    part.first_date.set_text(first_date);
    if (label != "補正有") main.CheckBox2.set_checked(true);
}

// Month numbers and the settings-row markers of the rebuilt table.
void TForm4::finish_table(const ReplayPart& part) {
    TForm1& main = app_.main;
    Grid& control = table();
    Grid& current = part.current;
    if (control.cell(nav::kSettingsRow, 1) != "平") {
        current.set_cell(nav::kSettingsRow, 1, "月");
        current.set_cell(nav::kSettingsRow, 2, "目");
        nav::shift_month_numbers(current, part.navi_tuki);
    } else {
        current.set_cell(nav::kSettingsRow, 6, control.cell(nav::kSettingsRow, 6));
        main.Button52Click(main.Button52);
        current.set_cell(nav::kSettingsRow, 1, "平");
        current.set_cell(nav::kSettingsRow, 2, "成");
        if (Label11.caption() == "補正有") {
            main.syokai_forced = true;
            main.Button51Click(main.Button51);
        }
    }
    current.set_cell(nav::kSettingsRow, 9, main.Ed555.text());
    select_row(current, control.selected_row());
    app_.platform().repaint();
}

}  // namespace rebanto
