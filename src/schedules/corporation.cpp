// The housing-loan corporation's plans: the start rate for ten years, then the rate of
// Edit40; the standard plan (通常返済) and the eased plan (ゆとり返済) whose instalments
// are those of a 50-year loan during the first five years. One-page summaries with
// six-month steps in both memos, and full schedules of either part for further work.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr const char* kTermNotSixMonths =
    "返済期間が6ヶ月の倍数でないと、ﾎﾞｰﾅｽ返済は計算されません。(公庫では10年以上5年刻み)";
constexpr const char* kNoEasedInEqualPrincipal =
    "元金均等返済指定で公庫関係のゆとり返済の処理は出来ません";
constexpr const char* kEasedNeedsSixYears =
    "返済期間が6年未満では作動しません・・・公庫ゆとり返済は25年以上5年刻みです(年金住宅融資の"
    "ステップでは20年以上)";

// The plan payments of the eased years: a 50-year loan, 600 monthly and 100 bonus payments.
constexpr int kEasedMonthlyCount = 600;
constexpr int kEasedBonusCount = 100;

// The section lines of a full schedule: one step a month, or one bonus payment a step.
struct CorporationSections {
    const char* first;
    const char* first_eased;
    const char* second;
    const char* third;
    const char* later;
};
constexpr CorporationSections kMonthlySections{
    "当初1ヶ月毎の推移(当初５年分)", "当初1ヶ月毎の推移(当初５年分=ゆとり返済期間)",
    "6年目以降10年まで1ヶ月毎の推移(５年分)", "11年目以降15年まで1ヶ月毎の推移", "その後推移"};
constexpr CorporationSections kBonusSections{
    "当初６ヶ月毎の推移(当初５年分)", "当初６ヶ月毎の推移(当初５年分=ゆとり返済期間)",
    "6年目以降10年まで６ヶ月毎の推移(５年分)", "11年目以降15年まで６ヶ月毎の推移",
    "その後６ヶ月毎の推移"};

// The plan's name in the memo titles.
std::string corporation_table(bool eased) {
    return std::string("住宅金融公庫　") + (eased ? "ゆとり返済" : "通常返済");
}

}  // namespace

// ---- Presets of the corporation rates ----

void BatchTablesPage::cycle_preset(Button& button, Edit& first, Edit& second, Edit& third) {
    Edit* const presets[] = {&first, &second, &third};
    const auto next = static_cast<std::size_t>(button.tag() % 3);
    button.set_tag(static_cast<std::int64_t>((next + 1) % 3));
    main_.Ed0_kin.set_text(presets[next]->text());
}

void BatchTablesPage::Button59Click(Control&) {
    cycle_preset(Button59, main_.Edit39, main_.Edit51, main_.Edit52);
}

void BatchTablesPage::Button60Click(Control&) {
    cycle_preset(Button60, main_.Edit50, main_.Edit63, main_.Edit62);
}

// ---- Summaries ----

void BatchTablesPage::Button12Click(Control&) {
    corporation_summary(false);
}

void BatchTablesPage::Button11Click(Control&) {
    if (main_.equal_principal()) {
        app().platform().message(kNoEasedInEqualPrincipal);
        return;
    }
    if (num(main_.Ed0_nen) < 6) {
        main_.beep(Beep::Warning);
        app().platform().message(kEasedNeedsSixYears);
        return;
    }
    corporation_summary(true);
}

void BatchTablesPage::corporation_summary(bool eased) {
    batch_run(true, [this, eased] {
        summary_start(eased);
        main_.Ed0_moto.set_text(BatchSettingsMemory[4]);
        set_step_months("6");
        const int n = count(main_.Ed1_Mzankaisu);
        main_.PRset1(main_.Ed0_moto);
        const auto term_left = [n](int done) { return done < n; };
        int done = eased ? summary_eased_years(n) : held_steps(20, 6, 0, false, term_left);
        if (done < n) {
            batch_section("11年目以降15年まで６ヶ月毎の推移", true, true);
            main_.Edit2.set_text(main_.Edit40.text());
            // The first step at the later rate gets its own instalment.
            done = held_steps(10, 6, done, false, term_left);
        }
        if (done < n) {
            batch_section("その後1年毎の推移", true, true);
            main_.Edit2.set_text(main_.Edit40.text());
            set_step_months("12");
            held_steps(25, 12, done, true, term_left);
        }
        main_.goukeikinyu_m();
        main_.goukeikinyu_b();
        end_ikkazu();
        if (main_.Edit1.text() == "0") main_.Bt7_MClearClick(main_.Bt7_MClear);
        if (main_.Edit6.text() == "0") main_.Bt7_BClearClick(main_.Bt7_BClear);
        main_.beep(Beep::Information);
    });
}

