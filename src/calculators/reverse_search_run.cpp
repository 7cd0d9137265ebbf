// The reverse search itself: the chosen input is moved digit by digit while the one-period
// calculation follows every change, until the chosen output meets the amount in Edit3.
// A target out of the input's reach puts the inputs back as they were and says so.
#include <array>
#include <cmath>
#include <functional>
#include <string>

#include "calculators/digit_descent.h"
#include "calculators/typed_totals.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr const char* kTargetOutOfReach =
    "指定検索金額に届く値が検索範囲内にありません。入力は検索前に戻しました";

// The top of the search range: a tenth of the input limits.
constexpr long double kTopRate = 100;
constexpr Money kTopAmount = Money::from_yen(1'000'000'000);
// Digits a rate and an amount are searched to: 10 % … 0.00001 %, 100,000,000 … 1 yen (the
// last amount digit runs at 1 yen once more).
constexpr int kRateDigits = 7;
// Rates are stepped in units of the finest rate step, 0.0000001 %.
constexpr long double kRateUnitsPerPercent = 10'000'000;
constexpr int kAmountDigits = 10;

class WaitCursor {
public:
    explicit WaitCursor(Platform& platform) : platform_(platform) {
        platform_.set_wait_cursor(true);
    }
    ~WaitCursor() { platform_.set_wait_cursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Platform& platform_;
};

// Every field the one-period calculation reads. A text that is no number stops the
// calculation with a beep and leaves the outputs as they were, so the search would read
// stale outputs: it does not start on one (the message names the field).
void check_calculation_fields(const TForm1& f) {
    for (const Edit* field :
         {&f.Ed0_moto, &f.Ed0_kin, &f.Ed0_nen, &f.Ed0_tuki, &f.Ed0_wari, &f.Edit1, &f.Edit6,
          &f.Edit2, &f.Ed1_Mzankaisu, &f.Ed1_Bzankaisu, &f.Edit4, &f.Edit9, &f.Edit13, &f.Edit14}) {
        num(*field);
    }
    if (f.RadioButton4.checked()) num(f.Edit28);
    if (f.RadioButton12.checked()) num(f.Edit29);
}

// What the search moves, as the user left it.
struct SearchStart {
    std::array<std::string, 6> basic;
    std::string input;
};

SearchStart keep_start(const TForm1& f, const Edit& input) {
    return {{f.Ed0_nen.text(), f.Ed0_tuki.text(), f.Ed0_wari.text(), f.Edit13.text(),
             f.Ed0_moto.text(), f.Ed0_kin.text()},
            input.text()};
}

// A basic setting as input started the loan again at every trial: the basic settings go
// back, and the loan starts from them once more. A step field as input only moved the step
// and, for a principal, the total and the share: the field goes back and recalculates the
// step, and the total and the share go back as typed without starting the loan again.
void put_back(TForm1& f, const SearchStart& start, Edit& input) {
    if (&input == &f.Ed0_kin || &input == &f.Ed0_moto) {
        f.write_back_basic_settings(start.basic);
        return;
    }
    input.set_text(start.input);
    TypedTotals{start.basic[4], start.basic[2]}.put_back(f);
}

// The value found meets the target, and some value below it did not: otherwise the
// target lies above the top of the range or below its bottom.
template <class Value>
bool reached(const DescentResult<Value>& result, const std::function<bool()>& crossed) {
    return result.ever_crossed && !crossed();
}

bool descend_input(TForm1& f, Edit& input, const Edit& output, Money target) {
    Platform& platform = f.app().platform();
    const std::function<bool()> below = [&] { return money(output) < target; };
    const std::function<bool()> above = [&] { return money(output) > target; };
    const std::function<void()> repaint = [&] { platform.repaint(); };

    // A lower rate lowers every output but the principal repaid over the step. The rate is
    // stepped in whole units of the finest rate step, so that ten steps of 0.1 from 1 land
    // on 0 and not on a residue of the binary fractions that a rate field would then show.
    if (&input == &f.Ed0_kin) {
        f.RateStep = kTopRate;
        DescentHooks<std::int64_t> hooks;
        hooks.write = [&](std::int64_t units) {
            put(input, static_cast<long double>(units) / kRateUnitsPerPercent);
        };
        hooks.crossed = f.SearchDirection == 0 ? below : above;
        hooks.finer_step = [&] {
            f.KtaClick(f.KtaD);
            return std::llround(static_cast<double>(f.RateStep * kRateUnitsPerPercent));
        };
        hooks.after_digit = repaint;
        const std::int64_t top = std::llround(static_cast<double>(kTopRate * kRateUnitsPerPercent));
        return reached(descend(top, kRateDigits, hooks), hooks.crossed);
    }

    f.AmountStep = kTopAmount;
    DescentHooks<Money> hooks;
    hooks.write = [&](Money v) { put(input, v); };
    hooks.finer_step = [&] {
        f.KtaClick(f.KtaD);
        return f.AmountStep;
    };
    hooks.after_digit = repaint;
    if (&input == &f.Edit4 || &input == &f.Edit9) {
        // A lower instalment repays less principal and leaves more interest and balance.
        const bool repaid = f.RBut_GMm.checked() || f.RBut_GMb.checked();
        hooks.crossed = repaid ? below : above;
        hooks.after_trial = repaint;
    } else {
        // A lower principal lowers every output.
        hooks.crossed = below;
    }
    return reached(descend(kTopAmount, kAmountDigits, hooks), hooks.crossed);
}

}  // namespace

bool ReverseSearchPanel::reverse_search() {
    Edit& input = search_input_field();
    const Edit& output = search_output_field();
    // Checked before anything moves: a failure here leaves every field as it was.
    const Money target = money(Edit3);
    check_calculation_fields(main_);
    money(output);

    const SearchStart start = keep_start(main_, input);
    WaitCursor wait(app().platform());
    bool found = false;
    try {
        found = descend_input(main_, input, output, target);
    } catch (...) {
        put_back(main_, start, input);
        throw;
    }
    if (found) return true;
    put_back(main_, start, input);
    app().platform().message(kTargetOutOfReach);
    return false;
}

}  // namespace rebanto
