// Committing one step, several steps or all steps to the end; the instalments of the
// last commit ("直前"); the memory of the basic settings ("M"/"MR").
#include "base/errors.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void CalculationPage::Button1Click(Control& sender) {
    PRset1(sender);
}

// With "常時" ticked, the instalments stay constant across steps: pointing at "メモ記載"
// puts the last committed instalments back first.
void CalculationPage::Button1MouseOver(Control&) {
    if (CBallway.checked() && Button21.visible()) Button21Click(Button21);
}

namespace {

// The steps of the parts asked for rerun with the instalments as they stand, then the
// money overlays; a failure is told as the calculation tells it.
void rerun_steps(CalculationPage& page, Platform& platform, bool monthly, bool bonus) {
    try {
        if (monthly) page.But_mDainyuClick(page.But_mDainyu);
        if (bonus) page.But_bDainyuClick(page.But_bDainyu);
        page.refresh_money_overlays();
    } catch (...) {
        report_failure(std::current_exception(), platform, FailureRule::Calculation);
    }
}

}  // namespace

// The instalments as typed: rerun both steps without computing new instalments.
void CalculationPage::Button4Click(Control&) {
    if (main_.Ed0_moto.tag() != 0) return;  // the calculation is writing them itself
    rerun_steps(*this, app().platform(), true, true);
}

// Each part's step reads its own instalment and never the other's: when both were worked
// out and this text is the only change since, the other part would be worked out from
// what it was worked out from, into fields that still hold the result.
void CalculationPage::instalment_change(Control& sender) {
    if (main_.Ed0_moto.tag() != 0) return;  // the calculation is writing them itself
    const bool only_change = StepWorkedOutAt && *StepWorkedOutAt + 1 == main_.change_count();
    const bool monthly = &sender == &Edit4;
    const bool bonus = &sender == &Edit9;
    rerun_steps(*this, app().platform(), !only_change || monthly, !only_change || bonus);
}

bool CalculationPage::ki_bun(int steps) {
    try {
        if (num(Edit13) == 0) return false;
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
        return false;
    }
    // A step longer than what is left of the term is refused, as "メモ記載" refuses it.
    if (StepMonths > RemainingMonths) {
        main_.beep(Beep::Warning);
        return false;
    }
    // The instalments of the first step are held for every step of the run.
    const std::string kept_m = Edit4.text();
    const std::string kept_b = Edit9.text();
    app().platform().set_wait_cursor(true);
    begin_commit_run();
    for (int i = 0; i < steps && StepMonths > 0 && !commit_run_failed(); ++i) {
        // Both parts worked out for this step; after the first, the commit before has
        // already done it.
        i == 0 ? PRset1(Button19) : recompute_next_step();
        put_kept_instalments(kept_m, kept_b);
        PRset1(Button1);
    }
    const bool ran = end_commit_run();
    app().platform().set_wait_cursor(false);
    // The step that failed may have been half committed: the loan starts again from its
    // first month, beside the tables as they were.
    if (!ran && commit_run_depth_ == 0) PRset1(main_.Ed0_moto);
    return ran;
}

// The held instalments written back together, and the steps rerun once with both in place.
// When both steps were just worked out, only the part whose instalment moved is rerun.
void CalculationPage::put_kept_instalments(const std::string& monthly, const std::string& bonus) {
    const bool moved_m = Edit4.text() != monthly;
    const bool moved_b = Edit9.text() != bonus;
    if (!moved_m && !moved_b) return;
    const bool worked_out = StepWorkedOutAt && *StepWorkedOutAt == main_.change_count();
    const std::int64_t busy = main_.Ed0_moto.tag();
    main_.Ed0_moto.set_tag(1);
    Edit4.set_text(monthly);
    Edit9.set_text(bonus);
    main_.Ed0_moto.set_tag(busy);
    if (busy != 0) return;  // the calculation is writing them itself
    rerun_steps(*this, app().platform(), moved_m || !worked_out, moved_b || !worked_out);
}

