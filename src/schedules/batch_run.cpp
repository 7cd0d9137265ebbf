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

void BatchTablesPage::st_ikkazu() {
    BatchSettingsMemory = main_.keep_basic_settings();
    batch_settings_kept_ = true;
}

void BatchTablesPage::end_ikkazu() {
    batch_settings_kept_ = false;
    main_.write_back_basic_settings(BatchSettingsMemory);
}

// The corporation plans and the variable-rate bonus schedule count bonus payments every
// six months; the first bonus month stays the user's.
TForm1::BonusTimingMemory BatchTablesPage::force_six_month_bonus() {
    BonusTimingMemory saved;
    saved.interval = main_.bonus_interval();
    saved.first_months = main_.bonus_first_months();
    saved.version = app().second_repayment.LaVers.caption();
    saved.deferral = main_.Edit35.text();
    if (saved.interval != 6) {
        app().second_repayment.apply_timing("6", saved.first_months, saved.version);
        main_.Edit35.set_text(saved.deferral);
    }
    return saved;
}

void BatchTablesPage::restore_bonus_timing(const BonusTimingMemory& saved) {
    if (main_.bonus_interval() != saved.interval ||
        main_.bonus_first_months() != saved.first_months) {
        app().second_repayment.apply_timing(std::to_string(saved.interval), saved.first_months,
                                            saved.version);
    }
    main_.Edit35.set_text(saved.deferral);
}

// The tables were built with a six-month interval, whatever the timing is now.
void BatchTablesPage::stamp_six_month_tables() {
    const std::string stamp = bonus_settings_string(6, main_.bonus_first_months(), "64");
    app().cur.StGr1.set_cell(kSettingsRow, schedule_col::kBonusSettings, stamp);
    app().cur.StGr2.set_cell(kSettingsRow, schedule_col::kBonusSettings, stamp);
}

