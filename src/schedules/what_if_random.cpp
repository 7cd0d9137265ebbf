// The random rate path ("金利変動ｼﾐｭﾚｰｼｮﾝ"): one step per bonus interval for Edit36 years,
// the rate walking in tenths of a percent toward targets drawn at random. The generator
// is the platform's, started from the clock on every click.
#include <cstdlib>

#include "base/errors.h"
#include "base/format.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// Rates are counted in tenths of a percent.
constexpr long double kTenth = 0.1L;
// The first target lies in 2.0 % … 9.9 %, the later ones in 1.2 % … 9.9 %; a step moves
// the rate by 0 … 6 tenths toward the target.
constexpr int kFirstTargetSpan = 80;
constexpr int kFirstTargetLow = 20;
constexpr int kTargetSpan = 88;
constexpr int kTargetLow = 12;
constexpr int kMoveSpan = 7;

// The integer part of a uniform draw times span.
int draw(Platform& platform, int span) {
    return static_cast<int>(int_part(static_cast<long double>(platform.random()) * span));
}

int draw_target(Platform& platform, int span, int low, int current) {
    int target = 0;
    do {
        target = draw(platform, span) + low;
    } while (target == current);
    return target;
}

}  // namespace

void BatchTablesPage::Button13Click(Control&) {
    batch_run(false, [this] {
        app().platform().randomize();
        main_.PRset1(main_.Ed0_kin);
        main_.show_memo_after_run(main_.TabSheet2);
        st_ikkazu();
        if (num(main_.Ed0_nen) < num(Edit36)) Edit36.set_text(main_.Ed0_nen.text());
        const std::string table =
            "ランダム　" + std::to_string(main_.bonus_interval()) + "ヶ月毎、金利変動ｼﾐｭﾚｰｼｮﾝ";
        what_if_titles(table);
        main_.Button6Click(main_.Button6);
        random_rate_path();
    });
}

void BatchTablesPage::random_rate_path() {
    const int interval = main_.bonus_interval();
    if (interval <= 0 || 12 % interval != 0) {
        // Only an edited settings file gives an interval that does not divide the year;
        // the steps per year would not be a whole number.
        const std::string per_year =
            interval == 0 ? std::string("12/0") : general(12.0L / interval);
        app().platform().error(std::string(ConversionError(per_year).what()) + "（ﾎﾞｰﾅｽ返済の間隔" +
                               std::to_string(interval) + "ヶ月は12ヶ月を割り切れません）");
        return;
    }
    Platform& platform = app().platform();
    const int steps_per_year = 12 / interval;
    const int years = count(Edit36);

    main_.PRset1(main_.Ed0_kin);
    set_step_months(std::to_string(interval));
    batch_commit();  // the first step at the start rate

    // A small offset keeps a rate such as 2.3 % on 23 tenths despite its binary form.
    int start = static_cast<int>(int_part(num(main_.Ed0_kin) / kTenth + 0.00001L));
    int rate = start;
    int target = draw_target(platform, kFirstTargetSpan, kFirstTargetLow, start);
    int left = steps_per_year * years - 1;
    while (left > 0) {
        batch_section("金利は" + general(target * kTenth) + "％を目指します", true, true);
        do {
            if (target != start) {
                const int toward = target > start ? 1 : -1;
                rate += draw(platform, kMoveSpan) * toward;
            }
            put(main_.Edit2, rate * kTenth);  // recomputes the step; a move of 0 keeps it
            batch_commit();
            --left;
        } while (std::abs(rate - start) <= std::abs(target - start) && left > 0);
        start = rate;
        target = draw_target(platform, kTargetSpan, kTargetLow, start);
    }
    main_.goukeikinyu_m();
    main_.goukeikinyu_b();
    what_if_finish();
}

}  // namespace rebanto
