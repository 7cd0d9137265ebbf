// The replay: a control table fed row by row through the main window's one-period
// calculation, exactly as if the user had pressed "メモ記載" once per row with the row's
// values as inputs. The current table is emptied first and rebuilt; the basic settings are
// kept before and put back after.
#include <algorithm>
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

// The correction by dates changes the first row's instalment only when that row is the
// first instalment alone; a row of several instalments carries the difference in its
// interest, and its instalment is the plain one.
bool first_instalment_corrected(const Grid& control) {
    return control.cell(nav::kSettingsRow, 12) == "差額有" &&
           starts_with(control.cell(nav::kSettingsRow, 10), "実行日") &&
           control.cell(nav::kFirstDataRow, 7) == "1";
}

}  // namespace

// The fields of the main window that one part of the loan uses.
struct TForm4::ReplayPart {
    Edit& instalment;
    Edit& interest;
    Edit& remaining;
    Edit& prepaid;
    Edit& days;
    Edit& first_date;
    Button& principal_first;
    Button& day_panel;
    RadioButton& day_interest;
    Panel& panel;
    Grid& current;
    Money& navi_sa;
    long long& navi_tuki;
    std::string& hozon_first;
};

namespace {

// The cells a row must hold as numbers before it is replayed; a row that does not is where
// the replay stops.
class RowReader {
public:
    RowReader(const Grid& table, bool bonus) : table_(table), bonus_(bonus) {}