// Both memos start with the plan's titles, the band lines and the first section line.
void BatchTablesPage::summary_start(bool eased) {
    main_.PRset1(main_.Ed0_kin);
    if (main_.bonus_interval() > 0 && main_.TotalMonths % main_.bonus_interval() != 0) {
        main_.beep(Beep::Warning);
        app().platform().message(kTermNotSixMonths);
    }
    main_.show_memo_after_run(main_.TabSheet2);
    st_ikkazu();
    batch_titles(batch_head("月", corporation_table(eased)),
                 batch_head("ボーナス", corporation_table(eased)));
    main_.Button6Click(main_.Button6);  // the band lines
    batch_section(eased ? "当初６ヶ月毎の推移(当初５年分=ゆとり返済期間)"
                        : "当初６ヶ月毎の推移(当初１０年分)",
                  true, true);
}

// The eased years of the summary and the five years after them; returns the months done.
int BatchTablesPage::summary_eased_years(int n) {
    int done = 0;
    // Each half-year the instalments are those of a 50-year loan on what is left.
    for (int i = 1; i <= 10 && done < n; ++i, done += 6) {
        put(main_.Ed1_Mzankaisu, kEasedMonthlyCount + 6 - 6 * i);
        put(main_.Ed1_Bzankaisu, kEasedBonusCount + 1 - i);
        batch_commit();
    }
    batch_section("6年目以降10年まで６ヶ月毎の推移(５年分)", true, true);
    // From the sixth year both parts are repaid over the true remaining term. The monthly
    // count is back to it with the step; the bonus count is set here, or the 50-year count
    // would leave principal unpaid at the end of the term.
    const int bonus_paid =
        main_.ElapsedMonths >= main_.bonus_first_months()
            ? (main_.ElapsedMonths - main_.bonus_first_months()) / main_.bonus_interval() + 1
            : 0;
    put(main_.Ed1_Bzankaisu, main_.bonus_payment_number(main_.TotalMonths) - bonus_paid);
    return held_steps(10, 6, done, false, [n](int months) { return months < n; });
}

int BatchTablesPage::held_steps(int steps, int months, int done, bool hold_first,
                                const std::function<bool(int)>& more) {
    for (int i = 1; i <= steps && more(done); ++i, done += months) {
        if (i > 1 || hold_first) batch_hold();
        batch_commit();
    }
    return done;
}

// ---- Full schedules ----

// What one part's full schedule steps by: the monthly schedule commits a month a step
// and counts its months against the term; the bonus schedule commits a bonus payment a step
// and asks the step how far it has come (the last bonus month, the months left).
struct BatchTablesPage::CorporationPart {
    bool bonus;
    bool eased;
    int step_months;
    int payment_interval;  // months between two payments of the part
    Edit& remaining;       // the payment count the eased plan rewrites
    int eased_count;       // payments of the 50-year loan of the eased years
    int last_month;        // the term (monthly) or the last bonus month
    int early_steps;       // steps before the first bonus payment
    const CorporationSections& sections;
};

// The texts are copies: callers pass the very fields the schedule rewrites.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void BatchTablesPage::kouko_mon(std::string rate, std::string years, std::string principal) {
    const bool eased = RadioButton10.checked();
    main_.PageControl1.set_active_page(main_.TabSheet2);
    open_part_schedule(false, rate, years, principal, batch_head("月", corporation_table(eased)));
    main_.PRset1(main_.Ed0_kin);  // a fresh start even when none of them changed
    const int n = count(main_.Ed1_Mzankaisu);
    batch_section(eased ? kMonthlySections.first_eased : kMonthlySections.first, true, false);
    set_step_months("1");
    corporation_schedule(
        {false, eased, 1, 1, main_.Ed1_Mzankaisu, kEasedMonthlyCount, n, 0, kMonthlySections});
}

