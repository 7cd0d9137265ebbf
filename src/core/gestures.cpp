// Quick-entry gestures on the labels and fields of the page, and the key filter of the
// numeric fields.
//
// A double click delivers a click first, so a double-click handler that adds four steps
// makes five in all. Every value is written into its field as text, so each gesture runs
// the calculation exactly as typing the same value would.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "base/numtext.h"
#include "core/field_io.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// The bonus part moves in steps of half a million yen.
constexpr Money kBonusStep = Money::from_yen(500'000);

Money times(Money amount, int factor) {
    return Money::from_raw(amount.raw() * factor);
}

// Rates are compared as they print: a step reached by dividing by ten may sit a hair off
// the same rate typed as text, and "2.325 above 0.1" must not depend on that hair.
long double as_printed(long double rate) {
    return to_extended(general(rate));
}

void add_amount(Edit& field, Money step) {
    put(field, money(field) + step);
}

// A right click takes one step off, but only while the amount is above the step.
void lower_amount(Edit& field, Money step) {
    const Money amount = money(field);
    if (amount > step) put(field, amount - step);
}

void add_rate(Edit& field, long double step) {
    put(field, num(field) + step);
}

void lower_rate(Edit& field, long double step) {
    const long double rate = num(field);
    if (as_printed(rate) > as_printed(step)) put(field, rate - step);
}

}  // namespace

void CalculationPage::wire_gestures() {
    for (Control* c : std::initializer_list<Control*>{
             &main_.Label8, &main_.Label19, &main_.Label17, &main_.Label18, &main_.Label21,
             &main_.Label22, &main_.Label23, &main_.Label9, &main_.Label10}) {
        c->on_click = guard(&TForm1::basic_setting_click, FailureRule::Calculation);
    }
    for (Control* c :
         std::initializer_list<Control*>{&main_.Label19, &main_.Label18, &main_.Label21,
                                         &main_.Label22, &main_.Label23, &main_.Label10}) {
        c->on_right_click = guard(&TForm1::basic_setting_right_click, FailureRule::Calculation);
    }
    for (Control* c : std::initializer_list<Control*>{
             &main_.Label8, &main_.Label19, &main_.Label17, &main_.Label18, &main_.Label21,
             &main_.Label22, &main_.Label23, &main_.Label9, &main_.Ed0_nen, &main_.Ed0_tuki,
             &main_.Ed0_wari}) {
        c->on_dbl_click = guard(&TForm1::basic_setting_dbl_click, FailureRule::Calculation);
    }

    for (Control* c : std::initializer_list<Control*>{&Label4, &Label1, &Label3, &Label185}) {
        c->on_click = guard(&TForm1::step_field_click, FailureRule::Calculation);
        c->on_right_click = guard(&TForm1::step_field_right_click, FailureRule::Calculation);
    }
    for (Control* c : std::initializer_list<Control*>{&Label4, &Label1, &Label185}) {
        c->on_dbl_click = guard(&TForm1::step_field_dbl_click, FailureRule::Calculation);
    }

    for (Control* c : std::initializer_list<Control*>{&Label24, &Label25, &Label31, &Label32}) {
        c->on_click = guard(&TForm1::step_length_click, FailureRule::Calculation);
    }
    for (Control* c : std::initializer_list<Control*>{&Label24, &Label31, &Label32}) {
        c->on_right_click = guard(&TForm1::step_length_right_click, FailureRule::Calculation);
    }
    for (Control* c : std::initializer_list<Control*>{&Label24, &Label16, &Label11, &Edit13,
                                                      &Edit14, &Ed1_yy5, &Ed1_mm5}) {
        c->on_dbl_click = guard(&TForm1::step_length_dbl_click, FailureRule::Calculation);
    }
}

// ---- Basic settings: principal, rate, term and bonus share ----

void CalculationPage::basic_setting_click(Control& sender) {
    if (&sender == &main_.Label8) {
        main_.Ed0_moto.set_text("1000000");
        main_.Ed0_wari.set_text("0");
    } else if (&sender == &main_.Label19) {
        add_amount(main_.Ed0_moto, AmountStep);
    } else if (&sender == &main_.Label17) {
        main_.Ed0_kin.set_text(bank_rate_text());
    } else if (&sender == &main_.Label18) {
        add_rate(main_.Ed0_kin, RateStep);
    } else if (&sender == &main_.Label21) {
        main_.Ed0_nen.set_text("30");
        main_.Ed0_tuki.set_text("0");
    } else if (&sender == &main_.Label22) {
        put(main_.Ed0_nen, num(main_.Ed0_nen) + 1);
        main_.Ed0_tuki.set_text("0");
        limit_term_years();
    } else if (&sender == &main_.Label23) {
        put(main_.Ed0_tuki, num(main_.Ed0_tuki) + 1);
        limit_term_years();
    } else if (&sender == &main_.Label9) {
        main_.Ed0_wari.set_text("0");
    } else if (&sender == &main_.Label10) {
        put(main_.Ed0_wari, std::min(num(main_.Ed0_wari) + 10, 100.0L));
    }
}

