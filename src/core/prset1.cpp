// The one-period calculation: the single entry point that every input of the page and
// every calculation setting runs. It validates, resets or synchronises by sender,
// commits when asked, then recomputes both parts.
#include "base/errors.h"
#include "base/format.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// Writes the limit back in place when value × 10000 exceeds it, and minus the limit when
// it falls below that, so that no amount or rate the calculation sees leaves the range.
void cap_rate(Edit& field) {
    const long double v = num(field) * 10000;
    if (v > static_cast<long double>(kMaxRateRaw)) {
        field.set_text("1000");
    } else if (v < -static_cast<long double>(kMaxRateRaw)) {
        field.set_text("-1000");
    }
}

void cap_amount(Edit& field) {
    const long double v = num(field) * 10000;
    if (v > static_cast<long double>(kMaxAmount.raw())) {
        field.set_text("10000000000");
    } else if (v < -static_cast<long double>(kMaxAmount.raw())) {
        field.set_text("-10000000000");
    }
}

// The pair principal/bonus principal never exceeds the amount limit together.
void cap_pair(Edit& monthly, Edit& bonus) {
    if (!is_empty(monthly)) cap_amount(monthly);
    if (!is_empty(bonus)) {
        cap_amount(bonus);
        if (!is_empty(monthly) && money(monthly) + money(bonus) > kMaxAmount) {
            put(bonus, kMaxAmount - money(monthly));
        }
    }
}

}  // namespace

void CalculationPage::PRset1(Control& sender) {
    if (main_.Ed0_moto.tag() != 0) return;  // a field written by the calculation itself
    // Raised before the first write: the limits written back into the fields fire their
    // change events, which must not start the calculation again underneath this one.
    main_.Ed0_moto.set_tag(1);
    StepWorkedOutAt.reset();
    bool worked_out = false;
    try {
        if (!validate_inputs()) {
            main_.Ed0_moto.set_tag(0);
            return;
        }
        const bool basic = &sender == &main_.Ed0_kin || &sender == &main_.Ed0_nen ||
                           &sender == &main_.Ed0_tuki || &sender == &main_.Ed0_moto ||
                           &sender == &main_.Ed0_wari;
        if (basic && !reset_progress()) {
            main_.Ed0_moto.set_tag(0);
            return;
        }
        if (sync_principal(sender)) {
            if (&sender == &Button1) commit_step();
            recalc_m();
            recalc_b();
            refresh_money_overlays();
            worked_out = true;
        }
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
    } catch (const std::exception&) {
        // The busy flag is released below, so the window stays usable after the message.
        main_.Ed0_moto.set_tag(0);
        // Inside a run of commits only the first failure is told: the run stops there.
        if (commit_run_depth_ == 0 || !commit_run_failed_) {
            app().platform().message(kCalculationFailure);
        }
        if (commit_run_depth_ > 0) commit_run_failed_ = true;
    }
    main_.Ed0_moto.set_tag(0);
    Button139.set_tag(0);
    Button144.set_tag(0);
    if (worked_out) StepWorkedOutAt = main_.change_count();
}

void CalculationPage::recompute_next_step() {
    if (StepWorkedOutAt && *StepWorkedOutAt == main_.change_count()) {
        // The inputs are checked first, as PRset1 checks them: a check that caps a field
        // changes the step, and then it is worked out again.
        main_.Ed0_moto.set_tag(1);
        const std::uint64_t before = main_.change_count();
        bool valid = false;
        try {
            valid = validate_inputs();
        } catch (const ConversionError&) {
            // Worked out again below, where the failure is told as PRset1 tells it.
        }
        const bool unchanged = valid && main_.change_count() == before;
        main_.Ed0_moto.set_tag(0);
        if (unchanged) {
            StepWorkedOutAt = main_.change_count();
            return;
        }
    }
    PRset1(Button19);
}

bool CalculationPage::validate_inputs() {
    if (!is_empty(main_.Ed0_kin) && num(main_.Ed0_kin) != 0) cap_rate(main_.Ed0_kin);
    if (!is_empty(main_.Ed0_nen) && is_empty(main_.Ed0_tuki)) main_.Ed0_tuki.set_text("0");
    if (!is_empty(main_.Ed0_moto)) {
        cap_amount(main_.Ed0_moto);
        if (is_empty(main_.Ed0_wari)) main_.Ed0_wari.set_text("0");
    }
    cap_pair(Edit1, Edit6);
    cap_pair(Edit101, Edit106);
    if (!is_empty(Edit2) && num(Edit2) != 0) cap_rate(Edit2);
    return !is_empty(Ed1_Mzankaisu) && !is_empty(Ed1_Bzankaisu) && !is_empty(Edit4) &&
           !is_empty(Edit9);
}

