// The day counter of the page "個別返済額算定" (group "初回返済の差額計算"): days from
// the loan date to the start of a regular first period and their interest; it also
// counts the days to the first payments of the page "編成一括".
#include "base/date.h"
#include "core/field_io.h"
#include "dates/day_rules.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// Writes the normalised text back; true when the field already held it.
bool normalised(Edit& date) {
    const std::string text = date_seiki(date.text());
    if (text == date.text()) return true;
    date.set_text(text);
    return false;
}

Date date_of(const Edit& field) {
    return parse_short_date(date_seiki(field.text()));
}

}  // namespace

// The days from the loan date to the start of the regular first period, and their
// interest (also when the count is the same as before: the principal may not be).
int LoanDatesPage::count_days() {
    normalised(main_.MsEd1_yusi);
    normalised(main_.MsEd1_yotei);
    const int days =
        static_cast<int>(days_between(date_of(main_.MsEd1_yusi), date_of(main_.MsEd1_yotei)));
    put(main_.Ed1_nichi, days);
    Ed1_nichiChange(main_.Ed1_nichi);
    return days;
}

// A typed or counted day count gives its interest at the period's rate, on the principal
// of the part the counter works for.
void LoanDatesPage::Ed1_nichiChange(Control&) {
    if (main_.Ed1_nichi.text() == "-") return;
    const Edit& principal = SyokaiBonus ? main_.Edit6 : main_.Edit1;
    put(main_.Ed1_hiwarikingaku,
        interest_by_days(num(main_.Ed1_nichi), money(principal), num(main_.Edit2),
                         main_.accrual_unit(), main_.interest_rounding()));
}

// A changed loan date or period start: normalised (the normalised text comes back as a
// change of its own), then counted.
void LoanDatesPage::day_counter_date_change(Control& sender) {
    if (!normalised(static_cast<Edit&>(sender))) return;
    count_days();
}

// The regular period ends with the first payment: it starts c months before, on the
// next day, and the loan date is taken to be that start until it is changed.
void LoanDatesPage::MsEd1_syokaiEnter(Control&) {
    normalised(main_.MsEd1_syokai);
    const Date start = shift_period(date_of(main_.MsEd1_syokai), -SyokaiMonths, 1);
    main_.MsEd1_yotei.set_text(short_date(start));
    main_.MsEd1_yusi.set_text(short_date(start));
    count_days();
}

// The days to the first monthly (or bonus) payment of the page "編成一括", counted by the
// day counter, and their interest.
void LoanDatesPage::count_first_payment_days(bool bonus) {
    SyokaiBonus = bonus;
    SyokaiMonths = bonus ? main_.bonus_interval() : 1;
    main_.MsEd1_yotei.set_text((bonus ? MsEd8_bon : MsEd8_mon).text());
    main_.MsEd1_yusi.set_text(MsEd8_yusi.text());
    const int days = count_days();
    if (CheckBox3.checked()) {
        put(main_.Ed1_nichi, days + 1);
        Ed1_nichiChange(main_.Ed1_nichi);
    }
    (bonus ? Edit177 : Edit135).set_text(main_.Ed1_nichi.text());
    (bonus ? Edit179 : Edit178).set_text(main_.Ed1_hiwarikingaku.text());
}

void LoanDatesPage::open_first_payment_group(bool bonus) {
    SyokaiBonus = bonus;
    SyokaiMonths = bonus ? main_.bonus_interval() : 1;
    main_.La1_yotei.set_caption(bonus ? "ﾎﾞｰﾅｽ返済で丸" + std::to_string(SyokaiMonths) +
                                            "ヶ月前の翌日"
                                      : "毎月返済で丸1ヶ月前の翌日");
    main_.GrpSyokai.show();
    main_.MsEd1_syokai.set_text(
        short_date(shift_period(app().platform().today(), SyokaiMonths, -1)));
    MsEd1_syokaiEnter(main_.MsEd1_syokai);
}

void LoanDatesPage::Label6Click(Control&) {
    open_first_payment_group(false);
}

void LoanDatesPage::Label7Click(Control&) {
    open_first_payment_group(true);
}

// "初回参考": the dates both parts propose from today, kept for reference.
void LoanDatesPage::Button72Click(Control&) {
    open_first_payment_group(false);
    main_.MsEd7_mon.set_text(main_.MsEd1_syokai.text());
    main_.MsEd7_yusi.set_text(main_.MsEd1_yusi.text());
    open_first_payment_group(true);
    main_.MsEd7_bon.set_text(main_.MsEd1_syokai.text());
}

}  // namespace rebanto