void CalculationPage::basic_setting_right_click(Control& sender) {
    if (&sender == &main_.Label19) {
        lower_amount(main_.Ed0_moto, AmountStep);
    } else if (&sender == &main_.Label18) {
        lower_rate(main_.Ed0_kin, RateStep);
    } else if (&sender == &main_.Label21) {
        // A term of a year or less is left alone.
        if (TotalMonths > 12) {
            main_.Ed0_nen.set_text("25");
            main_.Ed0_tuki.set_text("0");
        }
    } else if (&sender == &main_.Label22) {
        if (TotalMonths > 12) put(main_.Ed0_nen, num(main_.Ed0_nen) - 1);
        limit_term_years();
    } else if (&sender == &main_.Label23) {
        if (TotalMonths > 1) put(main_.Ed0_tuki, num(main_.Ed0_tuki) - 1);
        limit_term_years();
    } else if (&sender == &main_.Label10) {
        const long double share = num(main_.Ed0_wari);
        if (share >= 10) put(main_.Ed0_wari, share - 10);
    }
}

void CalculationPage::basic_setting_dbl_click(Control& sender) {
    if (&sender == &main_.Label8) {
        main_.Ed0_moto.set_text("2000000");
        main_.Ed0_wari.set_text("50");
    } else if (&sender == &main_.Label19) {
        add_amount(main_.Ed0_moto, times(AmountStep, 4));
    } else if (&sender == &main_.Label17) {
        main_.Ed0_kin.set_text(corporation_base_rate_text());
    } else if (&sender == &main_.Label18) {
        add_rate(main_.Ed0_kin, 4 * RateStep);
    } else if (&sender == &main_.Label21) {
        main_.Ed0_nen.set_text("35");
        main_.Ed0_tuki.set_text("0");
    } else if (&sender == &main_.Label22) {
        put(main_.Ed0_nen, num(main_.Ed0_nen) + 4);
        main_.Ed0_tuki.set_text("0");
        limit_term_years();
    } else if (&sender == &main_.Label23) {
        put(main_.Ed0_tuki, num(main_.Ed0_tuki) + 5);
        limit_term_years();
    } else if (&sender == &main_.Label9) {
        main_.Ed0_wari.set_text("50");
    } else if (&sender == &main_.Ed0_nen) {
        main_.Ed0_nen.set_text("10");
        main_.Ed0_tuki.set_text("0");
    } else if (&sender == &main_.Ed0_tuki) {
        // The months first: a zero-year term with the old months would be empty.
        main_.Ed0_tuki.set_text("6");
        main_.Ed0_nen.set_text("0");
    } else if (&sender == &main_.Ed0_wari) {
        main_.Ed0_wari.set_text("100");  // the whole loan repaid by bonus instalments
    }
}

void CalculationPage::limit_term_years() {
    if (num(main_.Ed0_nen) >= 500) main_.Ed0_nen.set_text("1");
}

// The preset rates of the settings page: the bank's general rate and the corporation's
// base rate.
std::string CalculationPage::bank_rate_text() const {
    return main_.Edit41.text();
}

std::string CalculationPage::corporation_base_rate_text() const {
    return main_.Edit39.text();
}

// ---- Step fields: principal, rate, instalment and the bonus share of the principal ----

void CalculationPage::step_field_click(Control& sender) {
    if (&sender == &Label4) {
        add_amount(Edit1, AmountStep);
    } else if (&sender == &Label1) {
        add_rate(Edit2, RateStep);
    } else if (&sender == &Label3) {
        add_amount(Edit4, Money::from_yen(1));
    } else if (&sender == &Label185) {
        // Cut down to whole half-millions.
        const Money bonus = money(Edit6);
        set_bonus_principal(Money::from_raw(bonus.raw() / kBonusStep.raw() * kBonusStep.raw()),
                            money(Edit1) + bonus);
    }
}

void CalculationPage::step_field_right_click(Control& sender) {
    if (&sender == &Label4) {
        lower_amount(Edit1, AmountStep);
    } else if (&sender == &Label1) {
        lower_rate(Edit2, RateStep);
    } else if (&sender == &Label3) {
        put(Edit4, money(Edit4) - Money::from_yen(1));
    } else if (&sender == &Label185) {
        const Money bonus = money(Edit6);
        if (bonus >= kBonusStep) set_bonus_principal(bonus - kBonusStep, money(Edit1) + bonus);
    }
}

void CalculationPage::step_field_dbl_click(Control& sender) {
    if (&sender == &Label4) {
        add_amount(Edit1, times(AmountStep, 4));
    } else if (&sender == &Label1) {
        add_rate(Edit2, 4 * RateStep);
    } else if (&sender == &Label185) {
        // The bonus part grows only while the whole half-million still fits in the total;
        // beyond that the monthly part would turn negative.
        const Money bonus = money(Edit6);
        const Money total = money(Edit1) + bonus;
        if (bonus + kBonusStep <= total) set_bonus_principal(bonus + kBonusStep, total);
    }
}

