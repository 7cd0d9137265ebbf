// The mechanics every batch table shares: the basic settings kept across the table, the
// bonus timing forced to six months for the plans that assume it, committing steps with
// the instalment held ("直前"), and the memo titles and section lines.
#include "base/date.h"
#include "base/format.h"
#include "core/field_io.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// A long table shows its progress once a loan year of commits.
constexpr int kCommitsPerRepaint = 12;

}  // namespace

void TForm1::st_ikkazu() {
    TotalsM = {};
    TotalsB = {};
    Button15.set_enabled(false);
    BatchSettingsMemory = {Ed0_nen.text(), Ed0_tuki.text(), Ed0_wari.text(),
                           Edit13.text(),  Ed0_moto.text(), Ed0_kin.text()};
    batch_settings_kept_ = true;
}

void TForm1::end_ikkazu() {
    batch_settings_kept_ = false;
    const auto& m = BatchSettingsMemory;
    Ed0_nen.set_text(m[0]);
    Ed0_tuki.set_text(m[1]);
    Edit13.set_text(m[3]);
    Ed0_moto.set_text(m[4]);
    Ed0_wari.set_text(m[2]);
    Ed0_kin.set_text(m[5]);
    PRset1(Ed0_kin);
    Edit13.set_text(m[3]);
    Ed1_mm5Change(Edit13);
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
    app_.cur.StGr1.set_cell(kSettingsRow, 13, stamp);
    app_.cur.StGr2.set_cell(kSettingsRow, 13, stamp);
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

void TForm1::build_both_parts(const std::function<void()>& monthly_part,
                              const std::function<void()>& bonus_part,
                              const std::string& work_name) {
    PRset1(Ed0_kin);
    Bt7_MClearClick(Bt7_MClear);
    const bool monthly = Edit1.tag() == 1;
    if (monthly) monthly_part();
    PRset1(Ed0_kin);
    Bt7_BClearClick(Bt7_BClear);
    const bool bonus = Edit6.tag() == 1;
    if (bonus) bonus_part();
    Ed555.set_text(work_name);
    PageControl1.set_active_page(TabSheet7);
    if (monthly) Label_m.show();
    if (bonus) Label_b.show();
    beep(Beep::Information);
}

}  // namespace rebanto