// The texts are copies: callers pass the very fields the schedule rewrites.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void BatchTablesPage::kouko_bon(std::string rate, std::string principal) {
    const bool eased = RadioButton10.checked();
    const int last_bonus_month =
        (count(main_.Ed1_Bzankaisu) - 1) * main_.bonus_interval() + main_.bonus_first_months();
    open_part_schedule(true, rate, "", principal, batch_head("ボーナス", corporation_table(eased)));
    batch_section(eased ? kBonusSections.first_eased : kBonusSections.first, false, true);
    set_step_months("6");
    main_.Edit14.set_text("1");
    main_.PRset1(main_.Ed0_kin);
    const int early = commit_steps_before_first_bonus();
    corporation_schedule({true, eased, 6, main_.bonus_interval(), main_.Ed1_Bzankaisu,
                          kEasedBonusCount, last_bonus_month, early, kBonusSections});
}

void BatchTablesPage::corporation_schedule(const CorporationPart& part) {
    const auto section = [&](const char* line) { batch_section(line, !part.bonus, part.bonus); };
    const auto before_last = [&](int done) {
        return part.bonus ? main_.ElapsedMonths < part.last_month : done < part.last_month;
    };
    const auto term_left = [&](int done) {
        return part.bonus ? main_.RemainingMonths > 0 : done < part.last_month;
    };
    const int steps_in_five_years = 60 / part.step_months;
    int done = 0;
    // Eased: the instalment of a 50-year loan, held for five years.
    for (int i = 1; i <= steps_in_five_years - part.early_steps && before_last(done);
         ++i, done += part.step_months) {
        if (part.eased) put(part.remaining, part.eased_count + 1 - i);
        if (i > 1) batch_hold();
        batch_commit();
    }
    section(part.sections.second);
    // From the sixth year the payments are counted over the true remaining term (the step
    // has already brought the monthly count back to it); eased, the first step there gets
    // the instalment of that term.
    if (part.bonus) put(part.remaining, main_.RemainingMonths / part.payment_interval);
    done = held_steps(steps_in_five_years, part.step_months, done, !part.eased, term_left);
    if (term_left(done)) {
        section(part.sections.third);
        main_.Edit2.set_text(main_.Edit40.text());
        done = held_steps(steps_in_five_years, part.step_months, done, false, term_left);
    }
    if (before_last(done)) {
        section(part.sections.later);
        main_.Edit2.set_text(main_.Edit40.text());
        main_.PRset1(main_.Edit2);
        held_steps((main_.TotalMonths - 180) / part.step_months, part.step_months, done, true,
                   term_left);
    }
    close_part_schedule(part.bonus);
}

// The eased plan needs six years at least.
bool BatchTablesPage::eased_plan_refused() {
    if (!RadioButton10.checked() || num(main_.Ed0_nen) >= 6) return false;
    main_.beep(Beep::Warning);
    app().platform().message(kEasedNeedsSixYears);
    return true;
}

void BatchTablesPage::Button61Click(Control&) {
    if (eased_plan_refused()) return;
    batch_run(true, [this] {
        build_one_part(
            false,
            [this] { kouko_mon(main_.Ed0_kin.text(), main_.Ed0_nen.text(), main_.Edit1.text()); },
            "JuM");
    });
}

void BatchTablesPage::Button62Click(Control&) {
    if (eased_plan_refused()) return;
    batch_run(true, [this] {
        build_one_part(
            true, [this] { kouko_bon(main_.Ed0_kin.text(), main_.Edit6.text()); }, "JuB");
    });
}

void BatchTablesPage::Button63Click(Control&) {
    if (eased_plan_refused()) return;
    batch_run(true, [this] {
        build_both_parts(
            [this] { kouko_mon(main_.Ed0_kin.text(), main_.Ed0_nen.text(), main_.Edit1.text()); },
            [this] { kouko_bon(main_.Ed0_kin.text(), main_.Edit6.text()); }, "Ju");
    });
}

}  // namespace rebanto
