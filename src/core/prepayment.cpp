// The intermediate prepayment (内入) of a step: paid with the step's last payment
// ("同時") or some days or months after it, with interest for that gap.
#include "base/errors.h"
#include "base/rounding.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr const char* kWithPayment = "同時";
constexpr const char* kDaysAfter = "日後";
constexpr const char* kMonthsAfter = "月後";

// The gap rate per unit of the gap, as a fraction.
long double gap_rate(const std::string& unit, long double annual) {
    return unit == kDaysAfter ? annual / 365 / 100 : annual / 12 / 100;
}

void gap_interest(Edit& prepaid, Edit& interest, Edit& paid_total, const Label& unit,
                  const Edit& gap, const Edit& rate, AccrualUnit accrual_unit, Rounding mode) {
    if (num(prepaid) > 0 && unit.caption() != kWithPayment) {
        const Money base = accrual_base(money(prepaid), accrual_unit);
        const long double days_or_months = num(gap);
        const long double raw = unit.caption() == kDaysAfter
                                    ? days_or_months * num(rate) * base.to_extended() / 365 / 100
                                    : days_or_months * num(rate) * base.to_extended() / 12 / 100;
        put(interest, Money::from_yen(round_interest(raw, mode)));
    } else {
        interest.set_text("0");
    }
    put(paid_total, int_part(num(interest) + num(prepaid)));
}

// Works back from the amount actually paid to the prepaid principal.
void prepaid_from_total(Edit& paid_total, Edit& prepaid, Edit& interest, const Label& unit,
                        const Edit& gap, const Edit& rate, AccrualUnit accrual_unit,
                        Rounding mode) {
    if (num(paid_total) > 0 && unit.caption() != kWithPayment) {
        const long double requested = num(paid_total);
        const long double u = static_cast<long double>(yen_of(accrual_unit));
        const long double r = gap_rate(unit.caption(), num(rate));
        const long double k = mode == Rounding::HalfUp ? 0.50001L
                              : mode == Rounding::Up   ? 0.00001L
                                                       : 0.99999L;
        put(prepaid, int_part((requested / u) / (1 + num(gap) * r) * u + k));
        // Setting the prepayment recomputed the gap interest and the total; correct once.
        put(prepaid, num(prepaid) + (requested - num(paid_total)));
    } else {
        interest.set_text("0");
    }
}

}  // namespace

void CalculationPage::update_gap_interest() {
    gap_interest(Edit33, Edit23, Edit25, La_Uchi, Ed_Uchi, Edit27, main_.accrual_unit(),
                 main_.interest_rounding());
    gap_interest(Edit43, Edit24, Edit26, La_Uchi, Ed_Uchi, Edit27, main_.accrual_unit(),
                 main_.interest_rounding());
}

void CalculationPage::Button46Click(Control&) {
    PanelUchi.show();
    Edit27.set_text(Edit2.text());
    La_Uchi.set_caption(kWithPayment);
    Ed_Uchi.set_text("");
    update_gap_interest();
}

void CalculationPage::La_UchiClick(Control&) {
    if (La_Uchi.caption() == kWithPayment) return;
    try {
        put(Ed_Uchi, num(Ed_Uchi) + 1);
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
    }
}

void CalculationPage::La_UchiDblClick(Control&) {
    const std::string& now = La_Uchi.caption();
    if (now == kWithPayment) {
        La_Uchi.set_caption(kDaysAfter);
        Ed_Uchi.set_text("1");
    } else if (now == kDaysAfter) {
        La_Uchi.set_caption(kMonthsAfter);
        Ed_Uchi.set_text("1");
    } else {
        La_Uchi.set_caption(kWithPayment);
        Ed_Uchi.set_text("");
    }
    update_gap_interest();
}

void CalculationPage::ButUGakuClick(Control&) {
    try {
        prepaid_from_total(Edit25, Edit33, Edit23, La_Uchi, Ed_Uchi, Edit27, main_.accrual_unit(),
                           main_.interest_rounding());
        prepaid_from_total(Edit26, Edit43, Edit24, La_Uchi, Ed_Uchi, Edit27, main_.accrual_unit(),
                           main_.interest_rounding());
    } catch (const ConversionError&) {
        app().platform().beep(Beep::Default);
    }
}

void CalculationPage::Edit5DblClick(Control&) {
    Button46Click(Button46);
}

}  // namespace rebanto