// 経過初期化: a new loan run from month 0 with the basic settings.
bool CalculationPage::reset_progress() {
    const int total = checked_term();
    clear_progress();
    start_term(total);
    if (TotalMonths == 0 || ElapsedMonths + RemainingMonths < StepEndMonth) {
        main_.Ed0_moto.set_tag(0);
        main_.beep(Beep::Warning);
        Button1.set_enabled(false);
        return false;
    }
    Button1.set_enabled(true);
    split_principal();
    return true;
}

// The term in months. Checked before anything is changed: a term beyond a thousand years
// is a text that does not parse, and the fields keep what the user typed.
int CalculationPage::checked_term() {
    const int total = count_from(num(main_.Ed0_nen) * 12 + num(main_.Ed0_tuki), main_.Ed0_nen);
    // The bonus part is a share of the whole loan: beyond it the monthly part would be
    // negative and the instalments with it.
    const long double share = num(main_.Ed0_wari);
    if (!(share >= 0 && share <= 100))
        throw FieldValueError(main_.Ed0_wari.name(), main_.Ed0_wari.text());
    return total;
}

// The totals, the step and the elapsed months back at the start; the step's rate from the
// basic rate.
void CalculationPage::clear_progress() {
    CBallway.set_checked(false);
    CBallway.hide();
    Button21.hide();
    if (Edit1.text() == "0") LastInstalmentTextM = "0";
    if (Edit6.text() == "0") LastInstalmentTextB = "0";

    TotalsM = {};
    TotalsB = {};
    Button15.set_enabled(false);

    restore_step_after_term_end();
    ElapsedMonths = 0;
    StepEndMonth = StepMonths;
    refresh_progress();
    Edit2.set_text(main_.Ed0_kin.text());
}

// The whole term remaining, written back as years and months, and the instalments left
// in each part.
void CalculationPage::start_term(int total) {
    TotalMonths = total;
    RemainingMonths = TotalMonths;
    TrackBar2.set_range(0, TotalMonths);
    put(main_.Ed0_nen, TotalMonths / 12);
    put(main_.Ed0_tuki, TotalMonths - 12 * (TotalMonths / 12));

    put(Ed1_Mzankaisu, TotalMonths);
    put(Ed1_Bzankaisu,
        count_from(static_cast<long double>(TotalMonths - main_.bonus_first_months()) /
                           main_.bonus_interval() +
                       1,
                   main_.Ed0_nen));
    refresh_progress();
}

// The principal split into the bonus share and the monthly rest.
void CalculationPage::split_principal() {
    const long double bonus_part =
        int_part(num(main_.Ed0_wari) * num(main_.Ed0_moto) / 100 + 0.00001L);
    put(Edit6, bonus_part);
    put(Edit1, money(main_.Ed0_moto) - money(Edit6));
    NextPrincipalM = money(Edit1);
    NextPrincipalB = money(Edit6);
    Edit101.set_text(Edit1.text());
    Edit106.set_text(Edit6.text());
    // The running totals start empty: a first-payment difference enters them when the
    // correction puts it into a row, never on the chance that it will.

    Edit1.set_tag(Edit1.text() != "0" ? 1 : 0);
    Edit6.set_tag(Edit6.text() != "0" ? 1 : 0);
}

// A principal edited on either pair of fields moves the total and the bonus share along.
bool CalculationPage::sync_principal(Control& sender) {
    if (&sender == &Edit1 || &sender == &Edit6) {
        Edit101.set_text(Edit1.text());
        Edit106.set_text(Edit6.text());
    } else if (&sender == &Edit101 || &sender == &Edit106) {
        Edit1.set_text(Edit101.text());
        Edit6.set_text(Edit106.text());
    }
    if (&sender == &Edit1 || &sender == &Edit6 || &sender == &Edit101 || &sender == &Edit106) {
        put(main_.Ed0_moto, money(Edit1) + money(Edit6));
        if (money(main_.Ed0_moto) != Money())
            put(main_.Ed0_wari, num(Edit6) / num(main_.Ed0_moto) * 100);
    }
    if (&sender == &main_.Ed0_kin) {
        Edit2.set_text(main_.Ed0_kin.text());
        main_.set_rate_list_start(main_.Ed0_kin.text());
    }
    return money(main_.Ed0_moto) != Money();
}

}  // namespace rebanto
