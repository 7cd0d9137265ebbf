// Calculation settings (instalment and interest rounding, accrual unit, repayment
// method), the digit unit of the quick-entry gestures and the window scale.
#include <array>

#include "base/format.h"
#include "base/numtext.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

Color instalment_colour(std::int64_t mode) {
    switch (mode) {
        case 1:
            return Color::Yellow;
        case 2:
            return Color::Green;
        default:
            return Color::Red;
    }
}

Color interest_colour(std::int64_t mode) {
    switch (mode) {
        case 1:
            return Color::Yellow;
        case 2:
            return Color::Red;
        default:
            return Color::Green;
    }
}

Color accrual_colour(std::int64_t unit) {
    switch (unit) {
        case 10000:
            return Color::Blue;
        case 1000:
            return Color::Teal;
        case 10:
            return Color::Yellow;
        case 1:
            return Color::Red;
        default:
            return Color::Green;  // 100, the standard unit
    }
}

struct DigitUnit {
    std::int64_t amount_yen;
    long double rate;
};

// Kta0 … Kta9: the amount step and the rate step move together by powers of ten.
constexpr std::array<DigitUnit, 10> kDigitUnits{{
    {1, 0.0000001L},
    {10, 0.000001L},
    {100, 0.00001L},
    {1000, 0.0001L},
    {10000, 0.001L},
    {100000, 0.01L},
    {1000000, 0.1L},
    {10000000, 1.0L},
    {100000000, 10.0L},
    {1000000000, 100.0L},
}};

constexpr long double kMinRateStep = 0.0000001L;
constexpr long double kMaxRateStep = 100.0L;  // MaxRate / 10
constexpr Money kMinAmountStep = Money::from_yen(1);
constexpr Money kMaxAmountStep = Money::from_yen(1'000'000'000);  // MaxAmount / 10

std::string rate_hint(long double step) {
    return "（クリックで" + general(step) + "％増加）　（右クリックで" + general(step) +
           "％減少）　（ダブルクリックで" + general(5 * step) + "％増加）";
}

std::string amount_hint(Money step) {
    const Money five = Money::from_raw(step.raw() * 5);
    return "（クリックで" + format_money(step, 13) + "円増加）　（右クリックで" +
           format_money(step, 13) + "円減少）　（ダブルクリックで" + format_money(five, 13) +
           "円増加）";
}

}  // namespace

void CalculationSettings::wire_settings_panel() {
    place_settings_choices();
    set_up_indicators();
    wire_settings_choices();
    wire_units_and_scale();
    refresh_step_hints();
}

// The rounding and accrual choices in their groups, each tagged with the mode or unit it
// stands for; the standard ones chosen.
void CalculationSettings::place_settings_choices() {
    for (Control* radio : {&RB11, &RB12, &RB13})
        radio->set_parent(&GrpKinto);
    for (Control* radio : {&RB21, &RB22, &RB23})
        radio->set_parent(&GrpRisoku);
    for (Control* radio : {&Furi10000, &Furi1000, &Furi100, &Furi10, &Furi1}) {
        radio->set_parent(&GrpFuri);
    }
    for (Control* c :
         std::initializer_list<Control*>{&GrpKinto, &GrpRisoku, &GrpFuri, &Button106, &Button147}) {
        c->set_parent(&Panel5);
    }
    RB11.set_tag(0);
    RB12.set_tag(1);
    RB13.set_tag(2);
    RB21.set_tag(0);
    RB22.set_tag(1);
    RB23.set_tag(2);
    Furi10000.set_tag(10000);
    Furi1000.set_tag(1000);
    Furi100.set_tag(100);
    Furi10.set_tag(10);
    Furi1.set_tag(1);
    RB11.set_checked(true);
    RB21.set_checked(true);
    Furi100.set_checked(true);
}

// The indicators above the pages: read only, the modes in force shown as colours.
void CalculationSettings::set_up_indicators() {
    HRh.set_tag(0);
    HRr.set_tag(0);
    FuriR.set_tag(100);
    HHkkgg.set_tag(0);
    for (Edit* indicator : {&HRh, &HRr, &FuriR, &HHkkgg})
        indicator->set_read_only(true);
    HRh.set_hint("計算均等額の端数処理（赤=切り捨て・黄=四捨五入・緑=切り上げ）");
    HRr.set_hint("計算利息額の端数処理（緑=切り捨て・黄=四捨五入・赤=切り上げ）");
    FuriR.set_hint("付利単位（緑=100円・黄=10円・赤=1円・青緑=1000円・青=10000円）");
    Panel5.set_hint(
        "返済額は切り上げ・利息額は切り捨てを標準　(緑・緑)　／ﾏﾆｭｱﾙﾊﾟｯｸにもこの識別情報記録して"
        "いますので読込時等は再現");
    Panel5.hide();
    recolour_indicators();
}

// A click on an indicator opens the panel; a choice sets its mode at once, a double click
// on one closes the panel.
void CalculationSettings::wire_settings_choices() {
    for (Control* c : std::initializer_list<Control*>{&HRh, &HRr, &FuriR})
        c->on_click = guard(&TForm1::HRhClick);
    for (Control* c : {&RB11, &RB12, &RB13}) {
        c->on_click = guard(&TForm1::RB11Click);
        c->on_dbl_click = guard(&TForm1::Button106Click);
    }
    for (Control* c : {&RB21, &RB22, &RB23}) {
        c->on_click = guard(&TForm1::RB21Click);
        c->on_dbl_click = guard(&TForm1::Button106Click);
    }
    for (Control* c : {&Furi10000, &Furi1000, &Furi100, &Furi10, &Furi1}) {
        c->on_click = guard(&TForm1::Furi100Click);
        c->on_dbl_click = guard(&TForm1::Button106Click);
    }
    Button106.on_click = guard(&TForm1::Button106Click);
}

