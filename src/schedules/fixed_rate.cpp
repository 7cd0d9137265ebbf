// General bank loans at one fixed rate for the whole term: one instalment from the first
// payment to the last, month by month or payment by payment of the second stream. The
// bonus timing is the user's, whatever the interval.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

// The texts are copies: callers pass the very fields the schedule rewrites.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void BatchTablesPage::all_mon(std::string rate, std::string years, std::string principal) {
    fixed_rate_schedule(false, rate, years, principal);
}

// The texts are copies: callers pass the very fields the schedule rewrites.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void BatchTablesPage::all_bon(std::string rate, std::string principal) {
    fixed_rate_schedule(true, rate, "", principal);
}

// One instalment to the end: a step a month, or a step a payment of the second stream with
// the user's interval; the months counted against the term as the steps cover them.
void BatchTablesPage::fixed_rate_schedule(bool bonus, const std::string& rate,
                                          const std::string& years, const std::string& principal) {
    const int n = count(main_.Ed1_Mzankaisu);
    open_part_schedule(bonus, rate, years, principal,
                       batch_head(bonus ? Button67.caption() : "月", "月次返済表"));
    main_.PRset1(main_.Ed0_kin);
    const int step = bonus ? main_.bonus_interval() : 1;
    set_step_months(std::to_string(step));
    int covered = 0;
    int payments = n;
    if (bonus) {
        main_.PRset1(main_.Ed0_kin);
        covered = commit_steps_before_first_bonus() * step;
        payments = count(main_.Ed1_Bzankaisu);
    }
    for (int i = 1; i <= payments && covered < n; ++i, covered += step) {
        if (i > 1) batch_hold();
        if (!batch_commit()) break;
    }
    close_part_schedule(bonus);
}

void BatchTablesPage::Button66Click(Control&) {
    batch_run(false, [this] {
        build_one_part(
            false,
            [this] { all_mon(main_.Ed0_kin.text(), main_.Ed0_nen.text(), main_.Edit1.text()); },
            "KoM");
    });
}

void BatchTablesPage::Button67Click(Control&) {
    batch_run(false, [this] {
        build_one_part(
            true, [this] { all_bon(main_.Ed0_kin.text(), main_.Edit6.text()); }, "KoB");
    });
}

void BatchTablesPage::Button68Click(Control&) {
    batch_run(false, [this] {
        build_both_parts(
            [this] { all_mon(main_.Ed0_kin.text(), main_.Ed0_nen.text(), main_.Edit1.text()); },
            [this] { all_bon(main_.Ed0_kin.text(), main_.Edit6.text()); }, "Ko");
    });
}

}  // namespace rebanto
