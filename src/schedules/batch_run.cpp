// The mechanics every batch table shares: the basic settings kept across the table, the
// bonus timing forced to six months for the plans that assume it, committing steps with
// the instalment held ("直前"), and the memo titles and section lines.
#include "base/date.h"
#include "base/format.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// A long table shows its progress once a loan year of commits.
constexpr int kCommitsPerRepaint = 12;

void replace_first_line(Memo& memo, const std::string& line) {
    std::vector<std::string> lines = memo.lines();
    if (lines.empty()) {
        lines.push_back(line);
    } else {
        lines[0] = line;
    }
    memo.set_lines(std::move(lines));
}

}  // namespace

void TForm1::st_ikkazu() {
    BatchSettingsMemory = keep_basic_settings();
    batch_settings_kept_ = true;
}

void TForm1::end_ikkazu() {
    batch_settings_kept_ = false;
    write_back_basic_settings(BatchSettingsMemory);
}

// The corporation plans and the variable-rate bonus schedule count bonus payments every
// six months; the first bonus month stays the user's.
TForm1::BonusTimingMemory TForm1::force_six_month_bonus() {
    BonusTimingMemory saved;
    saved.interval = bonus_interval();
    saved.first_months = bonus_first_months();
    saved.version = app_.second_repayment.LaVers.caption();
    saved.deferral = Edit35.text();
    if (saved.interval != 6) {
        app_.second_repayment.apply_timing("6", saved.first_months, saved.version);
        Edit35.set_text(saved.deferral);
    }
    return saved;
}

void TForm1::restore_bonus_timing(const BonusTimingMemory& saved) {
    if (bonus_interval() != saved.interval || bonus_first_months() != saved.first_months) {
        app_.second_repayment.apply_timing(std::to_string(saved.interval), saved.first_months,
                                           saved.version);
    }
    Edit35.set_text(saved.deferral);
}

// The tables were built with a six-month interval, whatever the timing is now.
void TForm1::stamp_six_month_tables() {
    const std::string stamp = bonus_settings_string(6, bonus_first_months(), "64");
    app_.cur.StGr1.set_cell(kSettingsRow, schedule_col::kBonusSettings, stamp);
    app_.cur.StGr2.set_cell(kSettingsRow, schedule_col::kBonusSettings, stamp);
}

