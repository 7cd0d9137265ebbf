// The rows of a replay: each row of the control table put into the main window's fields of
// its part and committed with "メモ記載", as the user would, with the prepayment of the row
// below it, the flag of its kind and the totals rows in between.
#include <algorithm>
#include <string>
#include <vector>

#include "base/field_at.h"
#include "core/field_io.h"
#include "core/schedule_rows.h"
#include "forms/app.h"
#include "navigator/replay_part.h"
#include "navigator/replay_parts.h"
#include "navigator/replay_state.h"

namespace rebanto {

namespace nav = navigator;

namespace {

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

void TForm4::replay_rows(bool bonus, const ReplayPart& part, int last) {
    TForm1& main = app_.main;
    Grid& control = table();
    const nav::RowReader row(control, bonus);
    const int interval = main.bonus_interval();
    if (bonus && interval < main.bonus_first_months()) {
        for (int i = main.bonus_first_months() / interval; i > 0; --i)
            main.PRset1(main.Button1);
    }
    const bool corrected_first = CheckBox1.checked() && nav::first_instalment_corrected(control);
    last = std::min(last, control.row_count() - 1);
    // Whether a row of the control table found the loan already paid off and wrote nothing.
    bool paid_off = false;
    // Prepayments not made as the control table asks, named by their row.
    std::vector<std::string> notes;
    for (int r = nav::kFirstDataRow; r <= last; ++r) {
        if (nav::is_prepayment_row(control, r)) continue;  // consumed by the row above
        if (nav::is_totals_row(control, r)) {
            replay_totals_row(bonus, part, r, paid_off);
            continue;
        }
        if (r + 1 < control.row_count() && nav::is_prepayment_row(control, r + 1)) {
            load_prepayment_row(part, row, r);
        }
        load_row_inputs(bonus, part, row, r);
        const std::string flag = control.cell(r, nav::kFlag);
        const bool principal_first = apply_row_flag(bonus, part, row, r, flag);
        if (r == nav::kFirstDataRow && corrected_first) {
            row.number(r, nav::kInstalment);
            part.instalment.set_text(
                nav::less_difference(control.cell(r, nav::kInstalment), part.navi_sa));
        }
        if (bonus && r == nav::kFirstDataRow && control.cell(nav::kSettingsRow, 8) == "年金元用") {
            main.Edit9.set_text(control.cell(nav::kSettingsRow, 6));
        }
        part.principal_first.set_tag(principal_first ? 1 : 0);
        commit_replayed_row(bonus, part, r, flag, paid_off, notes);
    }
    if (!notes.empty()) {
        std::string text = notes.front();
        if (notes.size() > 1) text += "（ほか " + std::to_string(notes.size() - 1) + " 件）";
        StatusBar1.set_caption(text);
    }
}

// A totals row of the control table: the totals written as "合計記入" writes them, dated
// with the month the loan ended.
void TForm4::replay_totals_row(bool bonus, const ReplayPart& part, int r, bool paid_off) {
    TForm1& main = app_.main;
    Grid& control = table();
    const std::string own_month = control.cell(r, nav::kMonth);
    control.set_cell(r, nav::kMonth, control.cell(r - 1, nav::kMonth));
    const int written = part.current.row_count();
    bonus ? main.goukeikinyu_b() : main.goukeikinyu_m();
    if (part.current.row_count() > written) {
        date_totals_row(part.current, written, control, r, own_month, paid_off,
                        bonus ? main.bonus_interval() : 1);
    }
}

// The prepayment row below row r into the intermediate-prepayment fields; an older row
// without its own rate takes the rate of the row it is paid with.
void TForm4::load_prepayment_row(const ReplayPart& part, const nav::RowReader& row, int r) {
    TForm1& main = app_.main;
    Grid& control = table();
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
    if (!is_timing_word(timing)) throw nav::ReplayCellError(control, row.bonus(), p, nav::kTiming);
    if (timing != "同時") row.whole(p, nav::kEndCount);
    main.Edit27.set_text(control.cell(p, nav::kRate));
    main.Ed_Uchi.set_text(control.cell(p, nav::kEndCount));
    main.La_Uchi.set_caption(timing);
    part.prepaid.set_text(control.cell(p, nav::kRepaid));
}

// The rate, the payments in the row and the payments left.
void TForm4::load_row_inputs(bool bonus, const ReplayPart& part, const nav::RowReader& row, int r) {
    TForm1& main = app_.main;
    Grid& control = table();
    row.number(r, nav::kRate);
    const long long in_row = row.whole(r, nav::kInRow);
    row.whole(r, nav::kRemaining);
    main.Edit2.set_text(control.cell(r, nav::kRate));
    if (bonus) {
        put(main.Edit13, general(static_cast<long double>(in_row) * main.bonus_interval()));
    } else {
        main.Edit13.set_text(control.cell(r, nav::kInRow));
    }
    part.remaining.set_text(control.cell(r, nav::kRemaining));
}

// The instalment of row r as its flag asks: daily interest ("D"), a converted rate ("S"), an
// instalment of its own ("X"), each with the principal part kept ("o"). True when the
// principal goes first.
bool TForm4::apply_row_flag(bool bonus, const ReplayPart& part, const nav::RowReader& row, int r,
                            const std::string& flag) {
    TForm1& main = app_.main;
    Grid& control = table();
    const bool equal_principal = main.equal_principal();
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
    if (CheckBox1.checked() || num(Edit6) >= row.number(r, nav::kMonth)) {
        put_instalment(part, row, r, nav::kInstalment);
    }
    if (kind == 'D') {
        (bonus ? main.But_bDainyu : main.But_mDainyu).click();
        part.panel.hide();
    } else if (kind == 'S') {
        const std::string converted = field_at(flag, 1);
        row.number_in_flag(r, converted);
        main.Edit2.set_text(converted);
        if (!principal_kept && !equal_principal) put_instalment(part, row, r, nav::kInstalment);
    } else if (kind == 'X') {
        if (!principal_kept || equal_principal) {
            put_instalment(part, row, r, equal_principal ? nav::kRepaid : nav::kInstalment);
        }
        control.set_cell(r, nav::kFlag, "");  // used once
    } else {
        return false;
    }
    if (!principal_kept) return false;
    // The principal part of the row kept, the interest of the row added.
    if (!equal_principal) {
        row.number(r, nav::kRepaid);
        put(part.instalment, to_money(control.cell(r, nav::kRepaid)) + money(part.interest));
    }
    return true;
}

void TForm4::put_instalment(const ReplayPart& part, const nav::RowReader& row, int r, int col) {
    row.number(r, col);
    part.instalment.set_text(table().cell(r, col));
}

// "メモ記載" as the user would press it: not while the step is refused. A row that keeps its
// instalment ends with the payment that pays the loan off.
void TForm4::commit_replayed_row(bool bonus, const ReplayPart& part, int r, const std::string& flag,
                                 bool& paid_off, std::vector<std::string>& notes) {
    TForm1& main = app_.main;
    Grid& control = table();
    const int written = part.current.row_count();
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
    if (!flag.empty() && flag[0] == 'S' && part.current.row_count() > written) {
        part.current.set_cell(written, nav::kFlag, flag);
    }
    if (r % 12 == 9 && r - 9 < part.current.row_count()) {
        select_row(part.current, r - 9);
        app_.platform().repaint();
    }
}

}  // namespace rebanto