void BatchTablesPage::batch_run(bool six_month_bonus, const std::function<void()>& body) {
    BonusTimingMemory timing;
    if (six_month_bonus) timing = force_six_month_bonus();
    if (batch_depth_++ == 0) app().platform().set_wait_cursor(true);
    main_.begin_commit_run();
    const auto finish = [&] {
        const bool ran = main_.end_commit_run();
        if (--batch_depth_ == 0) app().platform().set_wait_cursor(false);
        if (six_month_bonus) restore_bonus_timing(timing);
        // A table stopped by a failure puts the basic settings back as a finished one does.
        if (!ran && batch_depth_ == 0 && batch_settings_kept_) end_ikkazu();
    };
    try {
        body();
        if (main_.commit_run_failed()) throw RunStopped();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (six_month_bonus) stamp_six_month_tables();
}

// "メモ記載" as the user would press it: not while the button is withdrawn (a term of 0
// months, or a step that no longer fits). A failure of the calculation ends the table.
bool BatchTablesPage::batch_commit() {
    if (main_.commit_run_failed()) throw RunStopped();
    if (!main_.Button1.enabled()) return false;
    main_.PRset1(main_.Button1);
    if (main_.commit_run_failed()) throw RunStopped();
    if (++batch_commits_ % kCommitsPerRepaint == 0) app().platform().repaint();
    return true;
}

void BatchTablesPage::batch_hold() {
    main_.Button21Click(main_.Button21);
}

// Writing the same length again still reruns the step.
void BatchTablesPage::set_step_months(const std::string& months) {
    if (main_.Edit13.text() == months) {
        main_.Ed1_mm5Change(main_.Edit13);
    } else {
        main_.Edit13.set_text(months);
    }
}

void BatchTablesPage::batch_section(const std::string& line, bool monthly, bool bonus) {
    if (monthly) main_.RichEdit1.append(line);
    if (bonus) main_.RichEdit2.append(line);
    app().platform().repaint();
}

// "Rebanto（月返済）＊＊＊月次返済表＊＊＊  -- by." and its siblings: the stream ("月", the
// bonus stream's name) and the table's name; equal principal has its own opening.
std::string BatchTablesPage::batch_head(const std::string& stream, const std::string& table) const {
    return std::string(main_.equal_principal() ? "元金均等返済検討書（" : "Rebanto（") + stream +
           "返済）＊＊＊" + table + "＊＊＊  -- by.";
}

void BatchTablesPage::replace_memo_title(Memo& memo, const std::string& title) {
    replace_first_line(memo, title);
}

// Both memos and tables cleared, each memo titled for its part.
void BatchTablesPage::batch_titles(const std::string& monthly_head, const std::string& bonus_head) {
    main_.Bt0_allClearClick(main_.Bt0_allClear);
    replace_first_line(main_.RichEdit1, batch_title(monthly_head));
    replace_first_line(main_.RichEdit2, batch_title(bonus_head));
}

std::string BatchTablesPage::batch_title(const std::string& head) const {
    return head + main_.Edit46.text() + " -- " + short_date(app().platform().today()) + " -- " +
           " --";
}

// A full schedule of one part starts on an empty memo with its title, an empty line and
// the band line, and on a table of the header and settings rows.
void BatchTablesPage::start_part(bool bonus, const std::string& head) {
    Memo& memo = bonus ? main_.RichEdit2 : main_.RichEdit1;
    Grid& table = bonus ? app().cur.StGr2 : app().cur.StGr1;
    memo.clear();
    table.set_row_count(kFirstDataRow);
    memo.append(batch_title(head));
    memo.append("");
    memo.append(bonus ? main_.Ed5_memoobi.text() + "-月回+" : main_.Ed5_memoobi.text());
}

// A full schedule of one part alone: the basic settings kept, the loan made of that part
// (the other part's next principal nothing), its memo and table started afresh.
void BatchTablesPage::open_part_schedule(bool bonus, const std::string& rate,
                                         const std::string& years, const std::string& principal,
                                         const std::string& head) {
    st_ikkazu();
    main_.Ed0_wari.set_text(bonus ? "100" : "0");
    if (!bonus) main_.Ed0_nen.set_text(years);
    main_.Ed0_moto.set_text(principal);
    main_.Ed0_kin.set_text(rate);
    (bonus ? main_.NextPrincipalM : main_.NextPrincipalB) = Money();
    start_part(bonus, head);
}

void BatchTablesPage::close_part_schedule(bool bonus) {
    if (bonus) {
        main_.goukeikinyu_b();
    } else {
        main_.goukeikinyu_m();
    }
    end_ikkazu();
}

// A first bonus later than one interval: the steps before it carry no bonus payment.
int BatchTablesPage::commit_steps_before_first_bonus() {
    if (main_.bonus_interval() >= main_.bonus_first_months()) return 0;
    const int steps = main_.bonus_first_months() / main_.bonus_interval();
    for (int i = 0; i < steps; ++i)
        batch_commit();
    return steps;
}

// The part after a reset, on a cleared memo and table, when the loan has that part.
bool BatchTablesPage::build_part(bool bonus, const std::function<void()>& build) {
    main_.PRset1(main_.Ed0_kin);
    if (bonus) {
        main_.Bt7_BClearClick(main_.Bt7_BClear);
    } else {
        main_.Bt7_MClearClick(main_.Bt7_MClear);
    }
    const bool present = (bonus ? main_.Edit6 : main_.Edit1).tag() == 1;
    if (present) build();
    return present;
}

void BatchTablesPage::build_one_part(bool bonus, const std::function<void()>& build,
                                     const std::string& work_name) {
    build_part(bonus, build);
    main_.Ed555.set_text(work_name);
    main_.beep(Beep::Information);
}

void BatchTablesPage::build_both_parts(const std::function<void()>& monthly_part,
                                       const std::function<void()>& bonus_part,
                                       const std::string& work_name) {
    const bool monthly = build_part(false, monthly_part);
    const bool bonus = build_part(true, bonus_part);
    main_.Ed555.set_text(work_name);
    main_.PageControl1.set_active_page(main_.TabSheet7);
    if (monthly) main_.Label_m.show();
    if (bonus) main_.Label_b.show();
    main_.beep(Beep::Information);
}

}  // namespace rebanto
