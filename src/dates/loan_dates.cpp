// The date fields: the loan date and the first payment dates of the page "編成一括", the
// reference calendar and the month calendar a double click on a date field opens.
#include "base/date.h"
#include "core/field_io.h"
#include "dates/day_rules.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// The normalised text goes back into the field, whose change event comes again; false
// when that happened, so the caller leaves the rest to the second event.
bool keep_normalised(Control& date) {
    const std::string text = date_seiki(date.text());
    if (text == date.text()) return true;
    date.set_text(text);
    return false;
}

}  // namespace

void LoanDatesPage::loan_date_change(Control& sender) {
    LoanDatesAsStarted = false;
    if (!keep_normalised(sender)) return;
    first_payment_reference();
    recolour_payment_dates();
}

void LoanDatesPage::date_field_change(Control& sender) {
    keep_normalised(sender);
}

void LoanDatesPage::loan_date_click(Control& sender) {
    if (&sender != &MsEd8_bon) count_first_payment_days(false);
    if (&sender != &MsEd8_mon) count_first_payment_days(true);
}

// A first payment on or before the loan date shows red.
void LoanDatesPage::recolour_payment_dates() {
    MsEd8_mon.set_color(num(Edit135) > 0 ? Color::White : Color::Red);
    MsEd8_bon.set_color(num(Edit177) > 0 ? Color::White : Color::Red);
}

// The loan starts today: the first payments fall one month and one bonus interval later,
// on the day before, so each first instalment covers one regular period.
void LoanDatesPage::propose_loan_dates() {
    const Date today = app().platform().today();
    MsEd8_mon.set_text(short_date(shift_period(today, 1, -1)));
    MsEd8_bon.set_text(short_date(shift_period(today, main_.bonus_interval(), -1)));
    MsEd8_yusi.set_text(short_date(today));
}

void LoanDatesPage::MsEd8_yusiDblClick(Control& sender) {
    propose_loan_dates();
    date_field_dbl_click(sender);
}

// ---- The reference calendar ----

void LoanDatesPage::DateTimePicker1Change(Control&) {
    MonthCalendar1.set_text(DateTimePicker1.text());
}

void LoanDatesPage::DateTimePicker1RightClick(Control&) {
    MonthCalendar1.set_visible(!MonthCalendar1.visible());
}

// A day chosen on the multi-month calendar becomes the reference date.
void LoanDatesPage::MonthCalendar1Change(Control&) {
    DateTimePicker1.set_text(MonthCalendar1.text());
}

void LoanDatesPage::Label162Click(Control&) {
    const Date today = app().platform().today();
    DateTimePicker1.set_date(today);
    La8_honjitu.set_caption("本日 " + short_date(today));
}

// A right click on a date field, or a click on a date caption, puts the reference date in.
void LoanDatesPage::reference_date_to_field(Control& sender) {
    Control* field = &sender;
    if (&sender == &Label134) field = &MsEd8_yusi;
    if (&sender == &Label139) field = &MsEd8_mon;
    if (&sender == &Label147) field = &MsEd8_bon;
    field->set_text(DateTimePicker1.text());
}

// The month calendar opens at the field's date (at the reference date when the field's
// text is not a date).
void LoanDatesPage::date_field_dbl_click(Control& sender) {
    CalendarTarget = static_cast<Edit*>(&sender);
    try {
        MonthCalendar2.set_date(parse_short_date(date_seiki(sender.text())));
    } catch (const ConversionError&) {
        MonthCalendar2.set_text(DateTimePicker1.text());
    }
    MonthCalendar2.show();
}

// A double click on a day: the day goes into the field and the reference calendar, and
// the calendar closes.
void LoanDatesPage::MonthCalendar2DblClick(Control&) {
    MonthCalendar2.hide();
    Edit* target = CalendarTarget;
    CalendarTarget = nullptr;
    if (target == nullptr) return;
    DateTimePicker1.set_text(MonthCalendar2.text());
    target->set_text(MonthCalendar2.text());
}

void LoanDatesPage::start_dates() {
    Label162Click(Label162);
    const std::string today = short_date(app().platform().today());
    MsEd8_yusi.set_text(today);
    main_.MsEd1_yusi.set_text(today);
}

void LoanDatesPage::reference_date_change(Control& sender) {
    ReferenceDatesAsStarted = false;
    date_field_change(sender);
}

// A fresh start lends today but keeps the first payments of 2001 (the start-up figures
// rest on them, with no first-payment difference): a page that shows them would open on
// thousands of negative days. The first time the user opens it, the page gets dates from
// today instead, as a double click on the loan date (or "初回参考") would give them.
void LoanDatesPage::dated_page_opened(Control&) {
    const Panel* page = main_.PageControl1.active_page();
    if (main_.Ed0_moto.tag() != 0) return;  // a calculation is under way; the next opening will do
    if (page == &main_.TabSheet8 && LoanDatesAsStarted) {
        propose_loan_dates();
        // After the first step of a loan "初回計算" does not run: the days still follow.
        loan_date_click(MsEd8_yusi);
        recolour_payment_dates();
    }
    if (page == &main_.TabSheet7 && ReferenceDatesAsStarted) {
        const Date today = app().platform().today();
        const Date monthly = shift_period(today, 1, -1);
        main_.MsEd7_mon.set_text(short_date(monthly));
        main_.MsEd7_yusi.set_text(short_date(shift_period(monthly, -1, 1)));
        main_.MsEd7_bon.set_text(short_date(shift_period(today, main_.bonus_interval(), -1)));
    }
}

}  // namespace rebanto