// The monthly part takes what the bonus part leaves, so the total principal stays. The
// total is the one the step carries now (Edit1 + Edit6): at month 0 that is the start
// total, later it is what is still owed.
void CalculationPage::set_bonus_principal(Money bonus, Money total) {
    put(Edit6, bonus);
    put(Edit1, total - bonus);
}

// ---- Step length ----

void CalculationPage::step_length_click(Control& sender) {
    const int years = count(Ed1_yy5);
    const int months = count(Ed1_mm5);
    const long double term_years = num(main_.Ed0_nen);
    const long double term_months = term_years * 12 + num(main_.Ed0_tuki);
    if (&sender == &Label24) {
        // Within a year of the term the step takes the whole term.
        const int longer = years + 1;
        if (term_years <= longer + 1) {
            set_step_to_whole_term();
        } else {
            set_step_length(longer, months);
        }
    } else if (&sender == &Label25) {
        set_step_length(1, 0);
    } else if (&sender == &Label31 || &sender == &Label32) {
        const int added = months + (&sender == &Label31 ? 1 : main_.bonus_interval());
        if (years * 12 + added > term_months) {
            set_step_to_whole_term();
        } else {
            set_step_length(years, added);
        }
    }
}

void CalculationPage::step_length_right_click(Control& sender) {
    const int years = count(Ed1_yy5);
    const int months = count(Ed1_mm5);
    if (&sender == &Label24) {
        if (StepMonths > 12 && years > 0) set_step_length(years - 1, months);
    } else if (&sender == &Label31) {
        // Below a year the step keeps at least one month. Months below zero borrow from the
        // years when the step routine rewrites the length.
        if (StepMonths > 1) {
            const int lowered = months - 1;
            set_step_length(years, years < 1 && lowered < 1 ? 1 : lowered);
        }
    } else if (&sender == &Label32) {
        // Below a year the step keeps at least one bonus interval.
        const int interval = main_.bonus_interval();
        if (StepMonths > interval) {
            const int lowered = months - interval;
            set_step_length(years, years < 1 && lowered < interval ? interval : lowered);
        }
    }
}

void CalculationPage::step_length_dbl_click(Control& sender) {
    const long double term_years = num(main_.Ed0_nen);
    if (&sender == &Label24 || &sender == &Label16 || &sender == &Label11) {
        // The click before has already added one year on Label24.
        const int added = &sender == &Label24 ? 4 : &sender == &Label16 ? 5 : 10;
        const int years = count(Ed1_yy5) + added;
        const int margin = &sender == &Label24 ? 1 : added;
        if (term_years <= years + margin) {
            set_step_to_whole_term();
        } else {
            set_step_length(years, count(Ed1_mm5));
        }
    } else if (&sender == &Edit13) {
        Edit13.set_text("1");  // its change sets the step
        Label25.set_tag(StepMonths);
    } else if (&sender == &Edit14) {
        // The calculation writes this field all the time, so its change sets nothing by
        // itself; the gesture runs the step routine directly.
        Edit14.set_text("1");
        Ed1_mm5Change(Edit14);
        Label25.set_tag(StepMonths);
    } else if (&sender == &Ed1_yy5) {
        set_step_to_whole_term();
    } else if (&sender == &Ed1_mm5) {
        set_step_length(1, 0);
    }
}

void CalculationPage::set_step_to_whole_term() {
    set_step_length(count(main_.Ed0_nen), count(main_.Ed0_tuki));
}

// Both fields are written before the step routine runs, so a step that passes on its way
// through a length longer than the term is neither computed nor beeped at.
void CalculationPage::set_step_length(int years, int months) {
    if (Ed1_mm5.tag() != 0) return;  // the step routine is running
    if (Ed1_yy5.text() != general(years) || Ed1_mm5.text() != general(months)) {
        Ed1_mm5.set_tag(1);
        put(Ed1_yy5, years);
        put(Ed1_mm5, months);
        Ed1_mm5.set_tag(0);
        Ed1_mm5Change(Ed1_yy5);
    }
    Label25.set_tag(StepMonths);
}

// Numeric fields take digits, ".", "-", "%", "'", backspace and Enter; anything else is
// dropped with a warning beep.
void CalculationPage::numeric_key_filter(Control&, char32_t& key) {
    const bool allowed = (key >= U'0' && key <= U'9') || key == U'.' || key == U'-' ||
                         key == U'%' || key == U'\'' || key == U'\b' || key == U'\r' ||
                         key == U'\n';
    if (!allowed) {
        key = 0;
        main_.beep(Beep::Warning);
    }
}

}  // namespace rebanto