void TForm1::batch_run(bool six_month_bonus, const std::function<void()>& body) {
    BonusTimingMemory timing;
    if (six_month_bonus) timing = force_six_month_bonus();
    if (batch_depth_++ == 0) app_.platform().set_wait_cursor(true);
    begin_commit_run();
    const auto finish = [&] {
        const bool ran = end_commit_run();
        if (--batch_depth_ == 0) app_.platform().set_wait_cursor(false);
        if (six_month_bonus) restore_bonus_timing(timing);
        // A table stopped by a failure puts the basic settings back as a finished one does.
        if (!ran && batch_depth_ == 0 && batch_settings_kept_) end_ikkazu();
    };
    try {
        body();
        if (commit_run_failed()) throw RunStopped();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (six_month_bonus) stamp_six_month_tables();
}

// "メモ記載" as the user would press it: not while the button is withdrawn (a term of 0
// months, or a step that no longer fits). A failure of the calculation ends the table.
bool TForm1::batch_commit() {
    if (commit_run_failed()) throw RunStopped();
    if (!Button1.enabled()) return false;
    PRset1(Button1);
    if (commit_run_failed()) throw RunStopped();
    if (++batch_commits_ % kCommitsPerRepaint == 0) app_.platform().repaint();
    return true;
}

void TForm1::batch_hold() {
    Button21Click(Button21);
}

// Writing the same length again still reruns the step.
void TForm1::set_step_months(const std::string& months) {
    if (Edit13.text() == months) {
        Ed1_mm5Change(Edit13);
    } else {
        Edit13.set_text(months);
    }
}

void TForm1::batch_section(const std::string& line, bool monthly, bool bonus) {
    if (monthly) RichEdit1.append(line);
    if (bonus) RichEdit2.append(line);
    app_.platform().repaint();
}

// "Rebanto（月返済）＊＊＊月次返済表＊＊＊  -- by." and its siblings: the stream ("月", the
// bonus stream's name) and the table's name; equal principal has its own opening.
std::string TForm1::batch_head(const std::string& stream, const std::string& table) const {
    return std::string(equal_principal() ? "元金均等返済検討書（" : "Rebanto（") + stream +
           "返済）＊＊＊" + table + "＊＊＊  -- by.";
}

void TForm1::replace_memo_title(Memo& memo, const std::string& title) {
    replace_first_line(memo, title);
}

// Both memos and tables cleared, each memo titled for its part.
void TForm1::batch_titles(const std::string& monthly_head, const std::string& bonus_head) {
    Bt0_allClearClick(Bt0_allClear);
    replace_first_line(RichEdit1, batch_title(monthly_head));
    replace_first_line(RichEdit2, batch_title(bonus_head));
}

std::string TForm1::batch_title(const std::string& head) const {
    return head + Edit46.text() + " -- " + short_date(app_.platform().today()) + " -- " + " --";
}

// A full schedule of one part starts on an empty memo with its title, an empty line and
// the band line, and on a table of the header and settings rows.
void TForm1::start_part(bool bonus, const std::string& head) {
    Memo& memo = bonus ? RichEdit2 : RichEdit1;
    Grid& table = bonus ? app_.cur.StGr2 : app_.cur.StGr1;
    memo.clear();
    table.set_row_count(kFirstDataRow);
    memo.append(batch_title(head));
    memo.append("");
    memo.append(bonus ? Ed5_memoobi.text() + "-月回+" : Ed5_memoobi.text());
}

// A full schedule of one part alone: the basic settings kept, the loan made of that part
// (the other part's next principal nothing), its memo and table started afresh.
void TForm1::open_part_schedule(bool bonus, const std::string& rate, const std::string& years,
                                const std::string& principal, const std::string& head) {
    st_ikkazu();
    Ed0_wari.set_text(bonus ? "100" : "0");
    if (!bonus) Ed0_nen.set_text(years);
    Ed0_moto.set_text(principal);
    Ed0_kin.set_text(rate);
    (bonus ? NextPrincipalM : NextPrincipalB) = Money();
    start_part(bonus, head);
}

void TForm1::close_part_schedule(bool bonus) {
    if (bonus) {
        goukeikinyu_b();
    } else {
        goukeikinyu_m();
    }
    end_ikkazu();
}

// A first bonus later than one interval: the steps before it carry no bonus payment.
int TForm1::commit_steps_before_first_bonus() {
    if (bonus_interval() >= bonus_first_months()) return 0;
    const int steps = bonus_first_months() / bonus_interval();
    for (int i = 0; i < steps; ++i)
        batch_commit();
    return steps;
}

// The part after a reset, on a cleared memo and table, when the loan has that part.
bool TForm1::build_part(bool bonus, const std::function<void()>& build) {
    PRset1(Ed0_kin);
    if (bonus) {
        Bt7_BClearClick(Bt7_BClear);
    } else {
        Bt7_MClearClick(Bt7_MClear);
    }
    const bool present = (bonus ? Edit6 : Edit1).tag() == 1;
    if (present) build();
    return present;
}

void TForm1::build_one_part(bool bonus, const std::function<void()>& build,
                            const std::string& work_name) {
    build_part(bonus, build);
    Ed555.set_text(work_name);
    beep(Beep::Information);
}

void TForm1::build_both_parts(const std::function<void()>& monthly_part,
                              const std::function<void()>& bonus_part,
                              const std::string& work_name) {
    const bool monthly = build_part(false, monthly_part);
    const bool bonus = build_part(true, bonus_part);
    Ed555.set_text(work_name);
    PageControl1.set_active_page(TabSheet7);
    if (monthly) Label_m.show();
    if (bonus) Label_b.show();
    beep(Beep::Information);
}

}  // namespace rebanto