    const std::string& text(int row, int col) const { return table_.cell(row, col); }
    long double number(int row, int col) const {
        try {
            return to_extended(table_.cell(row, col));
        } catch (const ConversionError&) {
            throw nav::ReplayCellError(table_, bonus_, row, col);
        }
    }
    // A whole number within the counts the engine takes.
    long long whole(int row, int col) const {
        try {
            return to_count(table_.cell(row, col));
        } catch (const ConversionError&) {
            throw nav::ReplayCellError(table_, bonus_, row, col);
        }
    }
    // A number inside a flag; the flag's cell is named.
    long double number_in_flag(int row, const std::string& text) const {
        try {
            return to_extended(text);
        } catch (const ConversionError&) {
            throw nav::ReplayCellError(table_, bonus_, row, nav::kFlag);
        }
    }

private:
    const Grid& table_;
    bool bonus_;
};

// The schedule rows of a control table as the current table has them.
bool same_rows(const Grid& control, const Grid& current) {
    if (control.row_count() != current.row_count()) return false;
    for (int r = nav::kFirstDataRow; r < control.row_count(); ++r)
        if (control.row_cells(r) != current.row_cells(r)) return false;
    return true;
}

// "月制御表の13行目（月回 246）：", how the user finds a prepayment row again.
// The month is the one of the row the prepayment is paid with.
std::string prepayment_row_name(const Grid& control, bool bonus, int row, int paid_with) {
    return std::string(bonus ? "ﾎﾞｰﾅｽ" : "月") + "制御表の" + std::to_string(row) + "行目（月回 " +
           control.cell(paid_with, nav::kMonth) + "）：";
}

// A prepayment capped at the principal left keeps the surplus asked in its remark; replayed
// again it asks only what it paid, and its row keeps that remark as long as it pays the same.
void keep_surplus_remark(const Grid& control, int p, Grid& current) {
    if (p >= control.row_count() || !nav::has_prepayment_flag(control, p)) return;
    const int last = current.row_count() - 1;
    if (last < nav::kFirstDataRow || !nav::has_prepayment_flag(current, last)) return;
    const std::string& asked = control.cell(p, nav::kFlag);
    const std::string& written = current.cell(last, nav::kFlag);
    if (surplus_in_remark(asked) > Money() && surplus_in_remark(written) == Money() &&
        asked.compare(0, asked.find(kSurplusMark), written) == 0 &&
        control.cell(p, nav::kRepaid) == current.cell(last, nav::kRepaid)) {
        current.set_cell(last, nav::kFlag, asked);
    }
}

bool is_timing_word(const std::string& word) {
    return word == "同時" || word == "日後" || word == "月後";
}

// A totals row carries the month the loan ended: the month of the last row written, and for
// a table that was not cut short the months the loan ran on after that row, as the table
// replayed said (a bonus table's loan runs up to an interval past its last bonus payment).
void date_totals_row(Grid& current, int totals, const Grid& control, int r,
                     const std::string& own_month, bool paid_off, int months_after) {
    int last_row = -1;
    for (int k = totals - 1; k >= nav::kFirstDataRow && last_row < 0; --k) {
        if (!nav::is_totals_row(current, k) && !nav::is_prepayment_row(current, k)) last_row = k;
    }
    if (last_row < 0) return;
    long long month = 0;
    try {
        month = to_int(current.cell(last_row, nav::kMonth));
    } catch (const ConversionError&) {
        return;
    }
    if (!paid_off && months_after > 1) {
        try {
            const long long beyond = to_int(own_month) - to_int(control.cell(r, nav::kMonth));
            month += std::clamp<long long>(beyond, 0, months_after - 1);
        } catch (const ConversionError&) {
            // A totals row inserted by hand has no month of its own yet.
        }
    }
    current.set_cell(totals, nav::kMonth, std::to_string(month));
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

    const nav::ReplayState before = nav::ReplayState::take(app_, *this);
    // A loan run in one-month steps never states the bonus instalment in its settings row
    // (its first step has no bonus payment); the replay leaves it unstated too.
    const bool instalment_stated = !control.cell(nav::kSettingsRow, 6).empty();
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
        ReplayPart part{bonus ? main.Edit9 : main.Edit4,
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

// The main window set up as a fresh loan of the first row's principal, rate and remaining
// count, with the first-payment difference that the stored instalment contains.
void TForm4::prepare_replay(bool bonus, const ReplayPart& part) {
    TForm1& main = app_.main;
    Grid& control = table();
    const RowReader row(control, bonus);
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

    const std::string& marker = control.cell(nav::kSettingsRow, 12);
    if (marker == "差額有" && !main.equal_principal() &&
        starts_with(control.cell(nav::kSettingsRow, 10), "実行日")) {
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
        const bool holds_difference = first_instalment_corrected(control);
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
    if (Label11.caption() == "補正有") {
        main.CheckBox2.set_checked(false);
        main.first_payment_reference();
    }
    part.current.set_cell(nav::kSettingsRow, 6, control.cell(nav::kSettingsRow, 6));
    show_month_counts(month_counts);
}

void TForm4::replay_rows(bool bonus, const ReplayPart& part, int last) {
    TForm1& main = app_.main;
    Grid& control = table();
    const RowReader row(control, bonus);
    const int interval = main.bonus_interval();
    const bool equal_principal = main.equal_principal();

    if (bonus && interval < main.bonus_first_months()) {
        for (int i = main.bonus_first_months() / interval; i > 0; --i)
            main.PRset1(main.Button1);
    }
    const bool corrected_first = CheckBox1.checked() && first_instalment_corrected(control);
    last = std::min(last, control.row_count() - 1);
    // Whether a row of the control table found the loan already paid off and wrote nothing.
    bool paid_off = false;
    // Prepayments not made as the control table asks, named by their row.
    std::vector<std::string> notes;
    for (int r = nav::kFirstDataRow; r <= last; ++r) {
        if (nav::is_prepayment_row(control, r)) continue;  // consumed by the row above
        if (nav::is_totals_row(control, r)) {
            const std::string own_month = control.cell(r, nav::kMonth);
            control.set_cell(r, nav::kMonth, control.cell(r - 1, nav::kMonth));
            const int written = part.current.row_count();
            bonus ? main.goukeikinyu_b() : main.goukeikinyu_m();
            if (part.current.row_count() > written) {
                date_totals_row(part.current, written, control, r, own_month, paid_off,
                                bonus ? interval : 1);
            }
            continue;
        }
        if (r + 1 < control.row_count() && nav::is_prepayment_row(control, r + 1)) {
            const int p = r + 1;
            if (nav::is_older_prepayment(control, p)) {
                Ed_Uchi.set_text("");
                La_Uchi.set_caption("同時");
                const int rate_row = control.cell(r, nav::kFlag).empty() ? r : r - 1;
                control.set_cell(p, nav::kRate, control.cell(rate_row, nav::kRate));
                nav::modernise_prepayment(control, p);
            }
            row.number(p, nav::kRate);
            row.number(p, nav::kRepaid);
            const std::string& timing = control.cell(p, nav::kTiming);
            if (!is_timing_word(timing))
                throw nav::ReplayCellError(control, bonus, p, nav::kTiming);
            if (timing != "同時") row.whole(p, nav::kEndCount);
            main.Edit27.set_text(control.cell(p, nav::kRate));
            main.Ed_Uchi.set_text(control.cell(p, nav::kEndCount));
            main.La_Uchi.set_caption(timing);
            part.prepaid.set_text(control.cell(p, nav::kRepaid));
        }

        row.number(r, nav::kRate);
        const long long in_row = row.whole(r, nav::kInRow);
        row.whole(r, nav::kRemaining);
        main.Edit2.set_text(control.cell(r, nav::kRate));
        if (bonus) {
            put(main.Edit13, general(static_cast<long double>(in_row) * interval));
        } else {
            main.Edit13.set_text(control.cell(r, nav::kInRow));
        }
        part.remaining.set_text(control.cell(r, nav::kRemaining));

        const std::string flag = control.cell(r, nav::kFlag);
        const char kind = flag.empty() ? '\0' : flag[0];
        const bool principal_kept = flag.size() > 1 && flag[1] == 'o';
        // Daily interest: the panel opened and its days set before the instalment is put in,
        // since choosing the interest kind recomputes the step.
        if (kind == 'D') {
            const std::string days = flag.substr(2, 15);
            row.number_in_flag(r, days);
            part.day_panel.click();
            part.day_interest.set_checked(true);
            part.days.set_text(days);
        }
        bool principal_first = false;
        const bool keep_instalment =
            CheckBox1.checked() || num(Edit6) >= row.number(r, nav::kMonth);
        if (keep_instalment) {
            row.number(r, nav::kInstalment);
            part.instalment.set_text(control.cell(r, nav::kInstalment));
        }
        // The principal part of the row kept, the interest of the row added.
        const auto principal_part_plus_interest = [&] {
            row.number(r, nav::kRepaid);
            put(part.instalment, to_money(control.cell(r, nav::kRepaid)) + money(part.interest));
        };
        if (kind == 'D') {
            (bonus ? main.But_bDainyu : main.But_mDainyu).click();
            part.panel.hide();
            if (principal_kept) {
                if (!equal_principal) principal_part_plus_interest();
                principal_first = true;
            }
        } else if (kind == 'S') {
            const std::string converted = field_at(flag, 1);
            row.number_in_flag(r, converted);
            main.Edit2.set_text(converted);
            if (!principal_kept) {
                if (!equal_principal) {
                    row.number(r, nav::kInstalment);
                    part.instalment.set_text(control.cell(r, nav::kInstalment));
                }
            } else {
                if (!equal_principal) principal_part_plus_interest();
                principal_first = true;
            }
        } else if (kind == 'X') {
            const int col = equal_principal ? nav::kRepaid : nav::kInstalment;
            if (!principal_kept) {
                row.number(r, col);
                part.instalment.set_text(control.cell(r, col));
            } else if (equal_principal) {
                row.number(r, col);
                part.instalment.set_text(control.cell(r, col));
                principal_first = true;
            } else {
                principal_part_plus_interest();
                principal_first = true;
            }
            control.set_cell(r, nav::kFlag, "");  // used once
        }
        if (r == nav::kFirstDataRow && corrected_first) {
            row.number(r, nav::kInstalment);
            part.instalment.set_text(
                nav::less_difference(control.cell(r, nav::kInstalment), part.navi_sa));
        }
        if (bonus && r == nav::kFirstDataRow && control.cell(nav::kSettingsRow, 8) == "年金元用") {
            main.Edit9.set_text(control.cell(nav::kSettingsRow, 6));
        }

        part.principal_first.set_tag(principal_first ? 1 : 0);
        const int written = part.current.row_count();
        // "メモ記載" as the user would press it: not while the step is refused. A row that
        // keeps its instalment ends with the payment that pays the loan off.
        if (main.Button1.enabled()) {
            main.cut_step_at_payoff(bonus);
            main.PRset1(main.Button1);
            if (!main.PrepaymentNote.empty()) {
                const bool own_row =
                    r + 1 < control.row_count() && nav::is_prepayment_row(control, r + 1);
                notes.push_back(prepayment_row_name(control, bonus, own_row ? r + 1 : r, r) +
                                main.PrepaymentNote);
            }
        }
        if (part.current.row_count() == written) paid_off = true;
        if (part.current.row_count() > written) keep_surplus_remark(control, r + 1, part.current);
        if (kind == 'S' && part.current.row_count() > written) {
            part.current.set_cell(written, nav::kFlag, flag);
        }
        if (r % 12 == 9 && r - 9 < part.current.row_count()) {
            select_row(part.current, r - 9);
            app_.platform().repaint();
        }
    }
    if (!notes.empty()) {
        std::string text = notes.front();
        if (notes.size() > 1) text += "（ほか " + std::to_string(notes.size() - 1) + " 件）";
        StatusBar1.set_caption(text);
    }
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
