// The first payment's interest counted by days from the loan date: "初回計算", the
// first-payment differences and their share of the running totals.
#include "base/date.h"
#include "base/errors.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// Calculation type 2 of "一括計算ＧＯ", the corporation's eased plan: its first
// instalments are those of its long notional terms.
constexpr int kEasedPlan = 2;
// Types 3 and above follow the variable-rate list.
constexpr int kFirstVariableType = 3;

bool pension_tables(const App& app) {
    return app.cur.StGr1.cell(kSettingsRow, schedule_col::kMethodMarker) == "年金用" ||
           app.cur.StGr2.cell(kSettingsRow, schedule_col::kMethodMarker) == "年金元用";
}

}  // namespace

void LoanDatesPage::first_payment_reference() {
    if (main_.Ed0_moto.tag() != 0) return;  // the calculation is busy or the window not ready
    if (main_.Ed1_yy1.text() != "0" || main_.Ed1_mm1.text() != "0") return;
    // A date that cannot be read stops everything before any field has changed.
    try {
        for (const Edit* date : {&MsEd8_yusi, &MsEd8_mon, &MsEd8_bon}) {
            date_seiki(date->text());
        }
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
        return;
    }
    if (CheckBox2.checked()) {
        Button123Click(Button123);
    } else {
        main_.PRset1(main_.Ed0_moto);
    }
    recolour_payment_dates();

    // The regular first instalments: one month of the monthly part, one bonus interval of
    // the bonus part, each from the loan start over the whole term.
    const bool eased = ComboBox2.item_index() == kEasedPlan;
    const std::string step = main_.Edit13.text();
    main_.Edit13.set_text("1");
    put(main_.Ed1_Mzankaisu, eased ? 600 : main_.TotalMonths);
    Edit115.set_text(main_.Edit15.text());
    Edit116.set_text(main_.Edit16.text());
    put(main_.Edit13, main_.bonus_interval());
    put(main_.Ed1_Bzankaisu,
        eased
            ? 100
            : count_from(static_cast<long double>(main_.TotalMonths - main_.bonus_first_months()) /
                                 main_.bonus_interval() +
                             1,
                         main_.Ed0_nen));
    Edit117.set_text(main_.Edit17.text());
    Edit118.set_text(main_.Edit18.text());
    main_.Edit13.set_text(step);

    main_.GrpListAlign.set_visible(ComboBox2.item_index() >= kFirstVariableType);
    main_.Edit104.set_text(main_.Edit4.text());
    main_.Edit109.set_text(main_.Edit9.text());
    count_first_payment_days(false);
    count_first_payment_days(true);
    // The corrected first instalment: the regular principal part plus the interest by
    // days. Without a positive day count there is no interest by days to speak of, and
    // the instalment stays the regular one.
    put(main_.Edit104s, money(Edit116) + money(num(Edit135) > 0 ? Edit178 : Edit115));
    put(main_.Edit109s, money(Edit118) + money(num(Edit177) > 0 ? Edit179 : Edit117));
    if (main_.CheckBox1.checked()) main_.align_rate_list();
    main_.refresh_money_overlays();
    if (CheckBox2.checked()) {
        Button123Click(Button123);
    } else {
        Button124Click(Button124);
    }
    // The days may have changed since the colours were set above.
    recolour_payment_dates();
}

void LoanDatesPage::Button50Click(Control&) {
    first_payment_reference();
}

namespace {

// A difference counts only when its day count is positive: a first payment on or
// before the loan date (the field shown red) has no interest by days to correct with.
Money difference(const Edit& days, const Edit& by_days, const Edit& regular) {
    if (num(days) <= 0) return Money();
    return Money::from_extended(num(by_days) - num(regular));
}

}  // namespace

// "初回差額設定"
void LoanDatesPage::Button124Click(Control&) {
    // Neither first payment after the loan date: there is no difference to set.
    if (num(Edit135) <= 0 && num(Edit177) <= 0) {
        Button123Click(Button123);
        return;
    }
    const bool pension = pension_tables(app());
    const Money monthly = pension ? Money() : difference(Edit135, Edit178, Edit115);
    const Money bonus = pension ? Money() : difference(Edit177, Edit179, Edit117);
    syokai_sa_m = monthly;
    syokai_sa_b = bonus;
    put(Edit78, syokai_sa_m);
    put(Edit79, syokai_sa_b);
    Label146.show();
    Button51.show();
    syokai_reports_corrected = true;
    follow_differences_in_totals();
}

// "初回差額クリアー"
void LoanDatesPage::Button123Click(Control&) {
    syokai_sa_m = Money();
    syokai_sa_b = Money();
    put(Edit78, syokai_sa_m);
    put(Edit79, syokai_sa_b);
    Label146.hide();
    Button51.hide();
    syokai_reports_corrected = false;
    follow_differences_in_totals();
}

// Called by every reset of progress, after the running totals were cleared.
void LoanDatesPage::first_payment_totals_correction() {
    main_.TotalsM.interest += syokai_sa_m;
    main_.TotalsM.paid += syokai_sa_m;
    main_.TotalsB.interest += syokai_sa_b;
    main_.TotalsB.paid += syokai_sa_b;
}

void LoanDatesPage::Button125Click(Control&) {
    first_payment_totals_correction();
}

// Before the first commit of a loan run the running totals hold nothing: a difference set
// or cleared then enters them only when the correction puts it into a row.
void LoanDatesPage::follow_differences_in_totals() {
    if (main_.ElapsedMonths != 0) return;
    main_.TotalsM = {};
    main_.TotalsB = {};
}

// "当日含": the first-payment calculation runs twice.
void LoanDatesPage::CheckBox3Click(Control&) {
    first_payment_reference();
    first_payment_reference();
}

void LoanDatesPage::CheckBox2Click(Control&) {
    first_payment_reference();
}

}  // namespace rebanto