void CalculationPage::begin_commit_run() {
    if (commit_run_depth_++ > 0) return;
    commit_run_failed_ = false;
    commit_run_start_ = {app().cur.StGr1.shared_rows(), app().cur.StGr2.shared_rows(),
                         main_.RichEdit1.shared_lines(), main_.RichEdit2.shared_lines()};
}

bool CalculationPage::end_commit_run() {
    const bool failed = commit_run_failed_;
    if (--commit_run_depth_ > 0) return !failed;
    CommitRunStart start = std::move(commit_run_start_);
    commit_run_start_ = {};
    commit_run_failed_ = false;
    if (!failed) return true;
    app().cur.StGr1.share_rows(std::move(start.monthly));
    app().cur.StGr2.share_rows(std::move(start.bonus));
    main_.RichEdit1.share_lines(std::move(start.memo_m));
    main_.RichEdit2.share_lines(std::move(start.memo_b));
    return false;
}

void CalculationPage::Button19Click(Control&) {
    ki_bun(5);
    main_.show_memo_after_run(main_.TabSheet1);
}

void CalculationPage::Button20Click(Control&) {
    ki_bun(10);
    main_.show_memo_after_run(main_.TabSheet1);
}

void CalculationPage::Button76Click(Control&) {
    try {
        ki_bun(count(Edit80));
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
        return;
    }
    main_.show_memo_after_run(main_.TabSheet1);
}

// "最後まで": every remaining step, the totals rows, then a fresh start of the loan.
void CalculationPage::Button18Click(Control&) {
    int steps = 0;
    try {
        const int step = count(Edit13);
        if (step <= 0) return;
        const int remaining = count(Ed1_Mzankaisu);
        steps = remaining / step + (remaining % step != 0 ? 1 : 0);
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
        return;
    }
    if (!ki_bun(steps)) return;
    main_.goukeikinyu_m();
    main_.goukeikinyu_b();
    PRset1(main_.Ed0_moto);
    main_.show_memo_after_run(main_.TabSheet1);
}

void CalculationPage::Button21Click(Control&) {
    Edit4.set_text(LastInstalmentTextM);
    Edit9.set_text(LastInstalmentTextB);
    Button4Click(Button4);
    Button21.hide();
}

void CalculationPage::Button110Click(Control&) {
    BasicSettingsMemory = main_.keep_basic_settings();
    Button111.set_enabled(true);
    main_.enable_navigator_recall(true);
}

void TForm1::enable_navigator_recall(bool on) {
    app_.navigator.Button111.set_enabled(on);
}

void CalculationPage::Button111Click(Control&) {
    main_.write_back_basic_settings(BasicSettingsMemory);
}

// Keeping the basic settings starts the running totals afresh ("合計記入" waits for the
// next commit). Texts in the order Ed0_nen, Ed0_tuki, Ed0_wari, Edit13, Ed0_moto, Ed0_kin.
std::array<std::string, 6> ReverseSearchPanel::keep_basic_settings() {
    main_.TotalsM = {};
    main_.TotalsB = {};
    main_.Button15.set_enabled(false);
    return {main_.Ed0_nen.text(), main_.Ed0_tuki.text(), main_.Ed0_wari.text(),
            main_.Edit13.text(),  main_.Ed0_moto.text(), main_.Ed0_kin.text()};
}

// Texts in the order Ed0_nen, Ed0_tuki, Ed0_wari, Edit13, Ed0_moto, Ed0_kin.
void ReverseSearchPanel::write_back_basic_settings(const std::array<std::string, 6>& texts) {
    main_.Ed0_nen.set_text(texts[0]);
    main_.Ed0_tuki.set_text(texts[1]);
    main_.Edit13.set_text(texts[3]);
    main_.Ed0_moto.set_text(texts[4]);
    main_.Ed0_wari.set_text(texts[2]);
    main_.Ed0_kin.set_text(texts[5]);
    main_.PRset1(main_.Ed0_kin);
    main_.Edit13.set_text(texts[3]);
    main_.Ed1_mm5Change(main_.Edit13);
}

}  // namespace rebanto