// The repayment method, the digit unit of the quick-entry gestures and the window scale.
void CalculationSettings::wire_units_and_scale() {
    Button130.on_click = guard(&TForm1::Button130Click);
    HHkkgg.on_change = guard(&TForm1::HHkkggChange);
    for (Control* c : std::initializer_list<Control*>{&Kta0, &Kta1, &Kta2, &Kta3, &Kta4, &Kta5,
                                                      &Kta6, &Kta7, &Kta8, &Kta9, &KtaD, &KtaU}) {
        c->on_click = guard(&TForm1::KtaClick);
    }
    Button114.on_click = guard(&TForm1::Button114Click);
    Button115.on_click = guard(&TForm1::Button115Click);
}

void CalculationSettings::recolour_indicators() {
    HRh.set_color(instalment_colour(HRh.tag()));
    HRr.set_color(interest_colour(HRr.tag()));
    FuriR.set_color(accrual_colour(FuriR.tag()));
}

void CalculationSettings::HRhClick(Control&) {
    Panel5.show();
}

void CalculationSettings::RB11Click(Control& sender) {
    HRh.set_tag(sender.tag());
    recolour_indicators();
    main_.PRset1(sender);
}

void CalculationSettings::RB21Click(Control& sender) {
    HRr.set_tag(sender.tag());
    recolour_indicators();
    main_.PRset1(sender);
}

void CalculationSettings::Furi100Click(Control& sender) {
    FuriR.set_tag(sender.tag());
    recolour_indicators();
    main_.PRset1(sender);
}

// Makes the panel agree with the stored values, then closes it. Also run after settings
// or a pack are loaded.
void CalculationSettings::Button106Click(Control&) {
    for (RadioButton* radio : {&RB11, &RB12, &RB13}) {
        if (radio->tag() == HRh.tag()) radio->set_checked(true);
    }
    for (RadioButton* radio : {&RB21, &RB22, &RB23}) {
        if (radio->tag() == HRr.tag()) radio->set_checked(true);
    }
    for (RadioButton* radio : {&Furi10000, &Furi1000, &Furi100, &Furi10, &Furi1}) {
        if (radio->tag() == FuriR.tag()) radio->set_checked(true);
    }
    Panel5.hide();
}

void CalculationSettings::Button130Click(Control&) {
    HHkkgg.set_text(HHkkgg.text() == "1" ? "0" : "1");
}

// The method flag: "1" is equal principal; any other text is stored as "0".
void CalculationSettings::HHkkggChange(Control&) {
    if (HHkkgg.text() != "1" && HHkkgg.text() != "0") {
        HHkkgg.set_text("0");  // re-enters with "0"
        return;
    }
    HHkkgg.set_tag(HHkkgg.text() == "1" ? 1 : 0);
    main_.switch_repayment_method();
}

void CalculationSettings::KtaClick(Control& sender) {
    const std::array<const MenuItem*, 10> fixed{&Kta0, &Kta1, &Kta2, &Kta3, &Kta4,
                                                &Kta5, &Kta6, &Kta7, &Kta8, &Kta9};
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        if (&sender == fixed[i]) {
            main_.AmountStep = Money::from_yen(kDigitUnits[i].amount_yen);
            main_.RateStep = kDigitUnits[i].rate;
        }
    }
    if (&sender == &KtaD) {
        const Money amount = Money::from_raw(main_.AmountStep.raw() / 10);
        main_.AmountStep = amount < kMinAmountStep ? kMinAmountStep : amount;
        // The tolerance keeps 1E-6 / 10 from landing a hair below the smallest step.
        const long double rate = main_.RateStep / 10;
        main_.RateStep = rate < kMinRateStep * (1 - 1e-9L) ? kMinRateStep : rate;
    } else if (&sender == &KtaU) {
        const Money amount = Money::from_raw(main_.AmountStep.raw() * 10);
        main_.AmountStep = amount > kMaxAmountStep ? kMaxAmountStep : amount;
        const long double rate = main_.RateStep * 10;
        main_.RateStep = rate > kMaxRateStep * (1 + 1e-9L) ? kMaxRateStep : rate;
    }
    refresh_step_hints();
}

void CalculationSettings::refresh_step_hints() {
    for (Label* label : {&main_.Label18, &main_.Label1})
        label->set_hint(rate_hint(main_.RateStep));
    for (Label* label : {&main_.Label19, &main_.Label4, &main_.Label192})
        label->set_hint(amount_hint(main_.AmountStep));
}

void CalculationSettings::scale_window(long double factor) {
    const auto w = static_cast<int>(int_part((main_.width() - 8) * factor + 8));
    const auto h = static_cast<int>(int_part((main_.height() - 32) * factor + 32));
    main_.set_size(w, h);
}

void CalculationSettings::Button114Click(Control&) {
    scale_window(1.25L);
}

void CalculationSettings::Button115Click(Control&) {
    scale_window(0.8L);
}

}  // namespace rebanto
