// General bank loans at one fixed rate for the whole term: one instalment from the first
// payment to the last, month by month or payment by payment of the second stream. The
// bonus timing is the user's, whatever the interval.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

void TForm1::all_mon(std::string rate, std::string years, std::string principal) {
    fixed_rate_schedule(false, rate, years, principal);
}

void TForm1::all_bon(std::string rate, std::string principal) {
    fixed_rate_schedule(true, rate, "", principal);
}

// One instalment to the end: a step a month, or a step a payment of the second stream with
// the user's interval; the months counted against the term as the steps cover them.
void TForm1::fixed_rate_schedule(bool bonus, const std::string& rate, const std::string& years,
                                 const std::string& principal) {
    const int n = count(Ed1_Mzankaisu);
    open_part_schedule(bonus, rate, years, principal,
                       batch_head(bonus ? Button67.caption() : "月", "月次返済表"));
    PRset1(Ed0_kin);
    const int step = bonus ? bonus_interval() : 1;
    set_step_months(std::to_string(step));
    int covered = 0;
    int payments = n;
    if (bonus) {
        PRset1(Ed0_kin);
        covered = commit_steps_before_first_bonus() * step;
        payments = count(Ed1_Bzankaisu);
    }
    for (int i = 1; i <= payments && covered < n; ++i, covered += step) {
        if (i > 1) batch_hold();
        if (!batch_commit()) break;
    }
    close_part_schedule(bonus);
}

void TForm1::Button66Click(Control&) {
    batch_run(false, [this] {
        build_one_part(
            false, [this] { all_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text()); }, "KoM");
    });
}

void TForm1::Button67Click(Control&) {
    batch_run(false, [this] {
        build_one_part(
            true, [this] { all_bon(Ed0_kin.text(), Edit6.text()); }, "KoB");
    });
}

void TForm1::Button68Click(Control&) {
    batch_run(false, [this] {
        build_both_parts([this] { all_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text()); },
                         [this] { all_bon(Ed0_kin.text(), Edit6.text()); }, "Ko");
    });
}

}  // namespace rebanto
